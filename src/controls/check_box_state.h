#pragma once
// The three states of a check box, shared by the grid pack's check box and the grid's
// check-box cells.

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

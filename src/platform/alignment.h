#pragma once
// Horizontal text alignment of controls and cells.

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

#pragma once
// The dialog keys of a window: a key press that no control took offers Enter and
// Escape as CM_DIALOGKEY, and a plain printable character as CM_DIALOGCHAR, to every
// control of the window in creation order until one takes it (a non-zero result).

#include <QWidget>

// Installs the dialog keys on a window once; later calls do nothing.
void EnableDialogKeys(QWidget* window);

// Tab not taken by a control: the focus goes to the next (or previous) control of the
// window that takes it by Tab, leaving out the control's own children (the editor inside
// a grid leaves the grid). Nothing happens when there is none.
void FocusNextControl(QWidget* control, bool backward);

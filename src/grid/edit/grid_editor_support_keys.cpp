// Keys an editor control gives up on its way out: the grid's own key-down handling, and
// a Tab posted to the grid.
#include "grid/core/string_grid.h"

#include <QCoreApplication>
#include <QKeyEvent>

void TExStringGrid::EditorKeyToGrid(WORD& Key, TShiftState Shift) {
    TWMKey message{WM_KEYDOWN, Key, 0, Shift, 0};
    WMKeyDown(message);
    Key = message.CharCode;
}

void TExStringGrid::PostTabToGrid(TShiftState Shift) {
    const Qt::KeyboardModifiers modifiers = Shift.Contains(ssShift) ? Qt::ShiftModifier : Qt::NoModifier;
    const int key = Shift.Contains(ssShift) ? Qt::Key_Backtab : Qt::Key_Tab;
    QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, key, modifiers));
}

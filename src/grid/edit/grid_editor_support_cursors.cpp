// The cursor the cell under the mouse asks for through OnGetCellCursor, after the grid's
// own cursors (select modes, cell selector, fixed borders) had nothing to show.
#include "grid/core/string_grid.h"

#include <QCursor>

void TExStringGrid::CellCursorUnderMouse() {
    const QPoint mouse = Surface()->mapFromGlobal(QCursor::pos());
    int ACol = -1, ARow = -1;
    MouseToCell(mouse.x(), mouse.y(), ACol, ARow);
    if (ACol < 0 || ARow < 0) return;
    GetCellCursor(RealCol(RealColIndex(ACol)), DisplRow(ARow), mouse.x(), mouse.y());
}

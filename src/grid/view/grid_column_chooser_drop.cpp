// A column offered by a list box of hidden columns (a column chooser): the list box arms
// the grid with the column before its own drag of a "Grid Column" value; the drop then
// shows that column again, removes its entry from the list box and moves the column to
// the drop position (DropCol).

#include "grid/core/string_grid.h"

#include "platform/standard_controls.h"

void TExStringGrid::OleColumnDragStart(int ACol, int AIndex, TListBox* AList) {
    FOleDragCol = ACol;
    FOleDragIndex = AIndex;
    FOleDragList = AList;
}

int TExStringGrid::ShowChooserColumn() {
    const int armed = FOleDragCol;
    FOleDragCol = -1;
    int position = -1;
    for (int i = 0; i < FColumnOrder->Count() && position < 0; ++i)
        if (FColumnOrder->Items(i) == armed) position = i;
    // A column the grid does not have changes nothing, in the grid or in the list box.
    if (position < 0) return -1;
    if (FOleDragList && FOleDragIndex >= 0 && FOleDragIndex < FOleDragList->Items().Count())
        FOleDragList->Items().Delete(FOleDragIndex);
    if (IsHiddenColumn(position)) UnHideColumn(position);
    return position;
}

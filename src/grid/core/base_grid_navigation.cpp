// Base grid: moving the current cell with keys and wheel so that it always ends on the
// base cell of its merged area, and repainting around cell changes and scrolling.

#include "grid/core/base_grid.h"

void TBaseGrid::MoveToBaseCell() {
    if (!CellPropsAssigned(Col(), Row())) return;
    const TPoint base = BaseCell(Col(), Row());
    if (base.X != Col()) SetCol(base.X);
    if (base.Y != Row()) SetRow(base.Y);
}

void TBaseGrid::KeepOffHiddenLastRow() {
    if (FHideLastRow && RowCount() > 1 && Row() == RowCount() - 1 && RowCount() - 2 >= FixedRows())
        SetRow(RowCount() - 2);
}

void TBaseGrid::KeyDown(WORD& Key, TShiftState Shift) {
    const TPoint base = BaseCell(Col(), Row());
    const int bc = base.X;
    const int br = base.Y;
    const TCellProperties* baseProps = PropsAt(bc, br);
    const bool hasProps = CellPropsAssigned(Col(), Row());
    const int spanX = baseProps ? baseProps->CellSpanX() : -1;
    const int spanY = baseProps ? baseProps->CellSpanY() : -1;
    switch (Key) {
    case VK_NEXT:
        if (VisibleRowCount() + TopRow() - FixedRows() == RowCount() - 1 && FHideLastRow && RowCount() > 1)
            SetRow(RowCount() - 2);
        break;
    case VK_LEFT:
        // From inside an area the move starts at its base cell, so it lands on the
        // neighbour left of the area.
        if (hasProps && bc < Col() && Col() > FixedCols() && bc > 0) SetCol(bc);
        break;
    case VK_UP:
        if (hasProps && br < Row() && Row() > FixedRows() && br > 0) SetRow(br);
        break;
    case VK_RIGHT: {
        const int v = bc + spanX;
        if (v >= Col() && Col() < ColCount() - 1 && bc < ColCount() - 1 && v < ColCount()) SetCol(v);
        break;
    }
    case VK_DOWN: {
        const int v = br + spanY;
        if (v >= Row() && Row() < RowCount() - 1 && br < RowCount() - 1) SetRow(v);
        break;
    }
    default: break;
    }
    TObjStringGrid::KeyDown(Key, Shift);
    KeepOffHiddenLastRow();
    MoveToBaseCell();
}

bool TBaseGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    // A step down leaves a merged area from its last row, as the Down key does.
    const TPoint base = BaseCell(Col(), Row());
    if (const TCellProperties* baseProps = PropsAt(base.X, base.Y); baseProps && baseProps->CellSpanY() > 0) {
        const int last = base.Y + baseProps->CellSpanY();
        if (last < RowCount() - 1) SetRow(last);
    }
    const bool result = TObjStringGrid::DoMouseWheelDown(Shift, MousePos);
    if (VisibleRowCount() < Row() - TopRow() && Row() < RowCount() - 1 && FHideLastRow) SetTopRow(TopRow() + 1);
    KeepOffHiddenLastRow();
    MoveToBaseCell();
    return result;
}

bool TBaseGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    const bool result = TObjStringGrid::DoMouseWheelUp(Shift, MousePos);
    MoveToBaseCell();
    return result;
}

bool TBaseGrid::SelectCell(int ACol, int ARow) {
    if (UseRightToLeftAlignment()) {
        const bool result = TObjStringGrid::SelectCell(ACol, ARow);
        InvalidateGrid();
        return result;
    }
    RepaintCell(Col(), Row());
    const bool result = TObjStringGrid::SelectCell(ACol, ARow);
    RepaintCell(ACol, ARow);
    return result;
}

void TBaseGrid::TopLeftChanged() {
    TObjStringGrid::TopLeftChanged();
    RepaintMergedFixedCols();
    RepaintMergedFixedRows();
}

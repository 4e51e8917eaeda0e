// What the grid adds to the control's key-down method after the cursor moved: rows moved
// with Ctrl+Up/Down, the arrow keys wrapping at the edges, disabled rows skipped.

#include "grid/core/string_grid.h"

#include <algorithm>

void TExStringGrid::KeyDown(WORD& Key, TShiftState Shift) {
    FLastKeyCell = {Col(), Row()};
    int startRow = Row();
    // The base control's Ctrl+Up/Down moves the current cell along, where the class
    // library's only scrolled: the rows to move are the ones selected before the key.
    const TGridRect before = Selection();
    const int top = std::min(before.Top, before.Bottom);
    const int bottom = std::max(before.Top, before.Bottom);
    const int rowBefore = Row();
    TBaseGrid::KeyDown(Key, Shift);
    if (Shift.Contains(ssCtrl) && FNavigation->CursorMoveRows()) {
        const int fixedCols = TStringGrid::FixedCols();
        if (Key == VK_DOWN && bottom < RowCount() - 1) {
            if (top == bottom) {
                MoveRow(top, top + 1);
                SetRow(rowBefore + 1);
            } else {
                MoveRows(top, top + 1, bottom - top + 1);
                SetSelection({fixedCols, top + 1, ColCount() - 1, bottom + 1});
            }
            startRow = Row();
        } else if (Key == VK_UP && top > TStringGrid::FixedRows()) {
            if (top == bottom) {
                MoveRow(top, top - 1);
                SetRow(rowBefore - 1);
            } else {
                MoveRows(top, top - 1, bottom - top + 1);
                SetSelection({fixedCols, top - 1, ColCount() - 1, bottom - 1});
            }
            startRow = Row();
        } else if (Key == VK_DOWN || Key == VK_UP) {
            // Nothing to move: the current cell stays where it was.
            if (Row() != rowBefore) SetRow(rowBefore);
            startRow = Row();
        }
    }
    if (FNavigation->CursorAdvance() != caDefault) AdvanceCursorAtEdge(Key);
    if (FUseEnabledRows && FNavigation->SkipDisabledRows() && Row() == startRow) SkipDisabledRow(Key, startRow);
    SyncOtherGrid();
}

void TExStringGrid::AdvanceCursorAtEdge(WORD Key) {
    const bool snake = FNavigation->CursorAdvance() == caSnake;
    const int fixedCols = TStringGrid::FixedCols();
    const int fixedRows = TStringGrid::FixedRows();
    const int lastCol = ColCount() - FFixedRightCols - 1;
    const int lastRow = RowCount() - FFixedFooters - 1;
    const TGridCoord was = FLastKeyCell;
    if (Key == VK_LEFT && was.X == fixedCols) {
        SetCol(lastCol);
        if (snake && was.Y > fixedRows) SetRow(was.Y - 1);
    } else if (Key == VK_UP && was.Y == fixedRows) {
        SetRow(lastRow);
        if (snake && was.X > fixedCols) SetCol(was.X - 1);
    } else if (Key == VK_RIGHT && was.X + 1 == ColCount()) {
        SetCol(fixedCols);
        if (snake && was.Y < lastRow) SetRow(was.Y + 1);
    } else if (Key == VK_DOWN && was.Y + 1 == RowCount()) {
        SetRow(fixedRows);
        if (snake && was.X < lastCol) SetCol(was.X + 1);
    }
}

void TExStringGrid::SkipDisabledRow(WORD Key, int StartRow) {
    const int fixedRows = TStringGrid::FixedRows();
    if (Key == VK_UP) {
        int r = StartRow - 1;
        while (r > fixedRows && !GetRowEnabled(r)) --r;
        if (r >= fixedRows && GetRowEnabled(r)) SetRow(r);
    } else if (Key == VK_DOWN) {
        int r = StartRow + 1;
        while (r < RowCount() - 1 && !GetRowEnabled(r)) ++r;
        if (r <= RowCount() - 1 && GetRowEnabled(r)) SetRow(r);
    }
}

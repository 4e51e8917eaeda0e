// One step of the Tab walk, forward or backward, across the row or down the column, on
// the walk's own cursor; and the row appending of Down on the last data row.

#include "grid/core/string_grid.h"

void TExStringGrid::TabStepForward(int& ACol, int& ARow, bool& Post, bool& Again) {
    const int lastDataRow = RowCount() - FFixedFooters - 1;
    const int limit = ColCount() - VisibleFixedRightCols();
    if (FNavigation->TabAdvanceDirection() != adLeftRight) {
        if (ARow + CellSpan(ACol, ARow).Y + 1 < RowCount() - FFixedFooters) {
            ARow += CellSpan(ACol, ARow).Y + 1;
            return;
        }
        ARow = FixedRows();
        if (ACol < limit - 1) {
            ++ACol;
            return;
        }
        ACol = FirstDataCol();
        Post = TabGoesToParent();
        return;
    }
    const int spanCols = CellSpan(ACol, ARow).X;
    if (ACol + spanCols + 1 < limit) {
        int stop = -1;
        for (int c = ACol + spanCols + 1; c < limit; ++c)
            if (IsTabStopCell(c, ARow)) { stop = c; break; }
        if (stop >= 0) {
            ACol = stop;
            Again = !IsBaseCell(ACol, ARow);
            return;
        }
        // The rest of the row has no stop: on to the next row, or round to the first.
        if (ARow < lastDataRow) {
            const int newCol = FirstTabStopCol(ARow + 1);
            bool allow = true;
            if (OnRowChanging) OnRowChanging(this, ARow, ARow + 1, allow);
            if (OnCellChanging) OnCellChanging(this, ARow, ACol, ARow + 1, newCol, allow);
            if (OnColChanging) OnColChanging(this, ACol, newCol, allow);
            if (!allow) return;
            ACol = newCol == -1 ? FirstDataCol() : newCol;
            ++ARow;
            return;
        }
        const int newCol = FirstTabStopCol(FixedRows());
        if (newCol != -1) {
            ACol = newCol;
            ARow = FixedRows();
        }
        Post = TabGoesToParent();
        return;
    }
    if (ARow < lastDataRow) {
        for (int c = FirstDataCol(); c < ColCount(); ++c) {
            if (IsBaseCell(c, ARow + 1) && IsTabStopCell(c, ARow + 1)) {
                ACol = c;
                ++ARow;
                return;
            }
        }
        for (int g = ARow + 2; g < RowCount(); ++g) {
            const int first = FirstTabStopCol(g);
            if (first != -1) {
                ARow = g;
                ACol = first;
                return;
            }
        }
        ARow = RowCount() - 1;
        ACol = ColCount() - 1;
        Again = true;
        return;
    }
    // The last data row: round to the first row, or a new row at the end.
    bool added = false;
    if (!FNavigation->TabToNextAtEnd() && FNavigation->AdvanceInsert()) {
        bool canAdd = true;
        DoCanAddRow(canAdd);
        if (canAdd) {
            if (FFloatingFooter->Visible) {
                InsertRows(RowCount() - 1, 1, true);
                ARow = RowCount() - 2;
            } else {
                SetRowCount(RowCount() + 1);
                ARow = RowCount() - 1;
            }
            if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
            added = true;
        }
    }
    if (!added) ARow = FixedRows();
    const int first = FirstTabStopCol(ARow);
    // A row without any tab stop: its first data column, from where the walk goes on.
    ACol = first != -1 ? first : FirstDataCol();
    Post = TabGoesToParent();
}

void TExStringGrid::TabStepBackward(int& ACol, int& ARow, bool& /*Post*/, bool& /*Again*/) {
    const int lastDataRow = RowCount() - FFixedFooters - 1;
    const int limit = ColCount() - VisibleFixedRightCols();
    if (FNavigation->TabAdvanceDirection() != adLeftRight) {
        if (ARow > FixedRows()) {
            --ARow;
            return;
        }
        ARow = lastDataRow;
        ACol = ACol > FirstDataCol() ? ACol - 1 : limit - 1;
        return;
    }
    if (ACol <= FirstDataCol()) {
        int stop = -1;
        for (int c = limit - 1; c >= FixedCols(); --c)
            if (IsTabStopCell(c, ARow)) { stop = c; break; }
        // A row without any tab stop: its last data column, from where the walk goes on.
        ACol = stop != -1 ? stop : limit - 1;
        ARow = ARow > FixedRows() ? ARow - 1 : lastDataRow;
        return;
    }
    for (int c = ACol - 1; c >= FirstDataCol(); --c) {
        if (IsTabStopCell(c, ARow) && IsBaseCell(c, ARow)) {
            ACol = c;
            return;
        }
    }
    const int fromRow = ARow > FixedRows() ? ARow - 1 : lastDataRow;
    const int newCol = LastTabStopCol(fromRow);
    ACol = newCol != -1 ? newCol : FirstDataCol();
    ARow = fromRow;
    const TPoint base = BaseCell(ACol, ARow);
    ACol = base.X;
    ARow = base.Y;
}

// ---- appending a row -----------------------------------------------------------------------

void TExStringGrid::AutoAddRow() {
    bool canAdd = true;
    DoCanAddRow(canAdd);
    if (!canAdd) return;
    const bool floating = FFloatingFooter->Visible;
    if (floating) {
        const int footer = RowCount() - 1;
        QStringList saved;
        for (int c = 0; c < TotalColCount(); ++c) saved << Cells(c, footer);
        AppendRow();
        ClearRows(RowCount() - 2, 1);
        for (int c = 0; c < TotalColCount(); ++c) SetCells(c, RowCount() - 1, saved.at(c));
    } else {
        AppendRow();
        ClearRows(RowCount() - 1, 1);
    }
    if (floating || FFixedFooters > 0) SetRow(Row() + 1);
    if (floating) CalcFooter(-1);
    if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
}

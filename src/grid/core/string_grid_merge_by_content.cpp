// Merging runs of equal neighbouring cells of a column or a row, splitting such areas
// again, re-merging the MergedColumns list, and joining the texts of two columns.

#include "controls/text_utilities.h"
#include "grid/core/string_grid.h"

void TExStringGrid::MergeColumnCells(int ColIndex, bool MainMerge) {
    if (ColIndex < 0 || ColIndex >= TotalColCount()) return;
    const int lastRow = RowCount() - FixedFooters() - 1;
    int start = FixedRows();
    int run = 1;
    for (int r = FixedRows() + 1; r <= lastRow; ++r) {
        if (Cells(ColIndex, r) == Cells(ColIndex, r - 1) && (MainMerge || RowSpanIdentical(r, r - 1))) {
            ++run;
            continue;
        }
        if (run > 1) MergeCells(ColIndex, start, 1, run);
        start = r;
        run = 1;
    }
    if (run > 1) MergeCells(ColIndex, start, 1, run);
}

// A run of one cell stays a single cell: merging it would split an area of another row
// or column that covers it.
void TExStringGrid::MergeRowCells(int RowIndex, bool MainMerge) {
    if (RowIndex < 0 || RowIndex >= RowCount()) return;
    const int lastCol = ColCount() - FixedRightCols() - 1;
    int start = FixedCols();
    int run = 0;
    for (int c = FixedCols() + 1; c <= lastCol; ++c) {
        if (Cells(c, RowIndex) == Cells(c - 1, RowIndex) && (MainMerge || ColSpanIdentical(c, c - 1))) {
            ++run;
            continue;
        }
        if (run >= 1) MergeCells(start, RowIndex, run + 1, 1);
        start = c;
        run = 0;
    }
    if (run >= 1) MergeCells(start, RowIndex, run + 1, 1);
}

void TExStringGrid::SplitColumnCells(int ColIndex) {
    if (ColIndex < 0 || ColIndex >= TotalColCount()) return;
    int r = 0;
    while (r < RowCount() - FixedFooters() - 1) {
        if (!IsYMergedCell(ColIndex, r)) {
            ++r;
            continue;
        }
        const int span = CellSpan(ColIndex, r).Y;
        SplitCells(ColIndex, r);
        r += span + 1;
    }
}

void TExStringGrid::SplitRowCells(int RowIndex) {
    if (RowIndex < 0 || RowIndex >= RowCount()) return;
    int c = 0;
    while (c < ColCount() - FixedRightCols() - 1) {
        if (!IsMergedCell(c, RowIndex)) {
            ++c;
            continue;
        }
        const int span = CellSpan(c, RowIndex).X;
        SplitCells(c, RowIndex);
        c += span + 1;
    }
}

void TExStringGrid::SplitAllCells() {
    if (FMergeCount == 0) return;
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < TotalColCount(); ++c)
            if (IsMergedCell(c, r)) SplitCells(c, r);
}

void TExStringGrid::MergeCols(int ColIndex1, int ColIndex2, const QString& Separator) {
    if (ColIndex1 < 0 || ColIndex2 < 0 || ColIndex1 >= TotalColCount() || ColIndex2 >= TotalColCount() ||
        ColIndex1 == ColIndex2)
        return;
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetCells(ColIndex1, r, Trim(Cells(ColIndex1, r) + Separator + Cells(ColIndex2, r)));
    RemoveCols(ColIndex2, 1);
}

void TExStringGrid::SplitAllColumnCells() {
    for (int c = 0; c < TotalColCount(); ++c) SplitColumnCells(c);
}

void TExStringGrid::RemergeColumns() {
    for (int i = 0; i < FMergedColumns->Count(); ++i) MergeColumnCells(FMergedColumns->Items(i), i == 0);
}

void TExStringGrid::MergedColumnsChanged() {
    SplitAllColumnCells();
    RemergeColumns();
}

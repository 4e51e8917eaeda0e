// Clearing, trimming and colouring ranges of the string grid, and the whole-grid
// queries. Ranges take real columns and displayed rows, edges inclusive; the parts of a
// range outside the grid touch nothing.

#include "grid/core/hidden_row_store.h"
#include "controls/text_utilities.h"
#include "grid/core/string_grid.h"

#include <algorithm>

void TExStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2) {
    const bool destroying = ComponentState().Contains(csDestroying);
    const int firstCol = std::max(0, ACol1);
    const int lastCol = std::min(ACol2, TotalColCount() - 1);
    const int firstRow = std::max(0, ARow1);
    const int lastRow = std::min(ARow2, RowCount() - 1);
    for (int r = firstRow; r <= lastRow; ++r) {
        for (int c = firstCol; c <= lastCol; ++c) {
            if (!FClearTextOnly && GetGridObject(c, r)) {
                // An area the range cuts is split first, so none of its cells is left
                // pointing at a base whose properties went.
                if (FMergeCount > 0 && IsMergedCell(c, r)) {
                    const TPoint base = BaseCell(c, r);
                    SplitCells(base.X, base.Y);
                }
                if (FNilObjects)
                    TStringGrid::SetObjects(c, r, nullptr);  // the grid keeps owning it
                else
                    FreeCellObject(c, r);
            }
            if (!destroying && !GetGridCell(c, r).isEmpty()) SetGridCell(c, r, QString());
        }
    }
    // Only when every cell's properties went: hidden columns and held-out rows count too.
    if (!FClearTextOnly && ACol1 <= 0 && ARow1 <= 0 && ACol2 >= TotalColCount() - 1 && ARow2 >= RowCount() - 1 &&
        FHiddenRows->IsEmpty())
        FHasCellProps = false;
    if (!destroying && lastCol >= firstCol && lastRow >= firstRow) DoCellsChanged(TRect{ACol1, ARow1, ACol2, ARow2});
}

void TExStringGrid::ClearRows(int RowIndex, int RCount) {
    if (RowCount() <= 0 || ColCount() <= 0 || RCount <= 0) return;
    ClearRect(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1);
}

void TExStringGrid::ClearCols(int ColIndex, int CCount) {
    if (RowCount() <= 0 || ColCount() <= 0 || CCount <= 0) return;
    ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

void TExStringGrid::ClearNormalCols(int ColIndex, int CCount) {
    if (RowCount() <= 0 || ColCount() <= 0 || CCount <= 0) return;
    ClearRect(ColIndex, TStringGrid::FixedRows(), ColIndex + CCount - 1, RowCount() - FFixedFooters - 1);
}

void TExStringGrid::ClearNormalRows(int RowIndex, int RCount) {
    if (RowCount() <= 0 || ColCount() <= 0 || RCount <= 0) return;
    ClearRect(TStringGrid::FixedCols(), RowIndex, TotalColCount() - FFixedRightCols - 1, RowIndex + RCount - 1);
}

void TExStringGrid::ClearNormalCells() {
    if (TStringGrid::FixedCols() == 0 && HasNodes()) RemoveAllNodes();
    ClearRect(TStringGrid::FixedCols(), TStringGrid::FixedRows(), TotalColCount() - FFixedRightCols - 1,
              RowCount() - FFixedFooters - 1);
}

void TExStringGrid::ClearSelection() {
    // The selection is displayed: each displayed column clears the real column shown there.
    if (FMouseActions->DisjunctRowSelect()) {
        for (int r = TStringGrid::FixedRows(); r < RowCount(); ++r)
            if (GetRowSelect(RowSelectIndex(r))) ClearRows(r, 1);
    } else if (FMouseActions->DisjunctColSelect()) {
        for (int c = TStringGrid::FixedCols(); c < ColCount(); ++c)
            if (c < int(FColSelect.size()) && FColSelect[std::size_t(c)]) ClearCols(RealColIndex(c), 1);
    } else {
        const TGridRect s = SelectionRectangleOrdered();
        for (int c = std::max(0, s.Left); c <= s.Right && c < ColCount(); ++c) {
            const int real = RealColIndex(c);
            ClearRect(real, s.Top, real, s.Bottom);
        }
    }
}

void TExStringGrid::Clear() {
    if (ComponentState().Contains(csDestroying)) return;
    if (HasNodes()) RemoveAllNodes();
    ClearRect(0, 0, TotalColCount() - 1, RowCount() - 1);
    SearchInc.clear();
    if (NumHiddenColumns() > 0) InvalidateGrid();
}

void TExStringGrid::ClearAll() {
    Clear();
    for (int p = 0; p < FHiddenRows->Count(); ++p) FHiddenRows->Item(p).ClearTexts();
}

void TExStringGrid::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2) {
    for (int r = std::max(0, ARow1); r <= ARow2 && r < RowCount(); ++r) {
        for (int i = std::max(0, ACol1); i <= ACol2; ++i) {
            const int c = FSaveHiddenCells ? RealColIndex(i) : i;
            const QString text = Cells(c, r);
            if (const QString trimmed = Trim(text); trimmed.size() != text.size()) SetCells(c, r, trimmed);
        }
    }
}

void TExStringGrid::ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor) {
    for (int c = std::max(0, ACol1); c <= ACol2; ++c)
        for (int r = std::max(0, ARow1); r <= ARow2 && r < RowCount(); ++r) SetColors(c, r, AColor);
}

bool TExStringGrid::IsCell(const QString& SubStr, int& ACol, int& ARow) const {
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (GetGridCell(c, r) == SubStr) {
                ACol = c;
                ARow = r;
                return true;
            }
    return false;
}

bool TExStringGrid::IsWideCell(int ACol, int ARow) const { return Cells(ACol, ARow).startsWith(QStringLiteral("|\\")); }

bool TExStringGrid::IsIgnoredColumn(int ACol) const { return FIgnoreColumns->HasValue(ACol); }

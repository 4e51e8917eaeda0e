// Inserting and removing columns of the string grid (real column indexes). The cells of
// hidden columns stay at their real index, so a column operation shifts the stored cells
// of every row (held-out rows too), the hidden flags with their kept widths, and the
// displayed widths of the columns that are shown.

#include "grid/core/column_display_map.h"
#include "grid/core/hidden_row_store.h"
#include "grid/core/string_grid.h"

#include <algorithm>

namespace {

// The stored cells of a held-out row from ACol on move by Delta columns (Delta < 0: the
// columns [ACol + Delta, ACol) go; their objects stay the grid's, which frees them).
void ShiftItemColumns(TGridItem& Item, int ACol, int Delta, int Width) {
    if (Delta > 0) {
        for (int c = Width - 1; c >= ACol; --c) {
            Item.SetCells(RealCol(c + Delta), Item.Cells(RealCol(c)));
            Item.SetObjects(RealCol(c + Delta), Item.Objects(RealCol(c)));
        }
        for (int c = ACol; c < ACol + Delta; ++c) {
            Item.SetCells(RealCol(c), QString());
            Item.SetObjects(RealCol(c), nullptr);
        }
    } else {
        for (int c = ACol; c < Width; ++c) {
            Item.SetCells(RealCol(c + Delta), Item.Cells(RealCol(c)));
            Item.SetObjects(RealCol(c + Delta), Item.Objects(RealCol(c)));
        }
        for (int c = std::max(ACol + Delta, Width + Delta); c < Width; ++c) {
            Item.SetCells(RealCol(c), QString());
            Item.SetObjects(RealCol(c), nullptr);
        }
    }
}

}  // namespace

void TExStringGrid::InsertCols(int ColIndex, int CCount) {
    if (CCount <= 0 || ColIndex < 0) return;
    ColIndex = std::min(ColIndex, TotalColCount());
    EndEditBeforeLinesMove();
    const int width = std::max(TotalColCount(), CellStore().ColumnSlots());
    // Areas cut by the new columns are split; an area right of them moves whole.
    if (FMergeCount > 0 && ColIndex < TotalColCount()) LinesMoving(false, ColIndex, TotalColCount() - 1, false);
    InsertStoreColumns(ColIndex, CCount);
    // The shift covers the real columns only: the stored cells that were just past the
    // old last column are overwritten, not pushed along, so a column added later never
    // shows the text of one removed or cut off before.
    const int newTotal = TotalColCount() + CCount;
    if (FHasCellProps) {
        const int rows = std::max(RowCount(), CellStore().RowSlots());
        for (int r = 0; r < rows; ++r)
            for (int c = newTotal; c < newTotal + CCount; ++c) FreeCellObject(c, r);
    }
    DeleteStoreColumns(newTotal, CCount);
    for (int p = 0; p < FHiddenRows->Count(); ++p) ShiftItemColumns(FHiddenRows->Item(p), ColIndex, CCount, width);
    // Hidden flags and kept widths move with their columns; the new columns are shown.
    const int pushedOut = FColumnMap->InsertColumns(RealCol(ColIndex), CCount);
    const int displayedAt = DisplColIndex(ColIndex);
    for (int i = 0; i < CCount; ++i) PutColumnLine(displayedAt, DefaultColWidth());
    // A hidden column pushed past the hideable ones is shown from then on.
    for (int i = 0; i < pushedOut; ++i) PutColumnLine(ColCount(), DefaultColWidth());
    RenumberCellControls([&](int X, int Y) { return TGridCoord{X >= ColIndex ? X + CCount : X, Y}; });
    FMaxColCount = std::max(FMaxColCount, ColCount());
    StructureChanged();
}

void TExStringGrid::RemoveCols(int ColIndex, int CCount) {
    if (CCount <= 0 || ColIndex < 0 || ColIndex >= TotalColCount()) return;
    CCount = std::min(CCount, TotalColCount() - ColIndex);
    // A grid keeps one displayed column: the range is cut at its end until one remains.
    auto shownIn = [&](int count) {
        int shown = 0;
        for (int c = ColIndex; c < ColIndex + count; ++c) shown += IsHiddenColumn(c) ? 0 : 1;
        return shown;
    };
    while (CCount > 0 && shownIn(CCount) >= ColCount()) --CCount;
    if (CCount <= 0) return;
    EndEditBeforeLinesMove();
    const int last = ColIndex + CCount - 1;
    const int width = std::max(TotalColCount(), CellStore().ColumnSlots());

    if (FMergeCount > 0) LinesMoving(false, ColIndex, last, true);
    if (FHasCellProps) {
        const int rows = std::max(RowCount(), CellStore().RowSlots());
        for (int r = 0; r < rows; ++r)
            for (int c = ColIndex; c <= last; ++c) FreeCellObject(c, r);
    }
    // The displayed lines of the shown columns go, from the right.
    for (int c = last; c >= ColIndex; --c)
        if (!IsHiddenColumn(c)) TakeColumnLine(DisplColIndex(c));
    FColumnMap->RemoveColumns(RealCol(ColIndex), CCount);
    DeleteStoreColumns(ColIndex, CCount);
    for (int p = 0; p < FHiddenRows->Count(); ++p)
        ShiftItemColumns(FHiddenRows->Item(p), ColIndex + CCount, -CCount, width);
    RenumberCellControls([&](int X, int Y) {
        if (X >= ColIndex && X <= last) return TGridCoord{-1, -1};
        return TGridCoord{X > last ? X - CCount : X, Y};
    });
    StructureChanged();
    DoCellsChanged(TRect{ColIndex, 0, ColIndex + CCount, RowCount() - 1});
}

void TExStringGrid::RemoveSelectedCols() {
    if (FMouseActions->DisjunctColSelect()) {
        for (int c = ColCount() - 1; c >= TStringGrid::FixedCols(); --c) {
            if (c >= int(FColSelect.size()) || !FColSelect[std::size_t(c)]) continue;
            RemoveCols(RealColIndex(c), 1);
            FColSelect.erase(FColSelect.begin() + c);
        }
        return;
    }
    const TGridRect s = SelectionRectangleOrdered();
    // The displayed columns of the selection, removed from the right as real columns.
    for (int c = std::min(s.Right, ColCount() - 1); c >= std::max(s.Left, 0); --c) RemoveCols(RealColIndex(c), 1);
}

void TExStringGrid::RemoveUnSelectedCols() {
    if (FMouseActions->DisjunctColSelect()) {
        for (int c = ColCount() - 1; c >= TStringGrid::FixedCols(); --c) {
            if (c < int(FColSelect.size()) && FColSelect[std::size_t(c)]) continue;
            RemoveCols(RealColIndex(c), 1);
            if (c < int(FColSelect.size())) FColSelect.erase(FColSelect.begin() + c);
        }
    } else {
        const TGridRect s = SelectionRectangleOrdered();
        for (int c = ColCount() - 1; c > s.Right; --c) RemoveCols(RealColIndex(c), 1);
        for (int c = s.Left - 1; c >= TStringGrid::FixedCols(); --c) RemoveCols(RealColIndex(c), 1);
    }
    ClearColSelect();
}

// Stand-ins for the string grid's InsertCols, RemoveCols and ColumnMoved until the structure work lands.

#include "grid/core/column_display_map.h"
#include "grid/core/string_grid.h"

void TExStringGrid::InsertCols(int ColIndex, int CCount) {
    if (NumHiddenColumns() > 0 || CCount <= 0 || ColIndex < 0 || ColIndex > ColCount()) return;
    const TMovedEvent moved = std::move(OnColumnMoved);
    OnColumnMoved = nullptr;
    for (int i = 0; i < CCount; ++i) {
        SetColCountRaw(ColCount() + 1);
        ClearColCells(ColCount() - 1);  // a column kept beyond the old count is not reused
        for (int c = ColCount() - 1; c > ColIndex; --c) SetColWidths(c, ColWidths(c - 1));
        SetColWidths(ColIndex, DefaultColWidth());
        TStringGrid::ColumnMoved(ColCount() - 1, ColIndex);
    }
    OnColumnMoved = moved;
}

void TExStringGrid::RemoveCols(int ColIndex, int CCount) {
    if (NumHiddenColumns() > 0 || ColIndex < 0) return;
    for (int i = 0; i < CCount && ColIndex < ColCount() && ColCount() > 1; ++i) DeleteColumn(ColIndex);
}

void TExStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
    const int from = RealColIndex(FromIndex);
    const int to = RealColIndex(ToIndex);
    FColumnMap->RemoveColumns(RealCol(from), 1);
    FColumnMap->InsertColumns(RealCol(to), 1);
    TStringGrid::ColumnMoved(from, to);
}

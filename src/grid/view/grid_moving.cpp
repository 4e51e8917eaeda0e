// Keeping side data in step with moved columns and rows: the recorded column order, the
// hidden-column flags and kept widths, the texts of hidden rows, the sort column and
// index, the current column, and the same move on a synchronised grid. The base control
// has already moved the widths or heights with the line (its axis carries them) when
// these notices run, and it leaves the current cell alone: the current column follows
// here once, whichever road the move came by.

#include "grid/core/column_display_map.h"
#include "grid/core/hidden_row_store.h"
#include "grid/core/string_grid.h"

#include <algorithm>
#include <vector>

namespace {

// Where an index lands when the line at From moves to To and the lines between close up.
int FollowMove(int Index, int From, int To) {
    if (Index == From) return To;
    if (Index > From && Index <= To) return Index - 1;
    if (Index < From && Index >= To) return Index + 1;
    return Index;
}

}  // namespace

void TExStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
    const int realFrom = RealColIndex(FromIndex);
    const int realTo = RealColIndex(ToIndex);
    if (realFrom < FColumnOrder->Count() && realTo < FColumnOrder->Count()) {
        const int entry = FColumnOrder->Items(realFrom);
        FColumnOrder->Delete(realFrom);
        FColumnOrder->Insert(realTo, entry);
    }
    // The flags and kept widths of hidden columns move with their columns; the map keeps
    // every index inside its own storage, however many columns the grid has.
    FColumnMap->RemoveColumns(RealCol(realFrom), 1);
    FColumnMap->InsertColumns(RealCol(realTo), 1);
    if (EnhRowColMove()) ColMoveFlg = true;
    // Cells and objects move at the real columns and OnColumnMoved fires with them.
    TStringGrid::ColumnMoved(realFrom, realTo);
    MoveColumnSideData(FromIndex, ToIndex, realFrom, realTo);
    if (FFloatingFooter->Visible) InvalidateGrid();

    TExStringGrid* partner = FSyncGrid->Grid();
    if (partner && FSyncGrid->MoveColumn() && !FSyncedMove) {
        partner->FSyncedMove = true;
        partner->MoveColumn(FromIndex, ToIndex);
        partner->FSyncedMove = false;
    }
}

void TExStringGrid::MoveColumnSideData(int FromIndex, int ToIndex, int RFrom, int RTo) {
    const int totalCols = TotalColCount();
    if (RFrom < totalCols && RTo < totalCols) {
        for (int p = 0; p < FHiddenRows->Count(); ++p) {
            TGridItem& item = FHiddenRows->Item(p);
            const QString text = item.Cells(RealCol(RFrom));
            TObject* object = item.Objects(RealCol(RFrom));
            const int step = RTo > RFrom ? 1 : -1;
            for (int c = RFrom; c != RTo; c += step) {
                item.SetCells(RealCol(c), item.Cells(RealCol(c + step)));
                item.SetObjects(RealCol(c), item.Objects(RealCol(c + step)));
            }
            item.SetCells(RealCol(RTo), text);
            item.SetObjects(RealCol(RTo), object);
        }
    }
    FSortSettings->Column = FollowMove(FSortSettings->Column, RFrom, RTo);
    if (FSortSettings->IndexShow) {
        for (int i = 0; i < FSortIndexes->Count(); ++i) {
            const int entry = FSortIndexes->Items(i);
            const int column = FollowMove(entry & 0xFFFF, RFrom, RTo);
            FSortIndexes->SetItems(i, int((unsigned(entry) & 0xFFFF0000u) | unsigned(column & 0xFFFF)));
        }
    }
    if (const int col = FollowMove(Col(), FromIndex, ToIndex); col != Col()) MoveColRow(col, Row(), true, false);
}

void TExStringGrid::RowMoved(int FromIndex, int ToIndex) {
    if (FFloatingFooter->Visible && FFloatingFooter->FooterStyle == fsFixedLastRow && ToIndex + 1 == RowCount()) {
        // The footer row stays last: the heights the base moved go back, the cells stay.
        std::vector<int> heights;
        const int first = std::min(FromIndex, ToIndex);
        const int last = std::max(FromIndex, ToIndex);
        for (int r = first; r <= last; ++r) heights.push_back(RowHeights(r));
        if (FromIndex < ToIndex)
            std::rotate(heights.rbegin(), heights.rbegin() + 1, heights.rend());
        else
            std::rotate(heights.begin(), heights.begin() + 1, heights.end());
        for (int r = first; r <= last; ++r) SetRowHeights(r, heights[std::size_t(r - first)]);
        return;
    }
    // The base fires OnRowMoved itself; it fires once here, after everything moved.
    TMovedEvent handler = std::move(OnRowMoved);
    OnRowMoved = nullptr;
    TStringGrid::RowMoved(FromIndex, ToIndex);
    if (EnhRowColMove()) ColMoveFlg = true;
    OnRowMoved = std::move(handler);
    if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);

    TExStringGrid* partner = FSyncGrid->Grid();
    if (partner && FSyncGrid->MoveRow() && !FSyncedMove) {
        partner->FSyncedMove = true;
        partner->MoveRow(FromIndex, ToIndex);
        partner->FSyncedMove = false;
    }
}

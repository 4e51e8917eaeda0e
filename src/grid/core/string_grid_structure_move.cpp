// Moving and swapping rows and columns of the string grid, the recorded column order,
// and hiding the selection. Rows move as whole stored rows (one pointer each), so the
// hidden columns and the objects come along and no object is ever held twice.

#include "grid/core/column_display_map.h"
#include "grid/core/hidden_row_store.h"
#include "grid/core/string_grid.h"

#include <algorithm>

// ---- rows ------------------------------------------------------------------------------

void TExStringGrid::ExchangeRowEntries(int ARow1, int ARow2) {
    auto exchange = [&](TIntList& list, int a, int b) {
        const int needed = std::max(a, b) + 1;
        if (list.Count() == 0) return;
        if (list.Count() < needed) list.InsertRange(list.Count(), needed - list.Count(), 0);
        const int value = list.Items(a);
        list.SetItems(a, list.Items(b));
        list.SetItems(b, value);
    };
    exchange(*FModifiedRows, ARow1, ARow2);
    exchange(*FEnabledRows, ARow1, ARow2);
    const int s1 = RowSelectIndex(ARow1);
    const int s2 = RowSelectIndex(ARow2);
    if (!FRowSelect.empty()) {
        const std::size_t needed = std::size_t(std::max(s1, s2)) + 1;
        if (FRowSelect.size() < needed) FRowSelect.resize(needed, false);
        const bool flag = FRowSelect[std::size_t(s1)];
        FRowSelect[std::size_t(s1)] = FRowSelect[std::size_t(s2)];
        FRowSelect[std::size_t(s2)] = flag;
    }
}

void TExStringGrid::MoveRows(int FromIndex, int ToIndex, int Count) {
    if (FromIndex == ToIndex || Count <= 0 || FromIndex < 0 || ToIndex < 0) return;
    Count = std::min(Count, RowCount() - FromIndex);
    if (Count <= 0) return;
    // The target counted without the moved rows.
    if (FromIndex + Count < ToIndex) ToIndex -= Count;
    ToIndex = std::min(ToIndex, RowCount() - Count);
    if (ToIndex == FromIndex) return;
    std::vector<int> heights;
    heights.reserve(std::size_t(RowCount()));
    for (int r = 0; r < RowCount(); ++r) heights.push_back(RowHeights(r));

    // Empty rows are inserted where the moved ones go, the moved rows exchanged into
    // them (pointers, side-list entries and cell controls), and the emptied originals
    // removed: insertion and removal renumber the held-out rows, so each comes back
    // between the same neighbours.
    const int insertAt = ToIndex < FromIndex ? ToIndex : ToIndex + Count;
    const int source = ToIndex < FromIndex ? FromIndex + Count : FromIndex;
    BeginUpdate();
    InsertRows(insertAt, Count, true);
    const int oldRow = Row();
    for (int i = 0; i < Count; ++i) {
        TStringGrid::SwapRows(source + i, insertAt + i);
        ExchangeRowEntries(source + i, insertAt + i);
    }
    const int realSource = RealRowIndex(source);
    const int realTarget = RealRowIndex(insertAt);
    RenumberCellControls([&](int, int Y) {
        if (Y >= realSource && Y < realSource + Count) return TGridCoord{-1, Y - realSource + realTarget};
        return TGridCoord{-1, Y};
    });
    RemoveRowsEx(source, Count);
    // The current row goes with its row when it was one of the moved ones.
    if (oldRow >= source && oldRow < source + Count) TStringGrid::SetRow(ToIndex + oldRow - source);
    for (int r = 0; r < RowCount() && r < int(heights.size()); ++r)
        if (const int h = heights[std::size_t(r)]; RowHeights(r) != h) SetRowHeights(r, h);
    EndUpdate();
}

void TExStringGrid::MoveRow(int FromIndex, int ToIndex) {
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= RowCount() || ToIndex >= RowCount())
        return;
    // A first-style floating footer stays the last row.
    if (FFloatingFooter->Visible && ToIndex == RowCount() - 1) return;
    const int realFrom = RealRowIndex(FromIndex);
    const int realTo = RealRowIndex(ToIndex);
    TStringGrid::MoveRow(FromIndex, ToIndex);
    RenumberCellControls([&](int, int Y) {
        if (Y == realFrom) return TGridCoord{-1, realTo};
        if (realTo < realFrom && Y >= realTo && Y < realFrom) return TGridCoord{-1, Y + 1};
        if (realTo > realFrom && Y > realFrom && Y <= realTo) return TGridCoord{-1, Y - 1};
        return TGridCoord{-1, Y};
    });
}

void TExStringGrid::SwapRows(int ARow1, int ARow2) {
    if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount()) return;
    const int h1 = RowHeights(ARow1);
    const int h2 = RowHeights(ARow2);
    TStringGrid::SwapRows(ARow1, ARow2);
    SetRowHeights(ARow1, h2);
    SetRowHeights(ARow2, h1);
    ExchangeRowEntries(ARow1, ARow2);
    const int real1 = RealRowIndex(ARow1);
    const int real2 = RealRowIndex(ARow2);
    RenumberCellControls([&](int, int Y) { return TGridCoord{-1, Y == real1 ? real2 : Y == real2 ? real1 : Y}; });
}

void TExStringGrid::SortSwapRows(int ARow1, int ARow2) {
    if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount()) return;
    ++FSwapCount;
    if (ARow1 < FSortRowXRef->Count() && ARow2 < FSortRowXRef->Count()) {
        const int value = FSortRowXRef->Items(ARow1);
        FSortRowXRef->SetItems(ARow1, FSortRowXRef->Items(ARow2));
        FSortRowXRef->SetItems(ARow2, value);
    }
    if (FSortSettings->SingleColumn) {
        SwapCells({FSortSettings->Column, ARow1}, {FSortSettings->Column, ARow2});
        return;
    }
    const int h1 = RowHeights(ARow1);
    const int h2 = RowHeights(ARow2);
    TStringGrid::SwapRows(ARow1, ARow2);
    if (h1 != h2) {
        SetRowHeights(ARow1, h2);
        SetRowHeights(ARow2, h1);
    }
    ExchangeRowEntries(ARow1, ARow2);
}

// ---- columns -----------------------------------------------------------------------------

void TExStringGrid::SwapColumns(int ACol1, int ACol2) {
    if (ACol1 == ACol2 || ACol1 < 0 || ACol2 < 0 || ACol1 >= TotalColCount() || ACol2 >= TotalColCount()) return;
    HideEditor();
    if (FMergeCount > 0) {
        LinesMoving(false, ACol1, ACol1, false);
        LinesMoving(false, ACol2, ACol2, false);
    }
    const int rows = std::max(RowCount(), CellStore().RowSlots());
    for (int r = 0; r < rows; ++r) SwapCells({ACol1, r}, {ACol2, r});
    for (int p = 0; p < FHiddenRows->Count(); ++p) {
        TGridItem& item = FHiddenRows->Item(p);
        const QString text = item.Cells(RealCol(ACol1));
        TObject* object = item.Objects(RealCol(ACol1));
        item.SetCells(RealCol(ACol1), item.Cells(RealCol(ACol2)));
        item.SetObjects(RealCol(ACol1), item.Objects(RealCol(ACol2)));
        item.SetCells(RealCol(ACol2), text);
        item.SetObjects(RealCol(ACol2), object);
    }
    const int w1 = AllColWidths(ACol1);
    const int w2 = AllColWidths(ACol2);
    SetAllColWidths(ACol1, w2);
    SetAllColWidths(ACol2, w1);
    if (FSortSettings->Column == ACol1)
        FSortSettings->Column = ACol2;
    else if (FSortSettings->Column == ACol2)
        FSortSettings->Column = ACol1;
    RenumberCellControls([&](int X, int Y) { return TGridCoord{X == ACol1 ? ACol2 : X == ACol2 ? ACol1 : X, Y}; });
    StructureChanged();
    InvalidateGrid();
}

void TExStringGrid::MoveColumn(int FromIndex, int ToIndex) {
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= ColCount() || ToIndex >= ColCount())
        return;
    if (FColumnOrder->Count() == 0) SetColumnOrder();
    // The column-moved notice moves its cells and the recorded order with it.
    TStringGrid::MoveColumn(FromIndex, ToIndex);
    RenumberCellControls([&](int X, int Y) {
        if (X == FromIndex) return TGridCoord{ToIndex, Y};
        if (ToIndex < FromIndex && X >= ToIndex && X < FromIndex) return TGridCoord{X + 1, Y};
        if (ToIndex > FromIndex && X > FromIndex && X <= ToIndex) return TGridCoord{X - 1, Y};
        return TGridCoord{X, Y};
    });
}

void TExStringGrid::SetColumnOrder() {
    FColumnOrder->Clear();
    for (int c = 0; c < ColCount(); ++c) FColumnOrder->Add(c);
}

void TExStringGrid::ResetColumnOrder() {
    UnHideColumnsAll();
    if (FColumnOrder->Count() == 0) {
        SetColumnOrder();
        return;
    }
    // Each pass puts columns back towards their recorded place; an order that is no
    // permutation of the positions is left as far as it got once a pass moves nothing.
    for (int pass = 0; pass <= FColumnOrder->Count(); ++pass) {
        bool moved = false;
        for (int i = 0; i < FColumnOrder->Count() && i < ColCount(); ++i) {
            const int target = FColumnOrder->Items(i);
            if (target < i && target >= 0) {
                MoveColumn(i, target);
                moved = true;
            }
        }
        if (!moved) break;
    }
}

int TExStringGrid::ColumnPosition(int ACol) const {
    int position = ACol;
    if (const int index = FColumnOrder->IndexOf(ACol); index >= 0) position = index;
    if (FGroupColumn >= 0 && ACol >= FGroupColumn) --position;
    return position;
}

int TExStringGrid::ColumnAtPosition(int ACol) {
    if (FColumnOrder->Count() == 0) SetColumnOrder();
    if (ACol < 0 || ACol >= FColumnOrder->Count()) return ACol;
    int column = FColumnOrder->Items(ACol);
    if (FGroupColumn >= 0 && column >= FGroupColumn) ++column;
    return column;
}

int TExStringGrid::ColumnByHeader(const QString& AValue) const {
    for (int c = 0; c < TotalColCount(); ++c)
        if (AllCells(c, 0) == AValue) return c;
    return -1;
}

// ---- view position and current row --------------------------------------------------------

void TExStringGrid::SetRow(int Value) {
    if (FOldRowSel < 0) FOldRowSel = Row();  // nothing reported yet: the row it had
    if (Col() < 0 || Col() >= ColCount()) MoveColRow(TStringGrid::FixedCols(), Value, true, false);
    TStringGrid::SetRow(Value);
    if (Row() != FOldRowSel && OnRowUpdate) {
        const int old = FOldRowSel;
        FOldRowSel = Row();
        OnRowUpdate(this, old, Row());
    }
    if (FMouseActions->DisjunctRowSelect()) SelectionToRowSelect(false);
    if (TExStringGrid* partner = FSyncGrid->Grid(); partner && FSyncGrid->SelectionRow() && partner->Row() != Row())
        partner->SetRow(Row());
}

void TExStringGrid::SetTopRow(int Value) {
    if (Value < TStringGrid::FixedRows() || Value > RowCount() - 1) return;
    TStringGrid::SetTopRow(Value);
}

void TExStringGrid::ScrollInView(int ColIndex, int RowIndex) {
    if (ColIndex >= ColCount() || RowIndex >= RowCount()) return;
    int left = LeftCol();
    int top = TopRow();
    const int visibleCols = VisibleColCount();
    const int visibleRows = VisibleRowCount();
    if (ColIndex < LeftCol() || ColIndex >= LeftCol() + visibleCols) {
        SetCol(ColIndex);
        left = std::max(TStringGrid::FixedCols(), ColIndex - visibleCols / 2);
    }
    if (RowIndex < TopRow() || RowIndex >= TopRow() + visibleRows) {
        SetRow(RowIndex);
        top = std::max(TStringGrid::FixedRows(), RowIndex - visibleRows / 2);
    }
    left = std::min(left, ColCount() - visibleCols + 1);
    if (TStringGrid::FixedCols() + visibleCols < ColCount()) SetLeftCol(left);
    top = std::min(top, RowCount() - visibleRows + 1);
    if (TStringGrid::FixedRows() + visibleRows >= RowCount()) return;
    SetTopRow(top);
}

// ---- selection -----------------------------------------------------------------------------

void TExStringGrid::UpdateEditMode() { SelectCell(Col(), Row()); }

void TExStringGrid::HideSelection() {
    FOldSelection = Selection();
    SetSelection({ColCount(), RowCount(), ColCount(), RowCount()});
    FSelHidden = true;
}

void TExStringGrid::UnHideSelection() {
    FSelHidden = false;
    if (FOldSelection.Top < RowCount() && FOldSelection.Left < ColCount() && FOldSelection.Top >= 0 &&
        FOldSelection.Left >= 0) {
        SetSelection(FOldSelection);
        return;
    }
    const int top = FFixedRowAlways && TStringGrid::FixedRows() >= RowCount() ? 0 : TStringGrid::FixedRows();
    const int left = FFixedColAlways && TStringGrid::FixedCols() >= ColCount() ? 0 : TStringGrid::FixedCols();
    SetSelection({left, top, left, top});
}

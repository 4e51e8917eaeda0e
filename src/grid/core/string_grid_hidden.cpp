// Hidden columns and held-out rows of the string grid, and the mapping between real and
// displayed indexes.
//
// Columns: a hidden column keeps its cells at its real index; only its width leaves the
// displayed widths (kept in FColumnMap until it is shown again) and ColCount drops by
// one. Rows: a held-out row leaves the cell store whole (one pointer, every real column
// with its objects) into FHiddenRows with its real index and height, and comes back to
// the place its real index gives. Every operation on a list of rows takes them out or
// puts them back in one pass over the grid.

#include "grid/core/column_display_map.h"
#include "grid/core/hidden_row_store.h"
#include "grid/core/string_grid.h"

#include <algorithm>

namespace {

// The level of rows held out by the hiding operations rather than by a filter.
constexpr int NoFilterLevel = -1;

}  // namespace

// ---- mapping -----------------------------------------------------------------------

int TExStringGrid::DisplColIndex(int ACol) const { return FColumnMap->DisplIndex(RealCol(ACol)).v; }

int TExStringGrid::RealColIndex(int ACol) const { return FColumnMap->RealIndex(DisplCol(ACol)).v; }

int TExStringGrid::TotalColCount() const { return ColCount() + FColumnMap->NumHidden(); }

bool TExStringGrid::IsHiddenColumn(int ColIndex) const { return FColumnMap->IsHidden(RealCol(ColIndex)); }

int TExStringGrid::RealRowIndex(int ARow) const { return FHiddenRows->RealIndex(DisplRow(ARow)).v; }

int TExStringGrid::DisplRowIndex(int ARow) const { return FHiddenRows->DisplIndex(RealRow(ARow)).v; }

bool TExStringGrid::IsHiddenRow(int Rowindex) const { return FHiddenRows->Contains(RealRow(Rowindex)); }

int TExStringGrid::NumHiddenRows() const { return FHiddenRows->Count(); }

// ---- columns -----------------------------------------------------------------------

void TExStringGrid::HideColumn(int ColIndex) { HideColumns(ColIndex, ColIndex); }

void TExStringGrid::UnHideColumn(int ColIndex) { UnHideColumns(ColIndex, ColIndex); }

void TExStringGrid::HideColumns(int FromCol, int ToCol) {
    HideEditor();  // the editor stores its text into the cell it was over
    const int last = std::min({ToCol, TotalColCount() - 1, TColumnDisplayMap::HideableColumns - 1});
    bool hidden = false;
    for (int c = std::max(0, FromCol); c <= last && ColCount() > 1; ++c) {
        if (IsHiddenColumn(c)) continue;
        const int width = TakeColumnLine(DisplColIndex(c));
        FColumnMap->Hide(RealCol(c), width);
        hidden = true;
    }
    if (hidden) InvalidateGrid();
}

void TExStringGrid::UnHideColumns(int FromCol, int ToCol) {
    HideEditor();  // the editor stores its text into the cell it was over
    const int last = std::min(ToCol, TColumnDisplayMap::HideableColumns - 1);
    bool shown = false;
    for (int c = std::max(0, FromCol); c <= last; ++c) {
        if (!FColumnMap->Show(RealCol(c))) continue;
        PutColumnLine(DisplColIndex(c), FColumnMap->KeptWidth(RealCol(c)));
        shown = true;
    }
    if (shown) InvalidateGrid();
}

void TExStringGrid::UnHideColumnsAll() { UnHideColumns(0, ColCount() + NumHiddenColumns()); }

int TExStringGrid::AllColWidths(int i) const {
    if (i < 0) return 0;
    if (IsHiddenColumn(i)) return FColumnMap->KeptWidth(RealCol(i));
    return ColWidths(DisplColIndex(i));
}

void TExStringGrid::SetAllColWidths(int i, int Value) {
    if (i < 0) return;
    FColumnMap->SetKeptWidth(RealCol(i), Value);
    if (!IsHiddenColumn(i)) SetColWidths(DisplColIndex(i), Value);
}

// ---- rows: taking out and putting back -----------------------------------------------

void TExStringGrid::HoldRowsOut(std::vector<int> DisplayedRows, int Level) {
    // A grid keeps one displayed row, as it keeps one displayed column.
    if (int(DisplayedRows.size()) >= RowCount()) DisplayedRows.resize(std::size_t(std::max(0, RowCount() - 1)));
    if (DisplayedRows.empty()) return;
    std::vector<RealRow> realRows;
    realRows.reserve(DisplayedRows.size());
    // Walks the held-out rows once beside the ascending list.
    int below = 0;
    for (int displayed : DisplayedRows) {
        while (below < FHiddenRows->Count() &&
               FHiddenRows->Item(below).Idx() - below <= displayed)
            ++below;
        realRows.push_back(RealRow(displayed + below));
    }
    TRowBlock block = TakeRowsOut(DisplayedRows);
    std::vector<TGridItem> items;
    items.reserve(DisplayedRows.size());
    for (std::size_t i = 0; i < DisplayedRows.size(); ++i)
        items.emplace_back(realRows[i], block.Heights[i], Level, std::move(block.Cells[i]));
    FHiddenRows->Add(std::move(items));
    DoCellsChanged(TRect{0, DisplayedRows.front(), ColCount() - 1, RowCount() - 1});
}

void TExStringGrid::ShowHeldOutRows(std::vector<TGridItem> Items) {
    if (Items.empty()) return;
    std::vector<int> positions;
    positions.reserve(Items.size());
    TRowBlock block;
    block.Cells.reserve(Items.size());
    block.Heights.reserve(Items.size());
    const int displayedBefore = RowCount();
    for (TGridItem& item : Items) {
        // Its place among the rows shown once it is back; a real index beyond the grid
        // (rows removed meanwhile) puts it after the last row, so no row is lost.
        int position = item.Idx() - FHiddenRows->CountBelow(RealRow(item.Idx()));
        position = std::min(position, displayedBefore + int(positions.size()));
        if (!positions.empty()) position = std::max(position, positions.back() + 1);
        positions.push_back(position);
        block.Heights.push_back(item.Height());
        block.Cells.push_back(item.TakeCells());
    }
    const int first = positions.front();
    TStringGrid::PutRowsBack(positions, std::move(block));
    DoCellsChanged(TRect{0, first, ColCount() - 1, RowCount() - 1});
}

// ---- rows: operations --------------------------------------------------------------

void TExStringGrid::HideRow(int Rowindex) { HideRows(Rowindex, Rowindex); }

void TExStringGrid::HideRows(int FromRow, int ToRow) {
    const int first = std::max(0, FromRow);
    const int last = std::min(ToRow, TotalRowCount() - 1);
    if (last < first) return;
    std::vector<int> displayed;
    int next = DisplRowIndex(first);
    for (int r = first; r <= last; ++r)
        if (!IsHiddenRow(r)) displayed.push_back(next++);
    HoldRowsOut(std::move(displayed), NoFilterLevel);
}

void TExStringGrid::HideRowsEx(int FromRow, int ToRow) {
    if (FromRow < 0 || FromRow >= TotalRowCount() || ToRow < FromRow || IsHiddenRow(FromRow)) return;
    // The rows shown from FromRow on, as many as the range is long.
    const int first = DisplRowIndex(FromRow);
    const int last = int(std::min<long long>(first + (long long)(ToRow - FromRow), RowCount() - 1));
    std::vector<int> displayed;
    for (int d = first; d <= last; ++d) displayed.push_back(d);
    HoldRowsOut(std::move(displayed), NoFilterLevel);
}

void TExStringGrid::HideRowList(const TIntList& RowList) {
    std::vector<int> displayed;
    displayed.reserve(std::size_t(RowList.Count()));
    for (int i = 0; i < RowList.Count(); ++i) {
        const int row = RowList.Items(i);
        if (row >= 0 && row < RowCount()) displayed.push_back(row);
    }
    // The list is meant ascending and without repeats; any other order hides the same rows.
    if (!std::is_sorted(displayed.begin(), displayed.end())) std::sort(displayed.begin(), displayed.end());
    displayed.erase(std::unique(displayed.begin(), displayed.end()), displayed.end());
    HoldRowsOut(std::move(displayed), FFilterLevel);
    ++FFilterLevel;
}

void TExStringGrid::UnHideRow(int Rowindex) { UnHideRows(Rowindex, Rowindex); }

void TExStringGrid::UnHideRows(int FromRow, int ToRow) {
    if (!IsHiddenRow(FromRow)) return;
    ShowHeldOutRows(FHiddenRows->Take(RealRow(FromRow), RealRow(ToRow)));
}

void TExStringGrid::UnHideRowsAll() { ShowHeldOutRows(FHiddenRows->TakeAll()); }

void TExStringGrid::UnHideRowList() {
    if (FFilterLevel <= 0) return;
    ShowHeldOutRows(FHiddenRows->TakeLevel(FFilterLevel - 1));
}

void TExStringGrid::HideSelectedRows() { HoldRowsOut(RowsBySelection(true), NoFilterLevel); }

void TExStringGrid::HideUnSelectedRows() { HoldRowsOut(RowsBySelection(false), NoFilterLevel); }

std::vector<int> TExStringGrid::RowsBySelection(bool Selected) {
    const bool persistent = MouseActions()->RowSelectPersistent();
    std::vector<int> rows;
    for (int row = FixedRows(); row < RowCount(); ++row)
        if (GetRowSelect(persistent ? RealRowIndex(row) : row) == Selected) rows.push_back(row);
    return rows;
}

// ---- cells by real row ---------------------------------------------------------------
// A negative index reads empty and writes nothing; a held-out row answers from its store.

QString TExStringGrid::AllCells(int i, int j) const {
    if (i < 0 || j < 0) return QString();
    if (const TGridItem* item = FHiddenRows->Find(RealRow(j))) return item->Cells(RealCol(i));
    return Cells(i, DisplRowIndex(j));
}

void TExStringGrid::SetAllCells(int i, int j, const QString& Value) {
    if (i < 0 || j < 0) return;
    if (TGridItem* item = FHiddenRows->Find(RealRow(j)))
        item->SetCells(RealCol(i), Value);
    else
        SetCells(i, DisplRowIndex(j), Value);
}

QString TExStringGrid::AllGridCells(int i, int j) const {
    if (i < 0 || j < 0) return QString();
    if (const TGridItem* item = FHiddenRows->Find(RealRow(j))) return item->Cells(RealCol(i));
    return GridCells(i, DisplRowIndex(j));
}

void TExStringGrid::SetAllGridCells(int i, int j, const QString& Value) {
    if (i < 0 || j < 0) return;
    if (TGridItem* item = FHiddenRows->Find(RealRow(j)))
        item->SetCells(RealCol(i), Value);
    else
        SetGridCell(i, DisplRowIndex(j), Value);
}

TObject* TExStringGrid::GetAllGridObject(int i, int j) const {
    if (i < 0 || j < 0) return nullptr;
    if (const TGridItem* item = FHiddenRows->Find(RealRow(j))) return item->Objects(RealCol(i));
    return GridObjects(i, DisplRowIndex(j));
}

TObject* TExStringGrid::AllObjects(int i, int j) const {
    if (i < 0 || j < 0) return nullptr;
    if (const TGridItem* item = FHiddenRows->Find(RealRow(j))) return item->Objects(RealCol(i));
    return Objects(i, DisplRowIndex(j));
}

void TExStringGrid::SetAllObjects(int i, int j, TObject* Value) {
    if (i < 0 || j < 0) return;
    if (TGridItem* item = FHiddenRows->Find(RealRow(j)))
        item->SetObjects(RealCol(i), Value);
    else
        SetObjects(i, DisplRowIndex(j), Value);
}

QString TExStringGrid::AllWideCells(int i, int j) const { return AllCells(i, j); }

void TExStringGrid::SetAllWideCells(int i, int j, const QString& Value) { SetAllCells(i, j, Value); }

// ---- the stores ----------------------------------------------------------------------

std::unique_ptr<THiddenRowStore, void (*)(THiddenRowStore*)> TExStringGrid::MakeHiddenRowStore() {
    return {new THiddenRowStore, [](THiddenRowStore* store) { delete store; }};
}

std::unique_ptr<TColumnDisplayMap, void (*)(TColumnDisplayMap*)> TExStringGrid::MakeColumnDisplayMap() {
    return {new TColumnDisplayMap, [](TColumnDisplayMap* map) { delete map; }};
}

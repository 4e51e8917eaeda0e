// Sorting the data rows: the entry points (QSort, QSortIndexed, the grouped forms,
// QUnSort, the range sorts and SortLine), the frame they share, and applying an order.
//
// A sort computes the new order first (a stable merge sort over row numbers or over keys
// prepared once per row, comparing through TRowSortKeys) and then swaps rows into place cycle by cycle through
// SortSwapRows, at most one swap per row, so whole rows move, hidden columns included,
// and the cross-reference, heights, flags and the tracked row follow. Nothing is copied
// into spare rows and the column count never changes.
//
// The data rows are those between the fixed rows and the footer rows (FixedFooters, and
// a floating footer drawn as the last row).

#include "grid/core/string_grid.h"
#include "grid/data/row_sort_keys.h"
#include "grid/data/stable_merge_sort.h"

#include <algorithm>
#include <numeric>

int TExStringGrid::FirstSortRow() const { return TStringGrid::FixedRows(); }

int TExStringGrid::LastSortRow() const {
    int last = RowCount() - 1 - FFixedFooters;
    if (FFloatingFooter->Visible && FFloatingFooter->FooterStyle == fsFixedLastRow && FFixedFooters == 0) --last;
    return last;
}

void TExStringGrid::InitSortXRef() {
    FSortRowXRef->Clear();
    FSortRowXRef->InsertRange(0, RowCount(), 0);
    for (int r = 0; r < RowCount(); ++r) FSortRowXRef->SetItems(r, r);
}

void TExStringGrid::ApplyRowOrder(int First, const std::vector<int>& Order) {
    // position[row] = where that row stands now; rowAt[p] = the row standing at p.
    std::vector<int> rowAt(Order.size());
    std::iota(rowAt.begin(), rowAt.end(), First);
    std::vector<int> position(Order.size());
    std::iota(position.begin(), position.end(), First);
    const int last = First + int(Order.size()) - 1;
    if (FSortTrackedRow >= First && FSortTrackedRow <= last) {
        for (std::size_t target = 0; target < Order.size(); ++target)
            if (Order[target] == FSortTrackedRow) {
                FSortTrackedRow = First + int(target);
                break;
            }
    }
    for (std::size_t target = 0; target < Order.size(); ++target) {
        const int wanted = Order[target];
        const int from = position[std::size_t(wanted - First)];
        const int to = First + int(target);
        if (from == to) continue;
        SortSwapRows(to, from);
        const int displaced = rowAt[target];
        rowAt[std::size_t(from - First)] = displaced;
        position[std::size_t(displaced - First)] = from;
        rowAt[target] = wanted;
        position[std::size_t(wanted - First)] = to;
    }
}

std::vector<int> TExStringGrid::SortRowRange(int First, int Last, bool Indexed) {
    First = std::max(First, 0);
    Last = std::min(Last, RowCount() - 1);
    if (Last <= First) return {};
    TRowSortKeys keys(*this);
    std::vector<int> order;
    if (Indexed) {
        order.resize(std::size_t(Last - First + 1));
        std::iota(order.begin(), order.end(), First);
        StableMergeSort(order, [&](int a, int b) { return keys.CompareRowsIndexed(0, a, b) < 0; });
    } else {
        FSortDirectionSign = FSortSettings->Direction == sdDescending ? -1 : 1;
        order = keys.SortedRows(FSortSettings->Column, First, Last, FSortDirectionSign);
    }
    ApplyRowOrder(First, order);
    return order;
}

void TExStringGrid::SortGroups(bool Indexed) {
    const int first = FirstSortRow();
    const int last = LastSortRow();
    int deepest = -1;
    for (int r = first; r <= last; ++r)
        if (IsNode(r)) deepest = std::max(deepest, GetNodeLevel(r));
    if (deepest < 0) return;
    for (int r = first; r <= last; ++r) {
        if (!IsNode(r) || GetNodeLevel(r) != deepest || GetNodeState(r)) continue;
        const int span = GetNodeSpan(r);
        if (span < 3) continue;
        SortRowRange(r + 1, std::min(r + span - 1, last), Indexed);
    }
}

void TExStringGrid::RunSortFrame(const std::function<void()>& SortWork, bool SetRowAfter) {
    if (FSortRowXRef->Count() != RowCount()) InitSortXRef();
    const bool keepColumnZero = FSortSettings->NormalCellsOnly && TStringGrid::FixedCols() > 0;
    QStringList columnZero;
    if (keepColumnZero)
        for (int r = 0; r < RowCount(); ++r) columnZero << GridCells(0, r);
    const int topRow = TopRow();
    const int oldRow = Row();
    FSortTrackedRow = oldRow;
    BeginUpdate();
    struct Restore {
        TExStringGrid& Grid;
        const QStringList& ColumnZero;
        bool KeepColumnZero;
        int TopRow;
        ~Restore() {
            if (KeepColumnZero)
                for (int r = 0; r < ColumnZero.size() && r < Grid.RowCount(); ++r) Grid.SetGridCell(0, r, ColumnZero[r]);
            if (Grid.Navigation()->KeepScrollOnSort()) Grid.SetTopRow(TopRow);
            Grid.FSortTrackedRow = -1;
            Grid.EndUpdate();
        }
    } restore{*this, columnZero, keepColumnZero, topRow};
    SortWork();
    if (SetRowAfter) SetRow(FNavigation->MoveRowOnSort() ? FSortTrackedRow : oldRow);
}

void TExStringGrid::QSort() {
    if (FSortSettings->Column < 0) return;
    FSortIndexes->Clear();
    const int oldRow = Row();
    RunSortFrame([this] { SortRowRange(FirstSortRow(), LastSortRow(), false); },
                 !FMouseActions->DisjunctRowSelect());
    if (OnRowUpdate && !FNavigation->MoveRowOnSort()) OnRowUpdate(this, oldRow, Row());
}

void TExStringGrid::QSortIndexed() {
    if (FSortIndexes->Count() == 0) throw EExGridError(QStringLiteral("No indexes specified for indexed sort"));
    RunSortFrame([this] { SortRowRange(FirstSortRow(), LastSortRow(), true); }, true);
}

void TExStringGrid::QSortGroup() {
    if (FSortSettings->Column < 0) return;
    RunSortFrame([this] { SortGroups(false); }, true);
}

void TExStringGrid::QSortGroupIndexed() {
    if (FSortIndexes->Count() == 0) throw EExGridError(QStringLiteral("No indexes specified for indexed sort"));
    RunSortFrame([this] { SortGroups(true); }, true);
}

void TExStringGrid::Sort(int Column, TSortDirection Direction) {
    FSortSettings->Column = Column;
    FSortSettings->Direction = Direction;
    QSort();
}

void TExStringGrid::SortByColumn(int Col) {
    if (RowCount() < 2) return;
    FSortSettings->Column = Col;
    QSort();
}

void TExStringGrid::QuickSort(int Col, int Left, int Right) {
    const int saved = FSortSettings->Column;
    FSortSettings->Column = Col;
    SortRowRange(Left, Right, false);
    FSortSettings->Column = saved;
}

void TExStringGrid::QuickSortIndexed(int Left, int Right) {
    if (FSortIndexes->Count() == 0) return;
    SortRowRange(Left, Right, true);
}

int TExStringGrid::CompareRows(int ACol, int ARow1, int ARow2, TSortDirection Direction) {
    TRowSortKeys keys(*this);
    return keys.CompareRows(ACol, ARow1, ARow2, Direction);
}

bool TExStringGrid::SortLine(int Col, int ARow1, int ARow2) {
    TRowSortKeys keys(*this);
    const int last = AllColCount() - 1;
    for (int col = std::max(Col, 0); col <= last; ++col) {
        const int result = keys.CompareRows(col, ARow1, ARow2, FSortSettings->Direction);
        if (result != 0 && result == FSortDirectionSign) {
            SortSwapRows(ARow1, ARow2);
            return true;
        }
        if (result != 0) return false;
    }
    return false;
}

void TExStringGrid::QUnSort() {
    // Only a cross-reference of this grid's rows can be undone.
    if (FSortRowXRef->Count() != RowCount()) return;
    const int count = FSortRowXRef->Count();
    std::vector<int> order(std::size_t(count), -1);
    for (int p = 0; p < count; ++p) {
        const int original = FSortRowXRef->Items(p);
        if (original < 0 || original >= count || order[std::size_t(original)] >= 0) return;
        order[std::size_t(original)] = p;
    }
    RunSortFrame([&] { ApplyRowOrder(0, order); }, false);
}

// Sorting the data rows: stable sorts by cell text (numbers by value), by one column (SortSettings) or by
// several (SortIndexes), and the undo through the row cross-reference. A sort computes
// the new order first and then swaps rows into place (SortSwapRows), so the cross-
// reference, row flags and heights follow every row; no more swaps than rows.
//
// The data rows are those between the fixed rows and the footer rows (FixedFooters, and
// a floating footer drawn as the last row). The grouped forms keep every node row in
// place and sort the rows between node rows, so each node keeps its rows.

#include "grid/core/string_grid.h"

#include <algorithm>
#include <numeric>

namespace {

// Sort keys: (real column, descending).
using SortKeys = std::vector<std::pair<int, bool>>;

SortKeys KeysOfIndexes(const TSortIndexList& Indexes) {
    SortKeys keys;
    for (int i = 0; i < Indexes.Count(); ++i) keys.emplace_back(Indexes.SortColumns(i), Indexes.SortDirections(i));
    return keys;
}

// A cell's text as a sort key: numbers compare by value, other texts without case;
// a number sorts before a text.
struct CellSortKey {
    bool IsNumber = false;
    double Number = 0;
    QString Text;
};

CellSortKey SortKeyOf(const QString& text) {
    CellSortKey key;
    key.Number = text.trimmed().toDouble(&key.IsNumber);
    if (!key.IsNumber) key.Text = text;
    return key;
}

int CompareSortKeys(const CellSortKey& a, const CellSortKey& b) {
    if (a.IsNumber && b.IsNumber) return a.Number < b.Number ? -1 : a.Number > b.Number ? 1 : 0;
    if (a.IsNumber != b.IsNumber) return a.IsNumber ? -1 : 1;
    return QString::compare(a.Text, b.Text, Qt::CaseInsensitive);
}

}  // namespace

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

void TExStringGrid::SortRowRange(int First, int Last, const SortKeys& Keys) {
    if (Last <= First || Keys.empty()) return;
    std::vector<int> order(std::size_t(Last - First + 1));
    std::iota(order.begin(), order.end(), First);
    // The texts are read once: comparisons then touch no cells.
    std::vector<std::vector<CellSortKey>> texts;
    for (const auto& key : Keys) {
        std::vector<CellSortKey> column;
        column.reserve(order.size());
        for (int r = First; r <= Last; ++r) column.push_back(SortKeyOf(Cells(key.first, r)));
        texts.push_back(std::move(column));
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        for (std::size_t k = 0; k < Keys.size(); ++k) {
            const int c = CompareSortKeys(texts[k][std::size_t(a - First)], texts[k][std::size_t(b - First)]);
            if (c != 0) return Keys[k].second ? c > 0 : c < 0;
        }
        return false;
    });
    ApplyRowOrder(First, order);
}

void TExStringGrid::SortGroups(const SortKeys& Keys) {
    int start = FirstSortRow();
    const int last = LastSortRow();
    for (int r = start; r <= last + 1; ++r) {
        if (r <= last && !IsNode(r)) continue;
        SortRowRange(start, r - 1, Keys);
        start = r + 1;
    }
}

void TExStringGrid::QSort() {
    if (FSortSettings->Column < 0) return;
    if (FSortRowXRef->Count() != RowCount()) InitSortXRef();
    BeginUpdate();
    SortRowRange(FirstSortRow(), LastSortRow(), {{FSortSettings->Column, FSortSettings->Direction == sdDescending}});
    EndUpdate();
}

void TExStringGrid::QSortGroup() {
    if (FSortSettings->Column < 0) return;
    if (FSortRowXRef->Count() != RowCount()) InitSortXRef();
    BeginUpdate();
    SortGroups({{FSortSettings->Column, FSortSettings->Direction == sdDescending}});
    EndUpdate();
}

void TExStringGrid::QSortIndexed() {
    if (FSortRowXRef->Count() != RowCount()) InitSortXRef();
    BeginUpdate();
    SortRowRange(FirstSortRow(), LastSortRow(), KeysOfIndexes(*FSortIndexes));
    EndUpdate();
}

void TExStringGrid::QSortGroupIndexed() {
    if (FSortRowXRef->Count() != RowCount()) InitSortXRef();
    BeginUpdate();
    SortGroups(KeysOfIndexes(*FSortIndexes));
    EndUpdate();
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
    BeginUpdate();
    ApplyRowOrder(0, order);
    EndUpdate();
}

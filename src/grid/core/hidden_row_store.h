#pragma once
// The rows a grid holds out of view (hidden or filtered out). A held-out row is the
// grid's own stored row, moved out whole: its cells over every real column, hidden
// columns included, with their objects, plus its real index, its height and the filter
// level that held it out. The rows are kept ordered by real index in one array, so the
// questions the grid asks on every cell access (is this row held out, how many are held
// out below it, which real row does a displayed row stand for) are binary searches, and
// lists of rows come and go in one merge pass. A caller that maps many rows between two
// changes (painting, a filter, a walk over all rows) soon gets both mappings from tables
// built once for that state, one array read each.
//
// Ownership: a held-out row keeps the object references of its cells; the grid that
// owns those objects frees them with everything else it owns, held out or not. Showing
// the row hands the references back unchanged.

#include "grid/core/grid_index.h"
#include "platform/grid_cell_store.h"

#include <QString>
#include <vector>

// One held-out row. Its cells are read and written by real column.
class TGridItem {
public:
    TGridItem() = default;
    TGridItem(RealRow AIdx, int AHeight, int ALevel, TGridCellStore::TRowHandle ACells);

    int Idx() const { return FIdx; }
    int Height() const { return FHeight; }
    void SetHeight(int value) { FHeight = value; }
    int Level() const { return FLevel; }

    QString Cells(RealCol ACol) const;
    void SetCells(RealCol ACol, const QString& value);
    TObject* Objects(RealCol ACol) const;
    void SetObjects(RealCol ACol, TObject* value);
    // Empties the texts; the object references stay.
    void ClearTexts();

    // The stored row, handed back to the grid when the row is shown.
    TGridCellStore::TRowHandle TakeCells() { return std::move(FCells); }

private:
    friend class THiddenRowStore;
    int FIdx = 0;
    int FHeight = 0;
    int FLevel = 0;
    TGridCellStore::TRowHandle FCells;
};

class THiddenRowStore {
public:
    int Count() const { return int(FItems.size()); }
    bool IsEmpty() const { return FItems.empty(); }
    bool Contains(RealRow ARow) const;
    const TGridItem* Find(RealRow ARow) const;
    TGridItem* Find(RealRow ARow);
    // The held-out rows in order of real index.
    const TGridItem& Item(int position) const { return FItems[std::size_t(position)]; }
    TGridItem& Item(int position) { return FItems[std::size_t(position)]; }

    // Held-out rows with a real index below ARow, and within [From, To].
    int CountBelow(RealRow ARow) const;
    int CountIn(RealRow From, RealRow To) const;
    // The displayed index a shown real row has: ARow minus the rows held out below it.
    DisplRow DisplIndex(RealRow ARow) const;
    // The real row shown at displayed index ARow (a negative index is given back as is).
    RealRow RealIndex(DisplRow ARow) const;

    // Adds rows, ascending by real index and not yet held out, merging them in at once.
    void Add(std::vector<TGridItem> items);
    // Takes out the rows with a real index in [From, To], or of one filter level, or all;
    // ascending by real index.
    std::vector<TGridItem> Take(RealRow From, RealRow To);
    std::vector<TGridItem> TakeLevel(int ALevel);
    // Takes out the rows inside any of the closed ranges (ascending, apart) in one pass.
    std::vector<TGridItem> TakeRanges(const std::vector<std::pair<RealRow, RealRow>>& AscendingRanges);
    std::vector<TGridItem> TakeAll();
    // Rows held out at or after ARow move by Delta real rows (rows were inserted into or
    // removed from the grid before them). Removing rows never moves one below ARow.
    void ShiftIndexes(RealRow ARow, int Delta);
    int CountOfLevel(int ALevel) const;

private:
    std::vector<TGridItem>::const_iterator LowerBound(RealRow ARow) const;
    int CountAtOrBelow(RealRow ARow) const;
    std::vector<TGridItem> TakeWhere(auto&& predicate);
    // True when the mapping tables answer: they are built once enough questions came
    // since the last change to pay for the build.
    bool TablesReady() const;
    void Changed();

    std::vector<TGridItem> FItems;
    // Up to the last held-out row: each real row's displayed index, and each displayed
    // row's real index; beyond it both differ by Count().
    mutable std::vector<int> FRealToDispl;
    mutable std::vector<int> FDisplToReal;
    mutable bool FTablesValid = false;
    mutable int FQuestionsSinceChange = 0;
};

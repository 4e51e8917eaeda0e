#pragma once
// How two rows of a grid compare for sorting. Each cell text is read once (through
// Cells with SortOnVirtualCells, else the stored text) and its classification, number,
// date and upper-case form are kept once computed; the format hook is asked once per
// column. The style rules still apply pair by pair, as the texts of each pair say: an
// automatic column detects its style from the first row of the pair, so a mixed column
// may compare inconsistently, which the merge sort bears. Where every pair of a sort's
// rows would get the same style, the sort compares keys prepared once per row instead,
// with the same answer for every pair.
//
// Columns are real, rows displayed; the rows must not move while the keys are in use.

#include "grid/core/grid_enumerations.h"

#include <QString>
#include <memory>
#include <unordered_map>
#include <vector>

class TExStringGrid;

class TRowSortKeys {
public:
    explicit TRowSortKeys(TExStringGrid& Grid);
    ~TRowSortKeys();

    // 1 when row ARow1 is greater in column ACol, 0 when equal, -1 when smaller.
    int CompareRows(int ACol, int ARow1, int ARow2, TSortDirection Direction);
    // CompareRows on ACol with the sort's direction; ties go on to the next real column
    // while SortSettings.Full is on. An ignored column compares equal.
    int CompareRowsFull(int ACol, int ARow1, int ARow2);
    // By the entries of SortIndexes from Index on, descending entries negated.
    int CompareRowsIndexed(int Index, int ARow1, int ARow2);
    // Rows First..Last in the order of a sort by ACol (CompareRowsFull times
    // DirectionSign), equal rows in their old order. When the column compares every pair
    // of these rows by one style that needs only each row's own key (all plain texts,
    // all numbers, or a fixed alphabetic or numeric style), the keys are prepared once
    // and compared directly; otherwise pair by pair.
    std::vector<int> SortedRows(int ACol, int First, int Last, int DirectionSign);

private:
    struct TCellKey;
    struct TColumnKeys;
    TColumnKeys& Column(int ACol);
    TCellKey& Key(TColumnKeys& Column, int ARow);
    TSortStyle DetectStyle(TColumnKeys& Column, TCellKey& First, TCellKey& Second, int ARow1);
    int CompareByStyle(TColumnKeys& Column, TSortStyle Style, TCellKey& A, TCellKey& B, int ARow1, int ARow2,
                       bool& NumericEdit);
    void ReadNumber(const TColumnKeys& Column, TCellKey& Key, bool Financial);
    bool IsCheckBoxCell(const TColumnKeys& Column, TCellKey& Key, int ARow);
    // The style every pair of rows First..Last compares by, ssAutomatic when it depends
    // on the pair or needs more than the two texts.
    TSortStyle StyleOfEveryPair(TColumnKeys& Column, int First, int Last);
    template <class Entry, class KeyCompare>
    std::vector<int> SortPrepared(std::vector<Entry>& Entries, int ACol, int DirectionSign, KeyCompare&& Compare);

    TExStringGrid& FGrid;
    std::unordered_map<int, std::unique_ptr<TColumnKeys>> FColumns;
};

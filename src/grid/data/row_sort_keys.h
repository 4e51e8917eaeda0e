#pragma once
// How two rows of a grid compare for sorting. Each cell text is read once (through
// Cells with SortOnVirtualCells, else the stored text) and its classification, number,
// date and upper-case form are kept once computed; the format hook is asked once per
// column. The style rules still apply pair by pair, as the texts of each pair say: an
// automatic column detects its style from the first row of the pair, so a mixed column
// may compare inconsistently, which the merge sort bears.
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

private:
    struct TCellKey;
    struct TColumnKeys;
    TColumnKeys& Column(int ACol);
    TCellKey& Key(TColumnKeys& Column, int ARow);
    TSortStyle DetectStyle(TColumnKeys& Column, TCellKey& First, TCellKey& Second, int ARow1);
    int CompareByStyle(TColumnKeys& Column, TSortStyle Style, TCellKey& A, TCellKey& B, int ARow1, int ARow2,
                       bool& NumericEdit);

    TExStringGrid& FGrid;
    std::unordered_map<int, std::unique_ptr<TColumnKeys>> FColumns;
};

// The used cells and the ranges the import and export services save.

#include "grid/core/string_grid.h"
#include "grid_fixture.h"

#include <gtest/gtest.h>

namespace {

TEST(StringGridUsedRanges, UsedCellsSpanEveryCellWithText) {
    TExStringGrid grid(nullptr);
    grid.SetColCount(6);
    grid.SetRowCount(6);
    EXPECT_EQ(grid.UsedCells(), (TGridRect{0, 0, 0, 0}));
    grid.SetCells(2, 3, "a");
    grid.SetCells(4, 1, "b");
    EXPECT_EQ(grid.UsedCells(), (TGridRect{2, 1, 4, 3}));
    // Displayed columns: with real column 3 hidden, real 4 is shown at 3.
    grid.HideColumn(3);
    EXPECT_EQ(grid.UsedCells(), (TGridRect{2, 1, 3, 3}));
}

TEST(StringGridUsedRanges, SaveRangesWithAndWithoutTheFixedLines) {
    struct Case {
        bool fixedCells, fixedCols, fixedRows;
        int startCol, startRow, endCol, endRow, colCount, rowCount;
    };
    // 10 x 10 with one fixed row and column, one footer row and one right fixed column.
    const Case cases[] = {
        {false, false, false, 1, 1, 8, 8, 8, 8},
        {true, false, false, 0, 0, 9, 9, 10, 10},
        {false, true, false, 0, 1, 9, 8, 10, 8},
        {false, false, true, 1, 0, 8, 9, 8, 10},
    };
    for (const Case& c : cases) {
        TExStringGrid grid(nullptr);
        grid.SetColCount(10);
        grid.SetRowCount(10);
        grid.SetFixedFooters(1);
        grid.SetFixedRightCols(1);
        grid.SetSaveFixedCells(c.fixedCells);
        grid.SetSaveFixedCols(c.fixedCols);
        grid.SetSaveFixedRows(c.fixedRows);
        EXPECT_EQ((std::vector<int>{grid.SaveStartCol(), grid.SaveStartRow(), grid.SaveEndCol(), grid.SaveEndRow(),
                                    grid.SaveColCount(), grid.SaveRowCount()}),
                  (std::vector<int>{c.startCol, c.startRow, c.endCol, c.endRow, c.colCount, c.rowCount}))
            << c.fixedCells << c.fixedCols << c.fixedRows;
    }
}

TEST(StringGridUsedRanges, UpdateEditModeKeepsTheCurrentCell) {
    StringGridFixture grid;
    grid.SetCol(2);
    grid.SetRow(3);
    int asked = 0;
    grid.OnSelectCell = [&](TObject*, int col, int row, bool&) {
        EXPECT_EQ(col, 2);
        EXPECT_EQ(row, 3);
        ++asked;
    };
    grid.UpdateEditMode();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(grid.Row(), 3);
}

}  // namespace

// The Tab walk on a shown form with a line edit after the grid: read-only cells and the
// hidden column skipped, wrapping to the next row, a row appended at the end, the Tab
// handed on to the next control, Shift+Tab from the first data cell, and grids without
// any editable cell, small and large.

#include "grid/view/keyboard_fixture.h"

#include <gtest/gtest.h>

namespace {

// Displayed columns of the column grid: 0 Device (read-only), 1 Enable, 2 Dimming
// (real 3, right of the hidden column), 3 MinMax, 4 Recall.
TEST(GridTabWalkTest, TabSkipsReadOnlyCellsAndWrapsToTheNextRow) {
    KeyboardForm<ColumnKeyGrid> form;
    ColumnKeyGrid& grid = *form.GridControl;
    grid.MoveCurrentCell(1, 1);
    std::vector<std::pair<int, int>> visited;
    for (int i = 0; i < 5; ++i) {
        form.Key(Qt::Key_Tab);
        visited.push_back({grid.Col(), grid.Row()});
    }
    const std::vector<std::pair<int, int>> expected = {{2, 1}, {3, 1}, {4, 1}, {1, 2}, {2, 2}};
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(grid.RowCount(), ColumnGridFixture::DataRows + 1);
}

TEST(GridTabWalkTest, TabOnTheLastCellAppendsARowWithAdvanceInsert) {
    KeyboardForm<ColumnKeyGrid> form;
    ColumnKeyGrid& grid = *form.GridControl;
    grid.Navigation()->SetAdvanceInsert(true);
    std::vector<int> added;
    grid.OnAutoAddRow = [&](TObject*, int ARow) { added.push_back(ARow); };
    const int last = grid.RowCount() - 1;
    grid.MoveCurrentCell(4, last);
    form.Key(Qt::Key_Tab);
    EXPECT_EQ(grid.RowCount(), last + 2);
    EXPECT_EQ(added, std::vector<int>{last + 1});
    EXPECT_EQ(grid.Row(), last + 1);
    EXPECT_EQ(grid.Col(), 1);  // the first editable column of the new row
    EXPECT_TRUE(form.GridControl->hasFocus());
}

TEST(GridTabWalkTest, TabToNextAtEndMovesTheFocusOnAndAnswersFalse) {
    KeyboardForm<ColumnKeyGrid> form;
    ColumnKeyGrid& grid = *form.GridControl;
    grid.Navigation()->SetAdvanceInsert(true);
    grid.Navigation()->SetTabToNextAtEnd(true);
    const int rows = grid.RowCount();
    grid.MoveCurrentCell(4, rows - 1);
    EXPECT_FALSE(grid.TabToNextCell(false));
    EXPECT_EQ(grid.RowCount(), rows);
    EXPECT_TRUE(form.After->hasFocus());
    EXPECT_EQ(grid.Row(), 1);  // the walk went round to the first row
}

TEST(GridTabWalkTest, ShiftTabFromTheFirstDataCellGoesToTheLastDataRow) {
    KeyboardForm<ColumnKeyGrid> form;
    ColumnKeyGrid& grid = *form.GridControl;
    grid.MoveCurrentCell(1, 1);
    form.Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(grid.Row(), grid.RowCount() - 1);
    EXPECT_EQ(grid.Col(), 4);
    form.Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(grid.Col(), 3);
}

TEST(GridTabWalkTest, OnKeyDownChangingTheTabStopsTheWalk) {
    KeyboardForm<ColumnKeyGrid> form;
    ColumnKeyGrid& grid = *form.GridControl;
    grid.MoveCurrentCell(1, 1);
    grid.OnKeyDown = [](TObject*, WORD& Key, TShiftState) {
        if (Key == VK_TAB) Key = 0;
    };
    EXPECT_TRUE(grid.TabToNextCell(false));
    EXPECT_EQ(grid.Col(), 1);
}

TEST(GridTabWalkTest, AGridWithoutAnyEditableCellKeepsTheCurrentCell) {
    for (const int rows : {6, 100000}) {
        SCOPED_TRACE(rows);
        KeyboardForm<PlainKeyGrid> form(rows);
        PlainKeyGrid& grid = *form.GridControl;
        grid.Navigation()->SetAdvanceInsert(true);
        grid.MoveCurrentCell(2, 3);
        grid.OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
        grid.SetOptions(grid.Options().Include(goEditing));
        for (const bool backward : {false, true}) {
            EXPECT_TRUE(grid.TabToNextCell(backward));
            EXPECT_EQ(grid.Col(), 2);
            EXPECT_EQ(grid.Row(), 3);
        }
    }
}

TEST(GridTabWalkTest, DownOnTheLastDataRowAppendsARowWithAppendOnArrowDown) {
    KeyboardForm<PlainKeyGrid> form;
    PlainKeyGrid& grid = *form.GridControl;
    grid.Navigation()->SetAppendOnArrowDown(true);
    bool refuse = true;
    grid.OnCanAddRow = [&](TObject*, bool& CanAdd) { CanAdd = !refuse; };
    grid.MoveCurrentCell(1, 6);
    form.Key(Qt::Key_Down);
    EXPECT_EQ(grid.RowCount(), 7);
    refuse = false;
    form.Key(Qt::Key_Down);
    EXPECT_EQ(grid.RowCount(), 8);
    EXPECT_EQ(grid.Row(), 7);
    EXPECT_EQ(grid.Cells(1, 7), "");
}

}  // namespace

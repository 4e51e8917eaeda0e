// The move after an edit at the ends of the table, and the focus arriving at the grid
// with AlwaysEdit.

#include "grid/view/keyboard_fixture.h"

#include <gtest/gtest.h>

namespace {

using RuleForm = KeyboardForm<RuleTableFixture>;

TEST(GridEditingAdvanceTest, AtTheEndsOfTheTable) {
    struct Case {
        const char* Name;
        TAdvanceDirection Direction;
        bool Insert, CanAdd, Loop;
        int FromCol, FromRow;
        int ToCol, ToRow, Rows;
    };
    const int last = RuleTableFixture::DataRows;
    const Case cases[] = {
        {"insert adds a row", adLeftRight, true, true, false, 7, last, 1, last + 1, last + 2},
        {"insert refused stays in the row", adLeftRight, true, false, false, 7, last, 1, last, last + 1},
        {"no insert, no loop: stays", adLeftRight, false, true, false, 7, last, 7, last, last + 1},
        {"no insert, loop: first row", adLeftRight, false, true, true, 7, last, 1, 1, last + 1},
        {"in row without loop: stays", adLeftRightInRow, false, true, false, 7, 2, 7, 2, last + 1},
        {"in row with loop: first column", adLeftRightInRow, false, true, true, 7, 2, 1, 2, last + 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        RuleForm form;
        RuleTableFixture& grid = *form.GridControl;
        grid.Navigation()->SetAdvanceOnEnter(true);
        grid.Navigation()->SetAdvanceDirection(c.Direction);
        grid.Navigation()->SetAdvanceInsert(c.Insert);
        grid.Navigation()->SetAdvanceOnEnterLoop(c.Loop);
        int added = -1;
        grid.OnCanAddRow = [&](TObject*, bool& CanAdd) { CanAdd = c.CanAdd; };
        grid.OnAutoAddRow = [&](TObject*, int ARow) { added = ARow; };
        grid.FocusCell(c.FromCol, c.FromRow);
        grid.AdvanceAfterEdit(c.FromCol, c.FromRow, false, false, true, false, false);
        EXPECT_EQ(grid.Col(), c.ToCol);
        EXPECT_EQ(grid.Row(), c.ToRow);
        EXPECT_EQ(grid.RowCount(), c.Rows);
        EXPECT_EQ(added, c.Rows > last + 1 ? last + 1 : -1);
    }
}

TEST(GridEditingFocusTest, AlwaysEditOpensThePlainEditWhenTheFocusArrivesButNotWhenItComesBackFromIt) {
    RuleForm form;
    RuleTableFixture& grid = *form.GridControl;
    grid.FocusCell(1, 2);
    form.After->setFocus(Qt::OtherFocusReason);
    grid.Navigation()->SetAlwaysEdit(true);
    grid.setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(grid.EditMode());
    EXPECT_TRUE(grid.InplaceEditor()->hasFocus());
    EXPECT_EQ(grid.InplaceEditor()->Text(), "1,2");
    QTest::keyClick(grid.InplaceEditor(), Qt::Key_Escape);
    EXPECT_FALSE(grid.EditMode());
    EXPECT_TRUE(grid.hasFocus());
}

}  // namespace

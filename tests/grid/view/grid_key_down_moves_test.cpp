// What the grid's key-down adds after the cursor moved: arrows wrapping at the edges with
// caLoop and caSnake, and rows moved by Ctrl+Up/Down.

#include <gtest/gtest.h>

#include "hover_grid_fixture.h"

namespace {

struct WrapCase {
    const char* Name;
    TCursorAdvance Advance;
    TGridCoord From;
    Qt::Key Key;
    TGridCoord To;
};

// Displayed columns 1..5 and rows 1..11 are the normal cells.
TEST_F(HoverGridTest, ArrowsWrapAtTheEdgesWithLoopAndSnake) {
    const WrapCase cases[] = {
        {"loop left", caLoop, {1, 4}, Qt::Key_Left, {5, 4}},
        {"loop right", caLoop, {5, 4}, Qt::Key_Right, {1, 4}},
        {"loop up", caLoop, {3, 1}, Qt::Key_Up, {3, 11}},
        {"loop down", caLoop, {3, 11}, Qt::Key_Down, {3, 1}},
        {"snake left", caSnake, {1, 4}, Qt::Key_Left, {5, 3}},
        {"snake left on the first row", caSnake, {1, 1}, Qt::Key_Left, {5, 1}},
        {"snake right", caSnake, {5, 4}, Qt::Key_Right, {1, 5}},
        {"snake up", caSnake, {3, 1}, Qt::Key_Up, {2, 11}},
        {"snake down", caSnake, {3, 11}, Qt::Key_Down, {4, 1}},
        {"default stays", caDefault, {1, 4}, Qt::Key_Left, {1, 4}},
        {"inside moves one", caSnake, {3, 4}, Qt::Key_Left, {2, 4}},
    };
    for (const WrapCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Grid->Navigation()->SetCursorAdvance(c.Advance);
        Grid->SetCol(c.From.X);
        Grid->SetRow(c.From.Y);
        QTest::keyClick(Grid, c.Key);
        EXPECT_EQ(Grid->Col(), c.To.X);
        EXPECT_EQ(Grid->Row(), c.To.Y);
    }
}

TEST_F(HoverGridTest, CtrlDownMovesTheRowOrTheSelectedBlock) {
    Grid->Navigation()->SetCursorMoveRows(true);
    Grid->SetCol(2);
    Grid->SetRow(3);
    QTest::keyClick(Grid, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Grid->Cells(1, 4), "1,3");
    EXPECT_EQ(Grid->Cells(1, 3), "1,4");
    EXPECT_EQ(Grid->Row(), 4);

    Grid->SetSelection({1, 5, 5, 6});
    QTest::keyClick(Grid, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Grid->Cells(1, 5), "1,7");
    EXPECT_EQ(Grid->Cells(1, 6), "1,5");
    EXPECT_EQ(Grid->Cells(1, 7), "1,6");
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 6, 5, 7}));

    QTest::keyClick(Grid, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(Grid->Cells(1, 5), "1,5");
    EXPECT_EQ(Grid->Cells(1, 7), "1,7");
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 5, 5, 6}));
}

TEST_F(HoverGridTest, CtrlDownOnTheLastRowDoesNothing) {
    Grid->Navigation()->SetCursorMoveRows(true);
    Grid->SetCol(2);
    Grid->SetRow(11);
    QTest::keyClick(Grid, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Grid->Row(), 11);
    for (int r = 1; r < 12; ++r) EXPECT_EQ(Grid->Cells(1, r), QString("1,%1").arg(r));
}

}  // namespace

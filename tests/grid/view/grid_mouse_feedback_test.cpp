// What the grid adds to the mouse-down and mouse-up methods: the feedback and refusal of a
// header-dragged column, the disjunct cell selection, editing a range, and the fixed
// drop-down button.

#include <gtest/gtest.h>

#include "hover_grid_fixture.h"

namespace {

class ColumnMoveTest : public HoverGridTest {
protected:
    void SetUp() override {
        HoverGridTest::SetUp();
        Grid->SetOptions(Grid->Options().Include(goColMoving));
    }
    // Presses on the header of ACol as the press handler records it.
    void PressHeader(int ACol) {
        Grid->Movecell = ACol;
        Grid->Clickposx = Centre(ACol, 0).x();
        Grid->Clickposy = Centre(ACol, 0).y();
        QTest::mousePress(View(), Qt::LeftButton, {}, Centre(ACol, 0));
    }
    QWidget* Arrow(const char* name) const { return Window->findChild<QWidget*>(name); }
};

TEST_F(ColumnMoveTest, FeedbackFollowsTheMouseAndGoesWithTheRelease) {
    std::vector<int> moving;
    Grid->OnColumnMoving = [&](TObject*, int col, bool&) { moving.push_back(col); };
    PressHeader(1);
    QTest::mouseMove(View(), Centre(4, 3));
    QTest::mouseMove(View(), Centre(4, 3) + QPoint(5, 0));
    EXPECT_EQ(moving, (std::vector<int>{4, 4}));
    ASSERT_NE(Arrow("ArwU"), nullptr);
    EXPECT_TRUE(Arrow("ArwU")->isVisible());
    EXPECT_TRUE(Arrow("ArwD")->isVisible());
    // Moving right: the arrows stand at the right edge of the target column.
    const QPoint columnRight = View()->mapToGlobal(QPoint(Grid->CellRect(4, 0).Right, 0));
    EXPECT_EQ(Arrow("ArwU")->mapToGlobal(QPoint(0, 0)).x(), columnRight.x() - 5);
    QTest::mouseRelease(View(), Qt::LeftButton, {}, Centre(4, 3) + QPoint(5, 0));
    EXPECT_FALSE(Arrow("ArwU")->isVisible());
    EXPECT_FALSE(Arrow("ArwD")->isVisible());
    EXPECT_EQ(Grid->Cells(5, 0), "1,0");  // real column 1 now shown at displayed 4 (real 5)
}

TEST_F(ColumnMoveTest, OnColumnMoveRefusingEndsTheMoveWithoutMovingAnything) {
    Grid->OnColumnMove = [](TObject*, int, bool& allow) { allow = false; };
    PressHeader(1);
    QTest::mouseMove(View(), Centre(4, 0));
    EXPECT_EQ(Grid->GridState(), gsNormal);
    QTest::mouseRelease(View(), Qt::LeftButton, {}, Centre(4, 0));
    for (int c : {0, 1, 3, 4, 5, 6}) EXPECT_EQ(Grid->Cells(c, 0), QString("%1,0").arg(c));
}

TEST_F(ColumnMoveTest, EscOrAFocusLossDropsTheMove) {
    for (const bool byEscape : {true, false}) {
        SCOPED_TRACE(byEscape ? "Esc" : "focus loss");
        PressHeader(1);
        QTest::mouseMove(View(), Centre(4, 3));
        ASSERT_EQ(Grid->GridState(), gsColMoving);
        if (byEscape) {
            QTest::keyClick(Grid, Qt::Key_Escape);
        } else {
            QFocusEvent lost(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
            QApplication::sendEvent(Grid, &lost);
        }
        EXPECT_EQ(Grid->GridState(), gsNormal);
        EXPECT_FALSE(Arrow("ArwU")->isVisible());
        QWidget* button = Window->findChild<QWidget*>("MoveButton");
        ASSERT_NE(button, nullptr);
        EXPECT_FALSE(button->isVisible());
        QTest::mouseRelease(View(), Qt::LeftButton, {}, Centre(4, 3));
        for (int c : {0, 1, 3, 4, 5, 6}) EXPECT_EQ(Grid->Cells(c, 0), QString("%1,0").arg(c));
    }
}

TEST_F(HoverGridTest, DisjunctCellsAreListedWithCtrlAndARefusedCellEndsTheRelease) {
    Grid->MouseActions()->SetDisjunctCellSelect(true);
    int releases = 0;
    Grid->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { ++releases; };
    QTest::mouseClick(View(), Qt::LeftButton, {}, Centre(2, 2));
    QTest::mouseClick(View(), Qt::LeftButton, Qt::ControlModifier, Centre(4, 5));
    EXPECT_EQ(releases, 2);
    EXPECT_TRUE(Grid->SelectedCells(2, 2));
    EXPECT_TRUE(Grid->SelectedCells(4, 5));
    QTest::mouseClick(View(), Qt::LeftButton, Qt::ControlModifier, Centre(2, 2));
    EXPECT_FALSE(Grid->SelectedCells(2, 2));  // Ctrl on a listed cell takes it out
    Grid->OnSelectCell = [](TObject*, int col, int row, bool& can) { can = !(col == 3 && row == 3); };
    QTest::mouseClick(View(), Qt::LeftButton, Qt::ControlModifier, Centre(3, 3));
    EXPECT_EQ(releases, 3);
    EXPECT_FALSE(Grid->SelectedCells(3, 3));
}

TEST_F(HoverGridTest, RangeSelectAndEditOpensTheEditorOnTheCurrentCell) {
    Grid->MouseActions()->SetRangeSelectAndEdit(true);
    Grid->SetCol(3);
    Grid->SetRow(4);
    QTest::mouseClick(View(), Qt::LeftButton, {}, Centre(3, 4));
    EXPECT_TRUE(Grid->Options().Contains(goEditing));
    EXPECT_TRUE(Grid->EditorMode());
    QTest::mouseClick(View(), Qt::LeftButton, Qt::ShiftModifier, Centre(4, 6));
    EXPECT_FALSE(Grid->Options().Contains(goEditing));
    EXPECT_EQ(Grid->Selection(), (TGridRect{3, 4, 4, 6}));
}

TEST_F(HoverGridTest, FixedDropDownButtonAsksTheApplicationWithTheColumnFirst) {
    Grid->SetHoverFixedCellsKind(hfFixedRows);
    Grid->ControlLook()->FixedDropDownButton = true;
    std::vector<std::pair<int, int>> clicked;
    Grid->OnFixedDropDownClick = [&](TObject*, int col, int row, TPopupMenu*&, bool& keep) {
        clicked.push_back({col, row});
        keep = true;
    };
    const TRect header = Grid->CellRect(3, 0);
    QTest::mouseClick(View(), Qt::LeftButton, {}, QPoint(header.Right - 20, header.Top + 5));
    EXPECT_TRUE(clicked.empty());
    QTest::mouseClick(View(), Qt::LeftButton, {}, QPoint(header.Right - 8, header.Top + 5));
    EXPECT_EQ(clicked, (std::vector<std::pair<int, int>>{{3, 0}}));
    // Kept highlighted: hover tracking of fixed cells waits for ResetFixedCellHighlight.
    EXPECT_TRUE(Grid->FNoMouseLeave);
    MoveTo(Centre(4, 0));
    EXPECT_NE(Grid->HoverFixedCell(), (TPoint{4, 0}));
    Grid->ResetFixedCellHighlight();
    MoveTo(Centre(5, 0));
    EXPECT_EQ(Grid->HoverFixedCell(), (TPoint{5, 0}));
}

}  // namespace

// Dragging with the button held: the column-sizing hint and event, a release beyond the
// edge, and the drag of the selection that is asked for and refused.

#include <gtest/gtest.h>

#include "hover_grid_fixture.h"

#include <vector>

namespace {

class SizingTest : public HoverGridTest {
protected:
    // Presses on the header's right border of column ACol, Inside pixels left of it, and
    // records what the press handler notes for sizing.
    QPoint PressOnBorder(int ACol, int Inside) {
        const TRect cell = Grid->CellRect(ACol, 0);
        const QPoint press(cell.Right - Inside, (cell.Top + cell.Bottom) / 2);
        Grid->Colclicked = ACol;
        Grid->Rowclicked = 0;
        Grid->Clickposdx = press.x() - cell.Right;
        QTest::mousePress(View(), Qt::LeftButton, {}, press);
        return press;
    }
};

TEST_F(SizingTest, HintAndOnColumnSizingAgreeOnTheProspectiveWidth) {
    Grid->SetOptions(Grid->Options().Include(goColSizing));
    Grid->SetHintShowSizing(true);
    std::vector<std::pair<int, int>> sizing;
    Grid->OnColumnSizing = [&](TObject*, int col, int width) { sizing.push_back({col, width}); };
    const int before = Grid->ColWidths(2);
    const QPoint press = PressOnBorder(2, 2);
    ASSERT_EQ(Grid->GridState(), gsColSizing);
    QTest::mouseMove(View(), press + QPoint(17, 0));
    ASSERT_EQ(sizing.size(), 1u);
    EXPECT_EQ(sizing[0], std::make_pair(2, before + 17));
    ASSERT_NE(Grid->FScrollHintWindow, nullptr);
    EXPECT_EQ(Grid->FScrollHintWindow->text(), QString("cw=<b>%1</b>").arg(before + 17));
    EXPECT_TRUE(Grid->FScrollHintWindow->isVisible());
    QTest::mouseRelease(View(), Qt::LeftButton, {}, press + QPoint(17, 0));
    EXPECT_EQ(Grid->ColWidths(2), before + 17);
    EXPECT_FALSE(Grid->FScrollHintWindow->isVisible());
}

TEST_F(HoverGridTest, KeepHorizScrollHoldsTheColumnsWhileTheButtonIsDown) {
    Grid->SetColCount(14);
    Grid->SetOptions(Grid->Options().Include(goRowSelect));
    for (const bool keep : {true, false}) {
        SCOPED_TRACE(keep ? "kept" : "free");
        Grid->Navigation()->SetKeepHorizScroll(keep);
        Grid->SetLeftCol(3);
        QTest::mousePress(View(), Qt::LeftButton, {}, Centre(4, 3));
        Grid->SetLeftCol(5);  // as a drag past the edge scrolls
        MoveTo(Centre(5, 4));
        EXPECT_EQ(Grid->LeftCol(), keep ? 3 : 5);
        QTest::mouseRelease(View(), Qt::LeftButton, {}, Centre(5, 4));
        // Without the button nothing holds the columns.
        Grid->SetLeftCol(6);
        MoveTo(Centre(6, 5));
        EXPECT_EQ(Grid->LeftCol(), 6);
    }
}

TEST_F(SizingTest, ReleaseBeyondTheRightEdgeCancelsTheSizing) {
    Grid->SetOptions(Grid->Options().Include(goColSizing));
    const int before = Grid->ColWidths(2);
    const QPoint press = PressOnBorder(2, 1);
    const QPoint beyond(View()->width() + 5, press.y());
    QTest::mouseMove(View(), beyond);
    QTest::mouseRelease(View(), Qt::LeftButton, {}, beyond);
    EXPECT_EQ(Grid->ColWidths(2), before);
    EXPECT_EQ(Grid->GridState(), gsNormal);
    // The next drag sizes again.
    const QPoint again = PressOnBorder(2, 1);
    QTest::mouseRelease(View(), Qt::LeftButton, {}, again + QPoint(-10, 0));
    EXPECT_EQ(Grid->ColWidths(2), before - 10);
}

TEST_F(HoverGridTest, SelectionDragIsAskedForBeyondThreePixelsAndRefused) {
    Grid->DragDropSettings()->OleDropSource = true;
    struct Asked {
        int Row, Col;
        QString Text;
    };
    std::vector<Asked> asked;
    Grid->OnOleDrag = [&](TObject*, int row, int col, const QString& text, bool& allow) {
        asked.push_back({row, col, text});
        allow = true;
    };
    const QPoint press = Centre(3, 4);  // displayed column 3 is real column 4
    QTest::mousePress(View(), Qt::LeftButton, {}, press);
    // What the press records when it arms a drag of the selection.
    Grid->FSelectionClick = true;
    Grid->Clickposx = press.x();
    Grid->Clickposy = press.y();
    QTest::mouseMove(View(), press + QPoint(3, 3));
    EXPECT_TRUE(asked.empty());
    QTest::mouseMove(View(), press + QPoint(0, 4));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].Row, 4);
    EXPECT_EQ(asked[0].Col, 4);
    EXPECT_EQ(asked[0].Text, "4,4");
    EXPECT_FALSE(Grid->FSelectionClick);  // at most one drag per press
    // Refused: the move goes on as a range selection.
    QTest::mouseMove(View(), Centre(4, 6));
    QTest::mouseRelease(View(), Qt::LeftButton, {}, Centre(4, 6));
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_EQ(Grid->Selection(), (TGridRect{3, 4, 4, 6}));
}

}  // namespace

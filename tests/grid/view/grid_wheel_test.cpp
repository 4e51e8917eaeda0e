// The wheel on a real grid: QWheelEvents sent to the viewport move the current row or
// scroll by the lines per notch, zoom with Ctrl, and stop when the parent takes them.

#include "grid/core/string_grid.h"
#include "platform/form.h"
#include "platform/wheel_scroll_lines.h"

#include <QApplication>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

class GridWheel : public ::testing::Test {
protected:
    void SetUp() override {
        SetWheelScrollLinesSource([] { return 3; });
        Form = std::make_unique<TForm>(nullptr);
        Form->resize(400, 300);
        Grid = new TExStringGrid(Form.get(), Form.get());
        Grid->setGeometry(0, 0, 400, 300);
        Grid->SetColCount(5);
        Grid->SetRowCount(100);
        Form->show();
        Grid->SetRow(10);
    }
    void TearDown() override {
        Form.reset();
        SetWheelScrollLinesSource(nullptr);
    }
    void Wheel(int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWheelEvent event(QPointF(100, 100), Grid->viewport()->mapToGlobal(QPointF(100, 100)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Grid->viewport(), &event);
    }
    std::unique_ptr<TForm> Form;
    TExStringGrid* Grid = nullptr;
};

TEST_F(GridWheel, ANotchMovesOrScrollsByTheLinesPerNotchOrTheIncrement) {
    struct Case {
        TWheelAction Action;
        int Increment;
        int Delta;
        int RowAfter;
        int TopRowChange;  // for the scrolling cases
    } cases[] = {
        {waMoveSelection, 0, -120, 13, 0},
        {waMoveSelection, 0, 120, 7, 0},
        {waMoveSelection, 1, -120, 11, 0},
        {waScroll, 0, -120, 10, 3},
        {waScroll, 1, -120, 10, 1},
        {waScroll, 0, 120, 10, -3},
    };
    for (const Case& c : cases) {
        Grid->MouseActions()->SetWheelAction(c.Action);
        Grid->MouseActions()->SetWheelIncrement(c.Increment);
        Grid->SetTopRow(5);
        Grid->SetRow(10);
        const int top = Grid->TopRow();
        Wheel(c.Delta);
        EXPECT_EQ(Grid->Row(), c.RowAfter) << c.Action << " " << c.Increment << " " << c.Delta;
        if (c.Action == waScroll) EXPECT_EQ(Grid->TopRow() - top, c.TopRowChange) << c.Increment << " " << c.Delta;
    }
}

TEST_F(GridWheel, FinerStepsAddUpToANotchAndTheRowStaysInsideTheGrid) {
    Wheel(-60);
    EXPECT_EQ(Grid->Row(), 10);
    Wheel(-60);
    EXPECT_EQ(Grid->Row(), 13);
    Grid->SetRow(98);
    Wheel(-120);
    EXPECT_EQ(Grid->Row(), 99);
    Grid->SetRow(2);
    Wheel(120);
    EXPECT_EQ(Grid->Row(), 1);
}

TEST_F(GridWheel, ARefusedMoveGoesHalfWay) {
    Grid->OnSelectCell = [](TObject*, int, int ARow, bool& CanSelect) { CanSelect = ARow != 13; };
    Wheel(-120);
    EXPECT_EQ(Grid->Row(), 12);  // 13 refused, half of the three rows rounded to even
}

TEST_F(GridWheel, WithTheWheelOffOrTheParentTakingItNothingMoves) {
    Grid->SetEnableWheel(false);
    Wheel(-120);
    EXPECT_EQ(Grid->Row(), 10);
    Grid->SetEnableWheel(true);

    int offered = 0;
    Form->OnMouseWheel = [&](TObject*, TShiftState, int WheelDelta, TPoint, bool& Handled) {
        ++offered;
        EXPECT_EQ(WheelDelta, -120);
        Handled = true;
    };
    const int top = Grid->TopRow();
    Wheel(-120);
    EXPECT_EQ(offered, 1);
    EXPECT_EQ(Grid->Row(), 10);
    EXPECT_EQ(Grid->TopRow(), top);

    Form->OnMouseWheel = [&](TObject*, TShiftState, int, TPoint, bool&) { ++offered; };
    Wheel(-120);
    EXPECT_EQ(offered, 2);
    EXPECT_EQ(Grid->Row(), 13);
}

TEST_F(GridWheel, TheWheelEventsFireWithAnIncrementSet) {
    int downs = 0;
    int ups = 0;
    Grid->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& Handled) {
        EXPECT_FALSE(Handled);
        ++downs;
    };
    Grid->OnMouseWheelUp = [&](TObject*, TShiftState, TPoint, bool&) { ++ups; };
    Wheel(-120);
    EXPECT_EQ(downs + ups, 0);  // no increment and no disjunct selection: no events
    Grid->MouseActions()->SetWheelIncrement(2);
    Wheel(-120);
    Wheel(120);
    Wheel(120);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(ups, 2);
}

TEST_F(GridWheel, CtrlZoomsByTheLinesPerNotchUpToNine) {
    Grid->SetColCount(3);
    Grid->SetRowCount(3);
    for (int n = 1; n <= 4; ++n) {
        Wheel(-120, Qt::ControlModifier);
        EXPECT_EQ(Grid->ZoomFactor(), std::min(3 * n, 9)) << n;
    }
    Wheel(120, Qt::ControlModifier);
    EXPECT_EQ(Grid->ZoomFactor(), 6);
    Grid->SetIntelliZoom(false);
    Wheel(120, Qt::ControlModifier);
    EXPECT_EQ(Grid->ZoomFactor(), 6);
}

TEST(GridZoom, LinesGrowAndShrinkButNeverReachZero) {
    TExStringGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.SetColWidths(0, 2);
    grid.SetColWidths(1, 40);
    grid.SetColWidths(2, 0);
    grid.SetRowHeights(1, 20);
    grid.Zoom(-3);
    EXPECT_EQ(grid.ZoomFactor(), -3);
    EXPECT_EQ(grid.ColWidths(0), 2);
    EXPECT_EQ(grid.ColWidths(1), 37);
    EXPECT_EQ(grid.ColWidths(2), 0);
    EXPECT_EQ(grid.RowHeights(1), 17);
    grid.Zoom(3);
    EXPECT_EQ(grid.ColWidths(1), 40);
    EXPECT_EQ(grid.ColWidths(2), 0);  // a hidden-by-zero column is not revived
    grid.Zoom(11);                     // beyond 10: refused whole
    EXPECT_EQ(grid.ZoomFactor(), 0);
    EXPECT_EQ(grid.ColWidths(1), 40);
}

}  // namespace

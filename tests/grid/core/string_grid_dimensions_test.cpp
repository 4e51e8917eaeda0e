// String grid dimensions and scrolling driven as a user drives them: sizing columns by
// mouse (stretching, scaling the others, a veto), dragging the scroll thumb with scroll
// hints, keys and wheel over a grid with a hidden column and held-out rows; and the
// count, fixed-line and stretch rules.

#include "test_support.h"
#include "grid/core/string_grid.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <memory>
#include <vector>

namespace {

// A grid on a parent window, shown offscreen: 5 columns of 64 pixels (one fixed), 40
// rows of 20 pixels (one fixed), no scroll bars taking room unless a test asks.
class StringGridDimensionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Window = std::make_unique<QWidget>();
        Window->resize(500, 300);
        Grid = new TExStringGrid(nullptr, Window.get());
        Grid->SetColCount(5);
        Grid->SetRowCount(40);
        Grid->SetDefaultColWidth(64);
        Grid->SetDefaultRowHeight(20);
        Grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        Grid->setGeometry(0, 0, 400, 205);
        TGridOptions options = Grid->Options();
        Grid->SetOptions(options.Include(goColSizing));
        Window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
    }

    // Drags the right border of a column in the fixed row by dx pixels.
    void DragColumnBorder(int col, int dx) {
        int right = 0;
        for (int c = 0; c <= col; ++c) right += Grid->ColWidths(c);
        QWidget* surface = Grid->viewport();
        QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(right - 1, 8));
        QTest::mouseMove(surface, QPoint(right - 1 + dx, 8));
        QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(right - 1 + dx, 8));
    }

    std::unique_ptr<QWidget> Window;
    TExStringGrid* Grid = nullptr;  // a child of Window
};

TEST_F(StringGridDimensionsTest, SizingAColumnByMouseStretchesScalesOrIsRefused) {
    struct Case {
        const char* name;
        bool stretch;
        bool allColumnSize;
        bool refuseColumn1;
        std::vector<int> widths;  // after dragging column 1's border 32 pixels right
    };
    const int client = Grid->viewport()->width();
    const Case cases[] = {
        {"plain", false, false, false, {64, 96, 64, 64, 64}},
        {"stretch", true, false, false, {64, 96, 64, 64, client - (64 + 96 + 64 + 64) - 1}},
        {"all columns", false, true, false, {64, 96, 96, 96, 96}},
        {"refused", false, false, true, {64, 64, 64, 64, 64}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid->ColumnSize()->SetStretch(c.stretch);
        for (int col = 0; col < 5; ++col) Grid->SetColWidths(col, 64);
        Grid->MouseActions()->SetAllColumnSize(c.allColumnSize);
        std::vector<int> asked;
        std::vector<int> ended;
        Grid->OnColumnSize = [&](TObject*, int ACol, bool& Allow) {
            asked.push_back(ACol);
            if (c.refuseColumn1 && ACol == 1) Allow = false;
        };
        Grid->OnEndColumnSize = [&](TObject*, int ACol) { ended.push_back(ACol); };
        if (c.stretch) Grid->StretchColumn(-1);
        const int lastBefore = Grid->ColWidths(4);
        if (!c.stretch) ASSERT_EQ(lastBefore, 64);
        DragColumnBorder(1, 32);
        for (int col = 0; col < 5; ++col) EXPECT_EQ(Grid->ColWidths(col), c.widths[std::size_t(col)]) << "column " << col;
        EXPECT_FALSE(asked.empty());
        EXPECT_EQ(ended, c.refuseColumn1 ? std::vector<int>{} : std::vector<int>{1});
        EXPECT_EQ(Grid->GridState(), gsNormal);
    }
}

TEST_F(StringGridDimensionsTest, StretchColumnRulesAndItsError) {
    Grid->SetColCount(3);
    Grid->resize(300 + (Grid->width() - Grid->viewport()->width()), Grid->height());
    ASSERT_EQ(Grid->viewport()->width(), 300);
    Grid->SetColWidths(2, 100);
    Grid->ColumnSize()->SetStretch(true);
    Grid->StretchColumn(-1);
    EXPECT_EQ(Grid->ColWidths(2), 300 - 128 - 1);

    for (int bad : {3, 7, -2}) {
        try {
            Grid->StretchColumn(bad);
            ADD_FAILURE() << bad << " was taken";
        } catch (const EExGridError& e) {
            EXPECT_EQ(e.Message(), "Stretch column index out of range");
        }
    }
    // From a notice, a bad stretch column stretches nothing and raises nothing.
    Grid->ColumnSize()->SetStretchColumn(9);
    Grid->SetColWidths(0, 80);
    Grid->resize(Grid->width() + 40, Grid->height());
    EXPECT_EQ(Grid->ColWidths(2), 171);

    // Columns wider than the client: the stretched column gets the default width when
    // the grid is scrolled fully to the left.
    Grid->ColumnSize()->SetStretchColumn(-1);
    Grid->SetColWidths(1, 400);
    EXPECT_EQ(Grid->ColWidths(2), Grid->DefaultColWidth());
}

TEST_F(StringGridDimensionsTest, DraggingTheThumbNamesTheRowsThenShownInHints) {
    Grid->SetScrollHints(shVertical);
    std::vector<std::pair<int, QString>> hints;
    Grid->OnScrollHint = [&](TObject*, int ARow, QString& hint) {
        hints.push_back({ARow, hint});
        hint += " shown";
    };
    QScrollBar* bar = Grid->verticalScrollBar();
    ASSERT_TRUE(bar->isVisible());
    const QRect thumb = VerticalThumbRect(bar);
    ASSERT_TRUE(thumb.isValid());
    const QPoint start = thumb.center();
    QTest::mousePress(bar, Qt::LeftButton, {}, start);
    for (int dy = 10; dy <= 60; dy += 10) {
        QMouseEvent move(QEvent::MouseMove, QPointF(start + QPoint(0, dy)), bar->mapToGlobal(QPointF(start + QPoint(0, dy))),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
    }
    ASSERT_FALSE(hints.empty());
    EXPECT_EQ(Grid->TopRow(), 1);  // without thumb tracking the view waits for the release
    QTest::mouseRelease(bar, Qt::LeftButton, {}, start + QPoint(0, 60));
    EXPECT_EQ(hints.back().first, Grid->TopRow());
    EXPECT_GT(Grid->TopRow(), 1);
    for (const auto& [row, text] : hints) EXPECT_EQ(text, QString("Row : %1").arg(row));
}

TEST_F(StringGridDimensionsTest, AProportionalThumbShowsTheVisibleShare) {
    QScrollBar* bar = Grid->verticalScrollBar();
    EXPECT_EQ(bar->pageStep(), 1);  // a thumb of fixed length
    Grid->SetScrollProportional(true);
    EXPECT_EQ(bar->pageStep(), Grid->VisibleRowCount());
    // Paging moves by the rows in view either way.
    Grid->SetScrollProportional(false);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(Grid->TopRow(), 1 + Grid->VisibleRowCount());
}

TEST_F(StringGridDimensionsTest, KeysAndWheelMoveOverDisplayedCellsOnly) {
    for (int r = 0; r < 40; ++r)
        for (int c = 0; c < 5; ++c) Grid->SetCells(c, r, QString("%1,%2").arg(c).arg(r));
    Grid->HideColumn(2);
    Grid->HideRows(3, 4);
    Grid->MouseActions()->SetWheelIncrement(1);  // one row per notch, whatever the desktop's lines
    Grid->SetFocus();
    Grid->GotoCell(1, 2);
    auto current = [&] { return Grid->Cells(Grid->RealColIndex(Grid->Col()), Grid->Row()); };
    EXPECT_EQ(current(), "1,2");
    QTest::keyClick(Grid, Qt::Key_Right);
    EXPECT_EQ(current(), "3,2");
    QTest::keyClick(Grid, Qt::Key_Down);
    EXPECT_EQ(current(), "3,5");
    EXPECT_EQ(Grid->RealRowIndex(Grid->Row()), 5);
    QTest::keyClick(Grid, Qt::Key_Up);
    EXPECT_EQ(current(), "3,2");
    QWheelEvent wheel(QPointF(100, 100), Grid->viewport()->mapToGlobal(QPointF(100, 100)), {}, QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Grid->viewport(), &wheel);
    EXPECT_EQ(current(), "3,5");
}

TEST(StringGridCounts, FixedLinesAlwaysAndDefaultWidths) {
    TExStringGrid grid(nullptr);
    grid.SetRowCount(10);
    grid.SetFixedRowAlways(true);
    grid.SetFixedRows(2);
    grid.SetRowCount(2);
    EXPECT_EQ(grid.FixedRows(), 1);
    grid.SetRowCount(10);
    EXPECT_EQ(grid.FixedRows(), 2);

    grid.SetColWidths(0, 30);
    grid.SetFixedColWidth(grid.DefaultColWidth());
    EXPECT_EQ(grid.ColWidths(0), 30);
    grid.SetFixedColWidth(50);
    EXPECT_EQ(grid.FixedColWidth(), 50);

    grid.SetSpreadSheet(false);
    EXPECT_TRUE(grid.SelectionRectangle());
    EXPECT_TRUE(grid.SelectionResizer());
    EXPECT_TRUE(grid.Navigation()->AllowSmartClipboard());
    EXPECT_TRUE(grid.Options().Contains(goRangeSelect));
    EXPECT_TRUE(grid.Options().Contains(goEditing));
    EXPECT_TRUE(grid.MouseActions()->RangeSelectAndEdit());
}

TEST(StringGridCounts, AFloatingFooterRowMovesWholeWhenTheCountChanges) {
    TExStringGrid grid(nullptr);
    grid.SetRowCount(10);
    grid.FloatingFooter()->Visible = true;
    grid.SetCells(1, 9, "sum");
    TCellProperties* footerProps = grid.CellProperties(1, 9);
    grid.SetCells(1, 8, "data");
    for (int count : {15, 6}) {
        SCOPED_TRACE(count);
        grid.SetRowCount(count);
        EXPECT_EQ(grid.GridCells(1, count - 1), "sum");
        EXPECT_EQ(grid.GridObjects(1, count - 1), footerProps);
        int holders = 0;
        for (int r = 0; r < 20; ++r) holders += grid.GridObjects(1, r) == footerProps;
        EXPECT_EQ(holders, 1);
    }
    grid.SetRowCount(15);
    EXPECT_EQ(grid.GridCells(1, 8), "data");  // the rows cut off come back whole
}

TEST(StringGridHiddenColumns, CurrentColumnAndTheLastDisplayedColumn) {
    TExStringGrid grid(nullptr);
    grid.SetColCount(5);
    grid.SetColWidths(3, 80);
    grid.SetCol(4);
    grid.HideColumn(4);
    EXPECT_EQ(grid.Col(), 3);
    grid.UnHideColumn(4);
    grid.HideColumn(3);
    grid.UnHideColumn(3);
    EXPECT_EQ(grid.ColWidths(3), 80);
    EXPECT_EQ(grid.ColWidths(4), 64);

    TExStringGrid one(nullptr);
    one.SetColCount(1);
    one.HideColumn(0);
    EXPECT_EQ(one.ColCount(), 1);
    EXPECT_EQ(one.NumHiddenColumns(), 0);
}

TEST(StringGridHiddenRows, HeldOutRowsKeepTheirObjectsUntilTheGridGoes) {
    // Run under the sanitizers, a property or picture left behind shows as a leak.
    auto grid = std::make_unique<TExStringGrid>(nullptr);
    grid->SetRowCount(10);
    for (int r = 1; r < 10; ++r) grid->CellProperties(2, r)->SetBrushColor(0x10 * r);
    TCellProperties* held = grid->CellProperties(2, 4);
    grid->HideRows(3, 5);
    EXPECT_EQ(grid->GetAllGridObject(2, 4), held);
    grid->UnHideRow(4);
    EXPECT_EQ(grid->GridObjects(2, grid->DisplRowIndex(4)), held);
    grid->HideRow(4);
    grid.reset();
}

}  // namespace

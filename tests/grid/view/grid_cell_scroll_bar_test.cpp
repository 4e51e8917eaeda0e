// The shared cell scroll bar: painted in every cell whose text is taller than the cell,
// laid live over the cell under the mouse, and scrolling that cell's text when dragged.

#include <gtest/gtest.h>

#include "hover_grid_fixture.h"

#include <QScrollBar>
#include <tuple>
#include <vector>

namespace {

class CellScrollBarTest : public HoverGridTest {
protected:
    // Real column 3 stands in displayed column 2, right of the hidden real column 2.
    static constexpr int BarCol = 3;
    static constexpr int BarRow = 2;

    void SetUp() override {
        HoverGridTest::SetUp();
        Grid->AddScrollBar(BarCol, BarRow, false);
        Grid->SetScrollProp(BarCol, BarRow, TScrollProp{20, 100});
        Grid->SetScrollPosition(BarCol, BarRow, 30);
        // A scroll bar whose page shows the whole text is neither drawn nor laid out.
        Grid->AddScrollBar(BarCol, BarRow + 2, false);
        Grid->SetScrollProp(BarCol, BarRow + 2, TScrollProp{100, 100});
    }

    int DisplayedBarCol() const { return Grid->DisplColIndex(BarCol); }
    QScrollBar* Bar() const { return View()->findChild<QScrollBar*>(QStringLiteral("FScrollBar")); }
    QImage Render() const {
        QImage image(View()->size(), QImage::Format_RGB32);
        View()->render(&image);
        return image;
    }
};

TEST_F(CellScrollBarTest, TheMouseLaysTheBarOverACellThatScrollsAndTakesItAwayElsewhere) {
    ASSERT_EQ(DisplayedBarCol(), 2);
    ASSERT_NE(Bar(), nullptr);
    EXPECT_FALSE(Bar()->isVisible());

    MoveTo(Centre(DisplayedBarCol(), BarRow));
    ASSERT_TRUE(Bar()->isVisible());
    const TRect cell = Grid->CellRect(DisplayedBarCol(), BarRow);
    const int line = Grid->GridLineWidth();
    EXPECT_EQ(Bar()->geometry(), QRect(cell.Right - 17 - line, cell.Top + line, 17, cell.Height() - 2 * line));
    EXPECT_EQ(Bar()->value(), 30);
    EXPECT_EQ(Bar()->minimum(), 0);
    EXPECT_EQ(Bar()->maximum() + Bar()->pageStep(), 100);

    const struct {
        QPoint at;
        bool shown;
    } moves[] = {
        {Centre(1, BarRow), false},                  // no scroll bar in the cell
        {Centre(DisplayedBarCol(), BarRow), true},   // back onto the same cell
        {Centre(DisplayedBarCol(), BarRow + 2), false},  // the page shows all of it
    };
    for (const auto& m : moves) {
        MoveTo(m.at);
        EXPECT_EQ(Bar()->isVisible(), m.shown) << m.at.x() << "," << m.at.y();
    }
}

TEST_F(CellScrollBarTest, DraggingTheBarScrollsItsCellAndReportsTheRealColumnOnce) {
    std::vector<std::tuple<int, int, int, int, int>> reports;
    Grid->OnScrollCell = [&](TObject*, int col, int row, int pos, int min, int max) {
        reports.emplace_back(col, row, pos, min, max);
    };
    MoveTo(Centre(DisplayedBarCol(), BarRow));
    ASSERT_TRUE(Bar()->isVisible());
    EXPECT_TRUE(reports.empty()) << "laying the bar over the cell is no scroll";

    Bar()->setValue(50);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], std::make_tuple(BarCol, BarRow, 50, 0, 100));
    EXPECT_EQ(Grid->GetScrollPosition(BarCol, BarRow), 50);
}

TEST_F(CellScrollBarTest, TheCellPaintsItsBarAndItsTextMovesWithThePosition) {
    Grid->SetCells(BarCol, BarRow, QStringLiteral("one\ntwo\nthree\nfour\nfive"));
    Grid->SetScrollPosition(BarCol, BarRow, 0);
    QApplication::processEvents();
    const QImage top = Render();
    const TRect cell = Grid->CellRect(DisplayedBarCol(), BarRow);
    const TRect plain = Grid->CellRect(DisplayedBarCol(), BarRow + 2);
    const int midY = (cell.Top + cell.Bottom) / 2;
    // Inside the bar's strip at the right edge the cell is not its white background; the
    // cell whose page shows everything stays white there.
    bool barDrawn = false;
    for (int x = cell.Right - 16; x < cell.Right - 1; ++x)
        barDrawn = barDrawn || top.pixelColor(x, midY) != QColor(Qt::white);
    EXPECT_TRUE(barDrawn);
    EXPECT_EQ(top.pixelColor(plain.Right - 8, (plain.Top + plain.Bottom) / 2), QColor(Qt::white));

    // The bar draws inside its strip and nowhere else: without it only that strip and the
    // text beside it differ.
    Grid->SetScrollProp(BarCol, BarRow, TScrollProp{100, 100});
    QApplication::processEvents();
    const QImage withoutBar = Render();
    Grid->SetScrollProp(BarCol, BarRow, TScrollProp{20, 100});
    for (int y = 0; y < top.height(); ++y)
        for (int x = 0; x < top.width(); ++x)
            if (top.pixel(x, y) != withoutBar.pixel(x, y))
                ASSERT_TRUE(cell.ToQRect().contains(x, y)) << x << "," << y;

    Grid->SetScrollPosition(BarCol, BarRow, 10);
    QApplication::processEvents();
    const QImage scrolled = Render();
    const QRect textArea(cell.Left, cell.Top, cell.Width() - 18, cell.Height());
    EXPECT_NE(top.copy(textArea), scrolled.copy(textArea)) << "the text did not move";
}

}  // namespace

// The thin scroll bars of a Metro grid, driven with real mouse input and checked with
// pixel probes of the rendered grid.

#include "grid/core/scroll_control.h"
#include "grid/core/string_grid.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <cmath>

namespace {

const QColor ThumbColor(255, 0, 0);

void Press(QWidget* w, QPoint p) { QTest::mousePress(w, Qt::LeftButton, {}, p); }
void Release(QWidget* w, QPoint p) { QTest::mouseRelease(w, Qt::LeftButton, {}, p); }
void DragTo(QWidget* w, QPoint p) {
    QMouseEvent move(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

// A Metro grid of Rows rows of 20 pixels, 1 fixed row, 300 x 300.
struct MetroGrid {
    explicit MetroGrid(int Rows) {
        grid.SetColCount(20);
        grid.SetRowCount(Rows);
        grid.SetDefaultRowHeight(20);
        grid.SetDefaultColWidth(40);
        grid.SetColor(clWhite);
        grid.resize(300, 300);
        grid.SetScrollType(ssMetro);
        // A thumb colour no grid line has.
        grid.VertScrollControl()->SetColor(clRed);
        grid.show();
        QApplication::processEvents();
    }
    TScrollControl* Vertical() const { return grid.VertScrollControl(); }
    // The thumb as the drawing formula places it (nearest integer, ties to even).
    std::pair<int, int> ExpectedThumb() const {
        const int track = Vertical()->height() - 20;
        const int scrollable = grid.RowCount() - 1;
        int start = 20 + int(std::nearbyint(track * double(grid.TopRow() - 1) / scrollable));
        const int size = std::max(20, int(std::nearbyint(track * double(grid.VisibleRowCount()) / grid.RowCount())));
        if (start + size > Vertical()->height()) start = Vertical()->height() - size;
        return {start, size};
    }
    // The thumb's rows as painted: rows of the grid's right edge in the thumb colour.
    std::pair<int, int> PaintedThumb() {
        const QImage image = grid.grab().toImage();
        const int x = Vertical()->x() + 1;
        int first = -1, last = -1;
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) == ThumbColor) {
                if (first < 0) first = y;
                last = y;
            }
        return {first - Vertical()->y(), last - first + 1};
    }
    TExStringGrid grid{nullptr};
};

TEST(ThinScrollBar, MetroGridShowsThinBarsInPlaceOfTheWindowsBars) {
    MetroGrid m(100);
    ASSERT_NE(m.Vertical(), nullptr);
    ASSERT_NE(m.grid.HorzScrollControl(), nullptr);
    EXPECT_EQ(m.grid.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(m.Vertical()->width(), 6);
    EXPECT_EQ(m.Vertical()->x() + m.Vertical()->width(), m.grid.width() - m.grid.frameWidth());
    EXPECT_EQ(m.grid.HorzScrollControl()->height(), 6);
    // The control fills no background: beside the thumb the grid shows through.
    const QImage image = m.grid.grab().toImage();
    EXPECT_EQ(image.pixelColor(m.Vertical()->x() + 1, m.Vertical()->y() + m.Vertical()->height() - 10), Qt::white);
    m.grid.SetScrollType(ssNormal);
    EXPECT_EQ(m.Vertical(), nullptr);
    EXPECT_EQ(m.grid.HorzScrollControl(), nullptr);
}

TEST(ThinScrollBar, ThumbSitsWhereTheFormulaPutsItAndFollowsTheTopRow) {
    MetroGrid m(100);
    for (int top : {1, 30, 86}) {
        m.grid.SetTopRow(top);
        QApplication::processEvents();
        const auto expected = m.ExpectedThumb();
        const auto thumb = m.Vertical()->Thumb();
        ASSERT_TRUE(thumb.has_value());
        EXPECT_EQ(thumb->Start, expected.first) << top;
        EXPECT_EQ(thumb->Size, expected.second) << top;
        EXPECT_EQ(m.PaintedThumb(), expected) << top;
    }
}

TEST(ThinScrollBar, ClicksBesideTheThumbPageAndADragMovesTheTopRow) {
    MetroGrid m(100);
    const int visible = m.grid.VisibleRowCount();
    TScrollControl* bar = m.Vertical();
    auto thumb = *bar->Thumb();
    // Below the thumb: a page forward.
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(2, thumb.Start + thumb.Size + 5));
    EXPECT_EQ(m.grid.TopRow(), 1 + visible);
    // Above it: a page back, not before the first scrollable row.
    thumb = *bar->Thumb();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(2, thumb.Start - 1));
    EXPECT_EQ(m.grid.TopRow(), 1);
    // Near the end a page stops at RowCount - visible rows.
    m.grid.SetTopRow(90);
    thumb = *bar->Thumb();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(2, bar->height() - 1));
    EXPECT_EQ(m.grid.TopRow(), 100 - visible);

    // A drag: the top row moves by the dragged share of the rows.
    m.grid.SetTopRow(1);
    thumb = *bar->Thumb();
    const QPoint start(2, thumb.Start + 2);
    Press(bar, start);
    DragTo(bar, start + QPoint(0, 50));
    const int expected = std::min(int(std::nearbyint(50.0 / (bar->height() - 20) * 100)) + 1, 100 - visible);
    EXPECT_EQ(m.grid.TopRow(), expected);
    Release(bar, start + QPoint(0, 50));
    DragTo(bar, start + QPoint(0, 120));  // the drag has ended
    EXPECT_EQ(m.grid.TopRow(), expected);
}

TEST(ThinScrollBar, ThousandRowsGiveTheMinimumThumb) {
    TExStringGrid grid(nullptr);
    grid.SetRowCount(1000);
    grid.SetDefaultRowHeight(50);
    grid.resize(300, 560);
    grid.SetScrollType(ssMetro);
    grid.show();
    QApplication::processEvents();
    TScrollControl* bar = grid.VertScrollControl();
    bar->SetAlign(alNone);
    bar->setGeometry(294, 0, 6, 550);  // a track of 500 beside the fixed row
    ASSERT_EQ(grid.VisibleRowCount(), 10);
    const auto thumb = bar->Thumb();
    ASSERT_TRUE(thumb.has_value());
    EXPECT_EQ(thumb->Size, 20);  // not 5
}

TEST(ThinScrollBar, WithoutRoomForAThumbNothingIsDrawnAndClicksChangeNothing) {
    struct Case {
        const char* name;
        int rows;
        int barHeight;
    } cases[] = {
        {"all rows visible", 5, 294},
        {"only the fixed row", 1, 294},
        {"control no taller than row 0", 100, 20},
        {"thumb longer than the track", 100, 35},
    };
    for (const Case& c : cases) {
        MetroGrid m(c.rows);
        if (c.rows == 1) m.grid.SetFixedRows(1);
        TScrollControl* bar = m.Vertical();
        bar->SetAlign(alNone);
        bar->setGeometry(bar->x(), 0, 6, c.barHeight);
        QApplication::processEvents();
        EXPECT_FALSE(bar->Thumb().has_value()) << c.name;
        const int top = m.grid.TopRow();
        for (int y : {0, c.barHeight / 2, c.barHeight - 1}) {
            Press(bar, QPoint(2, y));
            DragTo(bar, QPoint(2, y + 30));
            Release(bar, QPoint(2, y + 30));
        }
        EXPECT_EQ(m.grid.TopRow(), top) << c.name;
        const QImage image = m.grid.grab().toImage();
        for (int y = 0; y < c.barHeight; ++y)
            ASSERT_NE(image.pixelColor(bar->x() + 1, bar->y() + y), ThumbColor) << c.name << " y " << y;
    }
}

TEST(ThinScrollBar, AParentThatIsNoGridGetsNothing) {
    QWidget parent;
    parent.resize(100, 300);
    TScrollControl bar(nullptr, &parent);
    bar.SetColor(clRed);
    bar.setGeometry(94, 0, 6, 300);
    parent.show();
    QApplication::processEvents();
    EXPECT_FALSE(bar.Thumb().has_value());
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(2, 150));
    const QImage image = parent.grab().toImage();
    for (int y = 0; y < 300; y += 10) ASSERT_NE(image.pixelColor(95, y), ThumbColor);
    EXPECT_EQ(bar.Color(), clRed);
}

}  // namespace

// The HTML hint window: measuring, placing on the screen, painting; and the grid's cell
// hints going to it.

#include "grid/view/html_hint_window.h"

#include "grid/core/string_grid.h"
#include "platform/screen_geometry.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QImage>
#include <QToolTip>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

constexpr TRect kScreen{0, 0, 800, 600};

class HTMLHintWindow : public ::testing::Test {
protected:
    void SetUp() override {
        SetScreenWorkAreaSource([](TPoint) { return std::optional<TRect>(kScreen); });
    }
    void TearDown() override { SetScreenWorkAreaSource({}); }

    QImage Painted() { return Window.grab().toImage(); }

    THTMLHintWindow Window;
};

bool HasColorIn(const QImage& image, QRect area, QRgb color) {
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF)) return true;
    return false;
}

TEST_F(HTMLHintWindow, SizeIsTheTextsPlusMarginsAndTheKindsExtraWidth) {
    const TRect measured = Window.CalcHintRect(1000, "<b>bold</b> text", nullptr);
    EXPECT_EQ(measured.Left, 0);
    EXPECT_EQ(measured.Top, 0);
    EXPECT_GT(measured.Width(), 0);
    EXPECT_GT(measured.Height(), 0);

    Window.ActivateHint({100, 100, 100, 100}, "<b>bold</b> text");
    EXPECT_TRUE(Window.isVisible());
    EXPECT_EQ(Window.TextWidth(), measured.Width());
    EXPECT_EQ(Window.geometry(), QRect(100, 100, measured.Width() + 16, measured.Height() + THTMLHintWindow::kMargin));

    // Escaped wide text is decoded and measured on one line, with less extra width.
    Window.ActivateHint({100, 100, 100, 100}, "|\\0041004200430044");
    EXPECT_EQ(Window.width(), Window.TextWidth() + 8);
    EXPECT_GT(Window.TextWidth(), 0);
}

TEST_F(HTMLHintWindow, LongTextIsMeasuredWrappedButPaintedOnOneLineWithAnEllipsis) {
    QString words;
    while (QFontMetrics(Window.font()).horizontalAdvance(words) < 1100) words += QStringLiteral("word ");
    Window.ActivateHint({0, 0, 0, 0}, words);
    EXPECT_LE(Window.TextWidth(), THTMLHintWindow::kMeasureWidth);
    const int lineHeight = Window.CalcHintRect(2000, words, nullptr).Height();
    EXPECT_GE(Window.TextHeight(), 2 * lineHeight);
    // The second line stays empty: only the first is painted.
    const QImage image = Painted();
    const int top = (Window.height() - Window.TextHeight()) / 2;
    const QRect secondLine(8, top + lineHeight + 1, Window.width() - 16, lineHeight - 2);
    EXPECT_FALSE(HasColorIn(image, secondLine, 0x000000));
    EXPECT_TRUE(HasColorIn(image, QRect(8, top, Window.width() - 16, lineHeight), 0x000000));
}

TEST_F(HTMLHintWindow, KeepsInsideTheScreensRightAndBottomEdges) {
    const struct {
        const char* name;
        TPoint at;
        bool movedLeft;
        bool movedUp;
    } cases[] = {
        {"inside", {100, 100}, false, false},
        {"at the right edge", {790, 100}, true, false},
        {"at the bottom", {100, 595}, false, true},
        {"in the corner", {790, 595}, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Window.ActivateHint({c.at.X, c.at.Y, c.at.X, c.at.Y}, "some hint text");
        const QRect g = Window.geometry();
        if (c.movedLeft)
            EXPECT_EQ(g.x() + g.width(), kScreen.Right - 2);
        else
            EXPECT_EQ(g.x(), c.at.X);
        if (c.movedUp)
            EXPECT_EQ(g.y() + g.height(), kScreen.Bottom - 2);
        else
            EXPECT_EQ(g.y(), c.at.Y);
    }
}

TEST_F(HTMLHintWindow, PaintsTheEdgeTheBackgroundAndBlueAnchors) {
    Window.SetColor(clYellow);
    Window.ActivateHint({10, 10, 10, 10}, "see <a href=\"https://example.com\">here</a>");
    const QImage image = Painted();
    // Light edge on the top and left, dark on the bottom and right, the colour inside.
    EXPECT_EQ(image.pixel(0, 1) & 0xFFFFFF, ToQColor(cl3DLight).rgb() & 0xFFFFFF);
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1) & 0xFFFFFF, ToQColor(cl3DDkShadow).rgb() & 0xFFFFFF);
    EXPECT_EQ(image.pixel(2, 2) & 0xFFFFFF, 0xFFFF00u);
    EXPECT_TRUE(HasColorIn(image, image.rect(), 0x0000FF));
}

class HintGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    using TExStringGrid::CancelShownHint;
};

TEST(GridHTMLHints, AMiniHtmlCellHintShowsInTheGridsHintWindow) {
    SetScreenWorkAreaSource([](TPoint) { return std::optional<TRect>(TRect{0, 0, 4000, 3000}); });
    QWidget form;
    form.resize(420, 300);
    auto* grid = new HintGrid(nullptr, &form);
    grid->setGeometry(10, 10, 400, 280);
    grid->SetShowHint(true);
    grid->SetHintShowCells(true);
    grid->SetHTMLHint(true);  // the cell's text as written, tags and all
    grid->SetCells(2, 2, "<b>bold</b> cell");
    form.show();
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    const TRect cell = grid->CellRect(2, 2);
    const QPoint at(cell.Left + 3, cell.Top + 3);
    QHelpEvent help(QEvent::ToolTip, at, grid->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(grid->viewport(), &help);
    THTMLHintWindow* window = grid->HTMLHintWindow();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Caption(), "<b>bold</b> cell");
    grid->CancelShownHint();
    EXPECT_FALSE(window->isVisible());
    // Shown again, it goes when the mouse leaves the cells.
    QCoreApplication::sendEvent(grid->viewport(), &help);
    ASSERT_TRUE(window->isVisible());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(grid->viewport(), &leave);
    EXPECT_FALSE(window->isVisible());
    SetScreenWorkAreaSource({});
}

TEST(GridHTMLHints, UseHTMLHintsShowsEveryControlsHintInTheHTMLWindow) {
    QWidget form;
    form.resize(300, 200);
    auto* grid = new TExStringGrid(nullptr, &form);
    grid->setGeometry(0, 0, 200, 150);
    auto* button = new QWidget(&form);
    button->setGeometry(210, 10, 80, 30);
    button->setToolTip("<b>bold</b> hint");
    form.show();
    auto hintWindow = [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* hint = dynamic_cast<THTMLHintWindow*>(w); hint && hint->isVisible()) return hint;
        return static_cast<THTMLHintWindow*>(nullptr);
    };
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
    grid->SetUseHTMLHints(true);
    QCoreApplication::sendEvent(button, &help);
    THTMLHintWindow* shown = hintWindow();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->Caption(), "<b>bold</b> hint");
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
    EXPECT_EQ(hintWindow(), nullptr);

    grid->SetUseHTMLHints(false);
    QCoreApplication::sendEvent(button, &help);
    EXPECT_EQ(hintWindow(), nullptr);
    QToolTip::hideText();
}

}  // namespace

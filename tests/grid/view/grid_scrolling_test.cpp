// Scrolling moves the picture on screen and paints only what it uncovers; the result
// must be the picture a full repaint gives, pixel for pixel.

#include "grid/core/string_grid.h"
#include "knx_rule_table_fixture.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Records the areas the viewport is asked to paint.
class PaintRecorder : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) Regions.push_back(static_cast<QPaintEvent*>(event)->region());
        return false;
    }
    std::vector<QRegion> Regions;
};

class GridScrolling : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<QWidget>();
        // The grid stands below and right of the window's corner, as in a dialog: the area
        // a paint covers is in the grid's coordinates, not the window's.
        Form->resize(380, 330);
        Grid = new TExStringGrid(nullptr, Form.get());
        Grid->setGeometry(20, 70, 360, 260);
        Grid->SetColCount(12);
        Grid->SetRowCount(60);
        for (int c = 0; c < 12; ++c) Grid->SetColWidths(c, 40 + 7 * (c % 4));
        for (int r = 0; r < 60; ++r) {
            Grid->SetRowHeights(r, 18 + 5 * (r % 3));
            for (int c = 0; c < 12; ++c) Grid->SetCells(c, r, QString("r%1 c%2").arg(r).arg(c));
        }
        Grid->SetColors(3, 4, TColor(0x40C0FF));
        Grid->SetColors(5, 9, TColor(0xFF8040));
        Form->show();
        Settle();
    }
    void Settle() {
        for (int i = 0; i < 4; ++i) QCoreApplication::processEvents();
    }
    // What the screen shows of the viewport, against a fresh full paint of it.
    void ExpectScreenEqualsFullRepaint(const char* step) {
        Settle();
        QWidget* view = Grid->viewport();
        const QPoint origin = view->mapTo(Form.get(), QPoint(0, 0));
        const QImage screen = QGuiApplication::primaryScreen()
                                  ->grabWindow(Form->winId(), origin.x(), origin.y(), view->width(), view->height())
                                  .toImage()
                                  .convertToFormat(QImage::Format_RGB32);
        const QImage full = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(screen.size(), full.size()) << step;
        EXPECT_TRUE(screen == full) << step;
    }

    std::unique_ptr<QWidget> Form;
    TExStringGrid* Grid = nullptr;
};

TEST_F(GridScrolling, ASequenceOfScrollsShowsWhatAFullRepaintShows) {
    const struct {
        const char* name;
        int top;
        int left;
    } steps[] = {
        {"one row down", 2, 1},      {"three rows down", 5, 1},  {"two rows up", 3, 1},
        {"one column right", 3, 2},  {"two columns right", 3, 4}, {"one column left", 3, 3},
        {"a page down", 13, 3},      {"back to the top", 1, 1},   {"to the end", 59, 11},
    };
    for (const auto& step : steps) {
        Grid->SetTopRow(step.top);
        Grid->SetLeftCol(step.left);
        ExpectScreenEqualsFullRepaint(step.name);
    }
}

TEST_F(GridScrolling, OneRowPaintsOnlyTheUncoveredStrip) {
    PaintRecorder recorder;
    Grid->viewport()->installEventFilter(&recorder);
    Grid->SetTopRow(2);
    Settle();
    ASSERT_FALSE(recorder.Regions.empty());
    const QRect painted = recorder.Regions.back().boundingRect();
    EXPECT_LE(painted.height(), Grid->RowHeights(1) + 1);
    EXPECT_GE(painted.top(), Grid->viewport()->height() - Grid->RowHeights(1) - 1);
    Grid->viewport()->removeEventFilter(&recorder);
}

// The rule editor's table with default settings (check boxes, combo buttons, column
// colours) must still shift its picture rather than repaint it whole.
TEST_F(GridScrolling, TheRuleTableShiftsItsPictureByOneRow) {
    Form = std::make_unique<QWidget>();
    Form->resize(800, 400);
    Grid = new TExStringGrid(nullptr, Form.get());
    Grid->setGeometry(0, 0, 800, 400);
    BuildKnxRuleTable(*Grid, 200, 200);
    Form->show();
    Settle();
    PaintRecorder recorder;
    Grid->viewport()->installEventFilter(&recorder);
    Grid->SetTopRow(2);
    Settle();
    ASSERT_FALSE(recorder.Regions.empty());
    const QRect painted = recorder.Regions.back().boundingRect();
    EXPECT_LE(painted.height(), Grid->RowHeights(1) + 1);
    EXPECT_GE(painted.top(), Grid->viewport()->height() - Grid->RowHeights(1) - 1);
    Grid->viewport()->removeEventFilter(&recorder);
    ExpectScreenEqualsFullRepaint("rule table one row down");
}

TEST_F(GridScrolling, WhatIsNotAttachedToTheCellsFallsBackToAFullRepaint) {
    PaintRecorder recorder;
    Grid->viewport()->installEventFilter(&recorder);
    const struct {
        const char* name;
        std::function<void()> set;
        std::function<void()> undo;
    } cases[] = {
        {"merged area", [&] { Grid->MergeCells(2, 6, 2, 3); }, [&] { Grid->SplitCells(2, 6); }},
        {"background gradient",
         [&] {
             Grid->BackGround()->Display = bdGradientVert;
             Grid->BackGround()->ColorTo = TColor(0x00FF00);
         },
         [&] { Grid->BackGround()->ColorTo = clNone; }},
        {"floating footer", [&] { Grid->FloatingFooter()->Visible = true; }, [&] { Grid->FloatingFooter()->Visible = false; }},
    };
    int top = 1;
    for (const auto& c : cases) {
        c.set();
        Settle();
        recorder.Regions.clear();
        Grid->SetTopRow(++top);
        Settle();
        ASSERT_FALSE(recorder.Regions.empty()) << c.name;
        EXPECT_EQ(recorder.Regions.back().boundingRect(), Grid->viewport()->rect()) << c.name;
        ExpectScreenEqualsFullRepaint(c.name);
        c.undo();
    }
    Grid->viewport()->removeEventFilter(&recorder);
}

}  // namespace

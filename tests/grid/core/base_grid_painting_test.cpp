// Base grid cell painting, rendered offscreen and probed pixel by pixel: merged areas
// are painted once per pass as one cell, also from a scrolled-away base, and a hidden
// last row is a plain area.

#include "grid_fixture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QScrollBar>
#include <map>

namespace {

// The fixture with its merged area painted red, counting the content drawn per cell.
class PaintedGrid : public FixtureGrid {
public:
    std::map<std::pair<int, int>, int> ContentDrawn;

    void GetVisualProperties(int ACol, int ARow, TGridDrawState&, bool, bool, bool, TBrush& ABrush, TColor&, TColor&,
                             TColor&, TFont&, TAlignment&, TVAlignment&, bool&, TCellGradientDirection&) override {
        if (IsMergedCell(ACol, ARow)) ABrush.Color = clRed;
        else if (ACol >= FixedCols() && ARow >= FixedRows()) ABrush.Color = clWhite;
    }
    void DrawGridCell(TCanvas& Canvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) override {
        ++ContentDrawn[{ACol, ARow}];
        FixtureGrid::DrawGridCell(Canvas, ACol, ARow, ARect, AState);
    }

    int Drawn(int c, int r) const {
        const auto it = ContentDrawn.find({c, r});
        return it == ContentDrawn.end() ? 0 : it->second;
    }
    QImage Render() {
        QImage image(viewport()->size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        viewport()->render(&image);
        return image;
    }
};

TColor Pixel(const QImage& image, int x, int y) { return FromQColor(image.pixelColor(x, y)); }

class BaseGridPaintingTest : public ::testing::Test {
protected:
    void SetUp() override {
        Grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        Grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        Grid.resize(200, 100);
        Grid.show();
    }
    PaintedGrid Grid;
};

TEST_F(BaseGridPaintingTest, AMergedAreaIsPaintedOncePerPassAsOneCell) {
    // Columns are 40 wide and rows 20 high: the area (2, 2)-(3, 3) covers x 80..159, y 40..79.
    QImage image = Grid.Render();
    EXPECT_EQ(Grid.Drawn(2, 2), 1);
    EXPECT_EQ(Grid.Drawn(3, 2) + Grid.Drawn(2, 3) + Grid.Drawn(3, 3), 0);
    // Inside the area, where the lines between its cells would be, it is all one fill.
    EXPECT_EQ(Pixel(image, 119, 50), clRed);
    EXPECT_EQ(Pixel(image, 100, 59), clRed);
    // Its own lines are at its right and bottom edges; a normal cell keeps its lines.
    EXPECT_EQ(Pixel(image, 159, 50), Grid.GridLineColor());
    EXPECT_EQ(Pixel(image, 100, 79), Grid.GridLineColor());
    EXPECT_EQ(Pixel(image, 119, 30), Grid.GridLineColor());
    EXPECT_EQ(Pixel(image, 110, 30), clWhite);

    Grid.Render();  // the next pass paints it again, once
    EXPECT_EQ(Grid.Drawn(2, 2), 2);
}

TEST_F(BaseGridPaintingTest, AnAreaWithItsBaseScrolledAwayIsPaintedFromItsFirstVisibleCell) {
    Grid.SplitCells(2, 2);
    Grid.SetRowCount(12);
    Grid.MergeCells(1, 2, 2, 3);  // rows 2..4
    Grid.SetTopRow(3);            // row 2 is scrolled away; row 3 is drawn at y 20..39
    ASSERT_EQ(Grid.TopRow(), 3);
    const QImage image = Grid.Render();
    EXPECT_EQ(Grid.Drawn(1, 2), 1);
    for (int r = 3; r <= 4; ++r) EXPECT_EQ(Grid.Drawn(1, r) + Grid.Drawn(2, r), 0) << r;
    EXPECT_EQ(Pixel(image, 60, 30), clRed);
    EXPECT_EQ(Pixel(image, 79, 45), clRed);
    // The part of the area behind the fixed row stays under it.
    EXPECT_NE(Pixel(image, 60, 10), clRed);
    EXPECT_EQ(Pixel(image, 60, 59), Grid.GridLineColor());  // the area's bottom edge
}

TEST_F(BaseGridPaintingTest, AnAreaPaintedElsewhereBetweenTwoPassesIsStillPaintedOnTheScreen) {
    Grid.Render();
    // A non-base cell of the area painted onto another canvas (a drag image, printing).
    QImage other(200, 100, QImage::Format_RGB32);
    QPainter painter(&other);
    TCanvas canvas(&painter);
    Grid.PaintCell(canvas, 3, 3, Rect(0, 0, 40, 20), TGridDrawState());
    Grid.PaintCellExt(canvas, 3, 2, Rect(0, 0, 40, 20), TGridDrawState());
    painter.end();

    const int drawnBefore = Grid.Drawn(2, 2);
    const QImage image = Grid.Render();
    EXPECT_EQ(Grid.Drawn(2, 2), drawnBefore + 1);
    EXPECT_EQ(Pixel(image, 119, 50), clRed);
}

TEST_F(BaseGridPaintingTest, AWideGridLineStaysInsideItsCell) {
    Grid.SetGridLineWidth(3);
    const QImage image = Grid.Render();
    // Cell (1, 1) covers y 20..39: its bottom line takes y 37..39, row 2 starts white.
    EXPECT_EQ(Pixel(image, 60, 37), Grid.GridLineColor());
    EXPECT_EQ(Pixel(image, 60, 39), Grid.GridLineColor());
    EXPECT_EQ(Pixel(image, 60, 36), clWhite);
    EXPECT_EQ(Pixel(image, 60, 42), clWhite);
}

// Collects the regions the grid's viewport is asked to paint.
class PaintRecorder : public QObject {
public:
    QRegion Painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) Painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

TEST_F(BaseGridPaintingTest, AChangedCellRepaintsTheVisiblePartOfItsArea) {
    Grid.SplitCells(2, 2);
    Grid.SetRowCount(1000);
    Grid.MergeCells(1, 1, 1, 998);  // column 1 (x 40..79), rows 1..998
    Grid.SetTopRow(500);            // the area fills the scrolled rows, y 20..99
    QApplication::processEvents();
    PaintRecorder recorder;
    Grid.viewport()->installEventFilter(&recorder);

    // A cell of the area far from the view repaints the area's part on the screen.
    Grid.CellProperties(1, 900)->SetBrushColor(clBlue);
    QApplication::processEvents();
    EXPECT_EQ(recorder.Painted, QRegion(40, 20, 40, 80));

    // A cell out of view outside any area repaints nothing.
    recorder.Painted = QRegion();
    Grid.CellProperties(3, 900)->SetBrushColor(clBlue);
    QApplication::processEvents();
    EXPECT_TRUE(recorder.Painted.isEmpty());
}

TEST_F(BaseGridPaintingTest, AHiddenLastRowIsAPlainArea) {
    Grid.FHideLastRow = true;
    const QImage image = Grid.Render();
    for (int c = 0; c < Grid.ColCount(); ++c) EXPECT_EQ(Grid.Drawn(c, 3), 0) << c;
    // Row 3 (y 60..79) in the grid's colour, without lines; the merged area reaching into
    // it is painted from its base and the last row paints over its lower half.
    EXPECT_EQ(Pixel(image, 50, 70), clWhite);
    EXPECT_EQ(Pixel(image, 79, 79), clWhite);
    EXPECT_EQ(Pixel(image, 50, 59), Grid.GridLineColor());
}

TEST_F(BaseGridPaintingTest, ZeroSizedLinesPaintNothingAndAreasStillShow) {
    Grid.SetColWidths(2, 0);  // the area's base column
    Grid.SetRowHeights(1, 0);
    const QImage image = Grid.Render();
    EXPECT_EQ(Grid.Drawn(2, 1), 0);
    // The area now covers x 80..119 (column 3) and y 20..59.
    EXPECT_EQ(Pixel(image, 100, 30), clRed);
    EXPECT_EQ(Grid.Drawn(2, 2), 1);
}

TEST_F(BaseGridPaintingTest, WideGridLinesShrinkTheContent) {
    TRect content;
    struct Probe : PaintedGrid {
        TRect* Seen;
        explicit Probe(TRect* seen) : Seen(seen) {}
        void DrawGridCell(TCanvas&, int ACol, int ARow, TRect ARect, TGridDrawState) override {
            if (ACol == 1 && ARow == 1) *Seen = ARect;
        }
    } grid(&content);
    grid.resize(200, 100);
    grid.SetGridLineWidth(3);
    grid.Render();
    EXPECT_EQ(content, (TRect{40 + 3, 20 + 3, 80 - 3, 40 - 3}));
}

}  // namespace

namespace {

// A plain grid of 6 x 5 cells of 40 x 20 pixels, normal cells white.
class LookGrid : public TBaseGrid {
public:
    LookGrid() : TBaseGrid(nullptr) {
        SetColCount(6);
        SetRowCount(5);
        SetDefaultColWidth(40);
        SetDefaultRowHeight(20);
        SetColor(clWhite);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        resize(240, 100);
        show();
    }
    void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool, bool, bool, TBrush& ABrush, TColor&,
                             TColor&, TColor&, TFont&, TAlignment&, TVAlignment&, bool&, TCellGradientDirection&) override {
        if (!AState.Contains(gdFixed) && !AState.Contains(gdSelected)) ABrush.Color = clWhite;
        (void)ACol;
        (void)ARow;
    }
    QImage Render() {
        QImage image(viewport()->size(), QImage::Format_RGB32);
        viewport()->render(&image);
        return image;
    }
    // The middle of a cell on the screen.
    QPoint Middle(int c, int r) const {
        const TRect rect = CellRect(c, r);
        return {rect.Left + rect.Width() / 2, rect.Top + rect.Height() / 2};
    }
    using TBaseGrid::FHoverRowIdx;
    using TBaseGrid::FShowSel;
};

TColor At(const QImage& image, QPoint p) { return FromQColor(image.pixelColor(p)); }

TEST(BaseGridLooks, ActiveRowTakesItsColoursExceptTheCurrentCell) {
    LookGrid grid;
    grid.SetActiveRowColor(clLime);
    grid.SetActiveRowShow(true);
    grid.SetCol(2);
    grid.SetRow(2);
    QImage image = grid.Render();
    EXPECT_EQ(At(image, grid.Middle(1, 2)), clLime);
    EXPECT_EQ(At(image, grid.Middle(4, 2)), clLime);
    EXPECT_NE(At(image, grid.Middle(2, 2)), clLime);
    EXPECT_NE(At(image, grid.Middle(0, 2)), clLime);  // fixed column
    EXPECT_EQ(At(image, grid.Middle(4, 3)), clWhite);
    grid.FShowSel = false;  // with the selection hidden the current cell takes them too
    image = grid.Render();
    EXPECT_EQ(At(image, grid.Middle(2, 2)), clLime);
}

TEST(BaseGridLooks, HoverRowCellsChooseWhichCellsTakeTheHoverColour) {
    LookGrid grid;
    grid.SetHoverRow(true);
    grid.SetHoverRowColor(clAqua);
    grid.SetHoverRowCells({hcNormal});
    grid.FHoverRowIdx = 1;  // the current cell (1, 1) is selected
    const QImage image = grid.Render();
    EXPECT_EQ(At(image, grid.Middle(3, 1)), clAqua);
    EXPECT_NE(At(image, grid.Middle(1, 1)), clAqua);
    EXPECT_NE(At(image, grid.Middle(0, 1)), clAqua);
    EXPECT_EQ(At(image, grid.Middle(3, 2)), clWhite);
}

TEST(BaseGridLooks, SelectionStyleDrawsOneBoxOverTheSelectedColumns) {
    LookGrid grid;
    grid.SetSelectionStyle(ssVista);
    grid.SetSelection({2, 2, 4, 2});
    const QImage image = grid.Render();
    const TColor border = 0xD9D9D9;  // the grid has no focus: the unfocused colours
    auto leftEdge = [&](int c) { return At(image, {grid.CellRect(c, 2).Left, grid.Middle(c, 2).y()}); };
    auto rightEdge = [&](int c) { return At(image, {grid.CellRect(c, 2).Right - 2, grid.Middle(c, 2).y()}); };
    EXPECT_EQ(leftEdge(2), border);  // left end
    EXPECT_NE(rightEdge(2), border);
    EXPECT_NE(leftEdge(3), border);  // middle segment
    EXPECT_NE(rightEdge(3), border);
    EXPECT_NE(leftEdge(4), border);  // right end
    EXPECT_EQ(rightEdge(4), border);
}

}  // namespace

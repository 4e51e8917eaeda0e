// Pixel probes on offscreen renders of the shared fixture grid, and the order in which
// one cell's drawing fires its events.

#include "../core/grid_fixture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

QImage Render(TExStringGrid& grid) {
    QImage image(grid.viewport()->size(), QImage::Format_RGB32);
    grid.viewport()->render(&image);
    return image;
}

void ShowGrid(TExStringGrid& grid) {
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.resize(260, 160);
    grid.show();
    QApplication::processEvents();
}

// Fixed cell (1, 0) covers x 40..79, y 0..19: its white left edge line (the raised edge
// of the classic look) sits at x 40, the closing line of the classic look at x 79.
TEST(CellDrawingPixels, FixedCellEdgesPerLook) {
    const struct {
        TGridLook look;
        bool flat;
        bool whiteLeftEdge;
        bool blackRightEdge;
    } cases[] = {
        {glXP, false, true, false},      {glZRT, false, true, false},       {glSoft, false, true, false},
        {glClassic, false, true, true}, {glStandard, false, false, false}, {glXP, true, false, false},
        {glClassic, true, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(TExStringGrid::LookToString(c.look).toStdString() + (c.flat ? " flat" : ""));
        StringGridFixture grid;
        grid.SetLook(c.look);
        grid.SetFixedColor(0x808080);
        grid.SetFlat(c.flat);
        ShowGrid(grid);
        const QImage image = Render(grid);
        EXPECT_EQ(FromQColor(image.pixelColor(40, 10)) == clWhite, c.whiteLeftEdge);
        EXPECT_EQ(FromQColor(image.pixelColor(79, 10)) == clBlack, c.blackRightEdge);
    }
}

TEST(CellDrawingPixels, AModifiedRowShowsItsBarInColumnZero) {
    StringGridFixture grid;
    grid.ShowModified()->Enabled = true;
    grid.ShowModified()->Color = clLime;
    grid.SetRowModified(2, true);
    ShowGrid(grid);
    const QImage image = Render(grid);
    // Column 0 covers x 0..39: the bar is the 4 pixels left of the content's right edge.
    EXPECT_EQ(FromQColor(image.pixelColor(36, 50)), clLime);
    EXPECT_NE(FromQColor(image.pixelColor(30, 50)), clLime);
    EXPECT_NE(FromQColor(image.pixelColor(36, 30)), clLime) << "row 1 is not modified";
    EXPECT_NE(FromQColor(image.pixelColor(76, 50)), clLime) << "only column 0";
}

// A 6 x 6 red square with a white top-left pixel (the transparent colour) on the current
// row's fixed cell: it sits 2 pixels inside the left edge, placed by VAlignment, and the
// cell's text moves right past it.
TEST(CellDrawingPixels, RowIndicatorStandsInTheFixedColumnOfTheCurrentRow) {
    QImage indicator(6, 6, QImage::Format_RGB32);
    indicator.fill(Qt::red);
    indicator.setPixelColor(0, 0, Qt::white);
    const struct {
        TVAlignment va;
        int top;  // first red row inside the row-2 cell (y 40..59)
    } cases[] = {{vtaTop, 40}, {vtaCenter, 47}, {vtaBottom, 53}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.va));
        StringGridFixture grid;
        grid.SetVAlignment(c.va);
        grid.SetRowIndicator(indicator);
        grid.SetRow(2);
        ShowGrid(grid);
        const QImage image = Render(grid);
        int firstRed = -1;
        for (int y = 40; y < 60 && firstRed < 0; ++y)
            if (image.pixelColor(4, y) == QColor(Qt::red)) firstRed = y;
        EXPECT_NEAR(firstRed, c.top, 1);
        EXPECT_NE(image.pixelColor(4, 28), QColor(Qt::red)) << "not on another row";
        EXPECT_NE(image.pixelColor(44, firstRed + 2), QColor(Qt::red)) << "not in a normal column";
    }
}

TEST(CellDrawingPixels, CellBordersFollowOnGetCellBorder) {
    StringGridFixture grid;
    grid.SetShowSelection(false);
    grid.OnGetCellBorder = [](TObject*, int ARow, int ACol, TPen* APen, TCellBorders& Borders) {
        if (ARow != 2 || ACol != 1) return;
        APen->Color = clRed;
        Borders = TCellBorders{cbLeft, cbBottom};
    };
    std::vector<std::pair<int, int>> propCalls;
    grid.OnGetCellBorderProp = [&](TObject*, int ARow, int ACol, TPen*, TPen*, TPen*, TPen* BottomPen) {
        propCalls.push_back({ARow, ACol});
        BottomPen->Color = clBlue;
    };
    ShowGrid(grid);
    const QImage image = Render(grid);
    // Cell (1, 2): x 40..79, y 40..59; the lines sit inside the grid lines.
    EXPECT_EQ(FromQColor(image.pixelColor(41, 50)), clRed);
    EXPECT_EQ(FromQColor(image.pixelColor(60, 58)), clBlue);
    EXPECT_NE(FromQColor(image.pixelColor(78, 50)), clRed) << "no right border asked";
    EXPECT_NE(FromQColor(image.pixelColor(41, 30)), clRed) << "the cell above has none";
    ASSERT_FALSE(propCalls.empty());
    EXPECT_EQ(propCalls.front(), std::make_pair(2, 1));
}

// The focus rectangle inverts dots along the current cell's frame; rendering it with and
// without HideFocusRect shows where it was drawn.
TEST(CellDrawingPixels, FocusRectangleOnlyWithFocusAndWithoutRowSelect) {
    const struct {
        const char* name;
        bool focus;
        bool rowSelect;
        bool drawn;
    } cases[] = {
        {"focused", true, false, true},
        {"row select", true, true, false},
        {"no focus", false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StringGridFixture grid;
        if (c.rowSelect) {
            TGridOptions options = grid.Options();
            options.Include(goRowSelect);
            grid.SetOptions(options);
        }
        ShowGrid(grid);
        if (c.focus) {
            grid.activateWindow();
            grid.setFocus();
            QApplication::processEvents();
            ASSERT_TRUE(grid.hasFocus());
        } else {
            grid.clearFocus();
            QApplication::processEvents();
            ASSERT_FALSE(grid.hasFocus());
        }
        const QImage shown = Render(grid);
        grid.SetHideFocusRect(true);
        const QImage hidden = Render(grid);
        int differing = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) != hidden.pixel(x, y)) {
                    ++differing;
                    // Only inside the current cell (1, 1): x 40..79, y 20..39.
                    EXPECT_TRUE(x >= 40 && x < 80 && y >= 20 && y < 40) << x << "," << y;
                }
        EXPECT_EQ(differing > 0, c.drawn);
    }
}

// A node over rows 1..3 of six: row 2 has a sibling below, so its branch line runs on
// through the cell's bottom; row 3 is the branch's last row, so its line stops at the
// middle; row 4 is outside the node and has none.
TEST(CellDrawingPixels, TreeLinesRunOnOnlyWhileTheBranchGoesOn) {
    StringGridFixture grid;
    grid.SetRowCount(6);
    grid.CellNode()->SetShowTree(true);
    grid.CellNode()->SetTreeColor(clRed);
    grid.AddNode(1, 3);
    ShowGrid(grid);
    grid.resize(260, 200);
    QApplication::processEvents();
    const QImage image = Render(grid);
    const int indent = grid.CellNode()->NodeIndent();
    // The branch line of level 1 stands near Left + indent / 2 + 2.
    auto redNear = [&](int row, int y) {
        const TRect cell = grid.CellRect(0, row);
        const int x = cell.Left + indent / 2 + 2;
        for (int dx = -2; dx <= 2; ++dx)
            if (FromQColor(image.pixelColor(x + dx, y)) == clRed) return true;
        return false;
    };
    const struct {
        int row;
        bool upper;  // a quarter down the cell
        bool lower;  // just above the cell's bottom
    } cases[] = {{2, true, true}, {3, true, false}, {4, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        const TRect cell = grid.CellRect(0, c.row);
        EXPECT_EQ(redNear(c.row, cell.Top + cell.Height() / 4), c.upper);
        EXPECT_EQ(redNear(c.row, cell.Bottom - 2), c.lower);
    }
}

TEST(CellDrawingEvents, OneCellFiresItsEventsInOrderWithTheirOwnParameterOrder) {
    StringGridFixture grid;
    std::vector<std::string> log;
    auto note = [&](const char* name, int a, int b) {
        log.push_back(std::string(name) + " " + std::to_string(a) + "," + std::to_string(b));
    };
    grid.OnGetCellColor = [&](TObject*, int ARow, int ACol, TGridDrawState, TBrush*, TFont*) {
        note("color", ARow, ACol);
    };
    grid.OnCustomCellBkgDraw = [&](TObject*, TCanvas*, int ACol, int ARow, TGridDrawState, TRect, bool Printing) {
        EXPECT_FALSE(Printing);
        note("background", ACol, ARow);
    };
    grid.OnGetCellBorder = [&](TObject*, int ARow, int ACol, TPen*, TCellBorders&) { note("border", ARow, ACol); };
    grid.OnDrawCell = [&](TObject*, int ACol, int ARow, TRect, TGridDrawState) { note("draw", ACol, ARow); };
    grid.OnCustomCellDraw = [&](TObject*, TCanvas*, int ACol, int ARow, TGridDrawState, TRect, bool) {
        note("custom", ACol, ARow);
    };
    QImage image(100, 40, QImage::Format_RGB32);
    QPainter painter(&image);
    TCanvas canvas(&painter);
    // Displayed column 2 of row 1 is real column 3.
    grid.PaintCell(canvas, 2, 1, {0, 0, 40, 20}, {});
    const std::vector<std::string> expected{"color 1,3",      "color 1,3", "background 3,1",
                                            "border 1,3",     "draw 3,1",  "custom 3,1"};
    EXPECT_EQ(log, expected);
}

TEST(CellDrawingEvents, NoDefaultDrawStillFiresTheDrawingEvents) {
    StringGridFixture grid;
    grid.SetNoDefaultDraw(true);
    int drawn = 0;
    grid.OnDrawCell = [&](TObject*, int, int, TRect Rect, TGridDrawState) {
        ++drawn;
        EXPECT_FALSE(Rect.IsEmpty());
    };
    QImage image(100, 40, QImage::Format_RGB32);
    QPainter painter(&image);
    TCanvas canvas(&painter);
    grid.PaintCell(canvas, 1, 1, {0, 0, 40, 20}, {});
    EXPECT_EQ(drawn, 1);
}

TEST(CellDrawingEvents, PaintingTheFilterRowAsksForEntriesButKeepsTheFilterList) {
    StringGridFixture grid;
    std::vector<int> asked;
    grid.OnGetColumnFilter = [&](TObject*, int Column, TStrings* Items) {
        asked.push_back(Column);
        Items->Add(QStringLiteral("entry"));
    };
    grid.FilterList()->Add(QStringLiteral("shown by an open drop-down"));
    QImage image(100, 40, QImage::Format_RGB32);
    QPainter painter(&image);
    TCanvas canvas(&painter);
    grid.PaintCell(canvas, 2, 0, {0, 0, 40, 20}, {});  // the filter row is row 0
    grid.PaintCell(canvas, 2, 1, {0, 20, 40, 40}, {});
    EXPECT_EQ(asked, std::vector<int>{3});
    ASSERT_EQ(grid.FilterList()->Count(), 1);
    EXPECT_EQ(grid.FilterList()->Strings(0), QStringLiteral("shown by an open drop-down"));
}

// Asks what the header painting asks.
template <class Fixture>
class FilterGlyphProbe : public Fixture {
public:
    using Fixture::Fixture;
    using Fixture::HasColumnFilter;
};

// The glyph shows exactly where the column has entries, whichever gives them (the
// automatic list, the handler, the column item), and painting the header leaves the list
// an open drop-down shows as it is.
TEST(CellDrawingEvents, FilterGlyphShowsWhereTheColumnHasEntries) {
    enum TSource { AutoList, HandlerEntry, HandlerNothing, ItemFilter, ItemWithoutFilter };
    const struct {
        const char* Name;
        TSource Source;
        bool Glyph;
    } cases[] = {
        {"automatic list", AutoList, true},
        {"handler adds an entry", HandlerEntry, true},
        {"handler adds nothing", HandlerNothing, false},
        {"column item with a filter", ItemFilter, true},
        {"column item without a filter, automatic list on", ItemWithoutFilter, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        std::unique_ptr<TExStringGrid> owned;
        std::function<bool(RealCol)> hasColumnFilter;
        if (c.Source == ItemFilter || c.Source == ItemWithoutFilter) {
            auto grid = std::make_unique<FilterGlyphProbe<ColumnGridFixture>>();
            if (c.Source == ItemFilter) grid->Columns()->Items(3)->Filter()->Add("Small=<10");
            else grid->SetFilterDropDownAuto(true);
            hasColumnFilter = [g = grid.get()](RealCol Column) { return g->HasColumnFilter(Column); };
            owned = std::move(grid);
        } else {
            auto grid = std::make_unique<FilterGlyphProbe<StringGridFixture>>();
            hasColumnFilter = [g = grid.get()](RealCol Column) { return g->HasColumnFilter(Column); };
            owned = std::move(grid);
        }
        TExStringGrid& grid = *owned;
        if (c.Source == AutoList) grid.SetFilterDropDownAuto(true);
        if (c.Source == HandlerEntry || c.Source == HandlerNothing)
            grid.OnGetColumnFilter = [&c](TObject*, int, TStrings* Items) {
                if (c.Source == HandlerEntry) Items->Add(QStringLiteral("entry"));
            };
        grid.FilterList()->Add(QStringLiteral("shown by an open drop-down"));
        EXPECT_EQ(hasColumnFilter(RealCol(3)), c.Glyph);
        QImage image(60, 24, QImage::Format_RGB32);
        QPainter painter(&image);
        TCanvas canvas(&painter);
        grid.PaintCell(canvas, grid.DisplColIndex(3), 0, {0, 0, 60, 24}, {});
        ASSERT_EQ(grid.FilterList()->Count(), 1);
        EXPECT_EQ(grid.FilterList()->Strings(0), QStringLiteral("shown by an open drop-down"));
    }
}

}  // namespace

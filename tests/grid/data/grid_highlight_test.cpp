// Highlighting and marking of occurrences: what a cell holds while wrapped, that removal
// gives back every text byte for byte, which cells each range reaches, and that the
// grid paints a highlight in its highlight colour.

#include "grid/core/grid_fixture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

namespace {

TEST(GridHighlightText, WrapsOccurrencesOutsideTagsAndRemovesThem) {
    struct Case {
        QString text, search;
        bool doCase;
        QString highlighted;
    };
    const Case cases[] = {
        {"xAByab", "ab", false, "x<hi>AB</hi>y<hi>ab</hi>"},
        {"xAByab", "ab", true, "xABy<hi>ab</hi>"},
        {"aa", "a", false, "<hi>a</hi><hi>a</hi>"},
        {"none here", "zz", false, "none here"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TExStringGrid::HilightText(c.doCase, c.text, c.search), c.highlighted) << c.text.toStdString();
        QString marked = c.highlighted;
        marked.replace("hi>", "e>");
        EXPECT_EQ(TExStringGrid::MarkText(c.doCase, c.text, c.search), marked) << c.text.toStdString();
        EXPECT_EQ(TExStringGrid::UnHilightText(c.highlighted), c.text) << c.text.toStdString();
        EXPECT_EQ(TExStringGrid::UnMarkText(marked), c.text) << c.text.toStdString();
    }
    EXPECT_EQ(TExStringGrid::UnHilightText("<HI>a</Hi> &lt;b&gt;"), "a <b>");
}

class HighlightCells : public ::testing::Test {
protected:
    TExStringGrid Grid{nullptr};
    int Changes = 0;
    void SetUp() override {
        Grid.SetColCount(2);
        Grid.SetRowCount(2);
        Grid.OnCellsChanged = [this](TObject*, TRect) { ++Changes; };
    }
};

TEST_F(HighlightCells, OnlyMatchingCellsAreRewrittenAndRemovalGivesEveryTextBack) {
    struct Case {
        QString text, search;
        bool doCase;
        QString wrapped;  // empty: the cell is left alone
    };
    const Case cases[] = {
        {"xAByab", "ab", false, "x<hi>AB</hi>y<hi>ab</hi>"},
        {"aa", "a", false, "<hi>a</hi><hi>a</hi>"},
        {"a<b", "a", false, "<hi>a</hi>&lt;b"},
        {"a<b", "z", false, ""},
        {"&amp;", "z", false, ""},
        {"&amp; x", "x", false, "&amp;amp; <hi>x</hi>"},
        {"&lt;tag&gt;", "tag", false, "&amp;lt;<hi>tag</hi>&amp;gt;"},
        {"<b>ab</b>", "ab", false, "&lt;b&gt;<hi>ab</hi>&lt;/b&gt;"},
        {"say \"a&b\"", "a&b", false, "say &quot;<hi>a&amp;b</hi>&quot;"},
        {"AB ab", "ab", true, "AB <hi>ab</hi>"},
        {"line\r\nbreak", "break", false, "line\r\n<hi>break</hi>"},
        {"", "a", false, ""},
        {"x", "", false, ""},
    };
    for (const Case& c : cases) {
        Grid.SetCells(1, 1, c.text);
        Changes = 0;
        Grid.HilightInCell(c.doCase, 1, 1, c.search);
        EXPECT_EQ(Grid.Cells(1, 1), c.wrapped.isEmpty() ? c.text : c.wrapped) << c.text.toStdString();
        if (c.wrapped.isEmpty()) EXPECT_EQ(Changes, 0) << "a cell without a match is not written";
        Grid.UnHilightInCell(1, 1);
        EXPECT_EQ(Grid.Cells(1, 1), c.text) << c.text.toStdString();

        Grid.MarkInCell(c.doCase, 1, 1, c.search);
        QString marked = c.wrapped;
        marked.replace("hi>", "e>");
        EXPECT_EQ(Grid.Cells(1, 1), c.wrapped.isEmpty() ? c.text : marked) << c.text.toStdString();
        Grid.UnMarkInCell(1, 1);
        EXPECT_EQ(Grid.Cells(1, 1), c.text) << c.text.toStdString();
    }
}

TEST_F(HighlightCells, LayersComeOffOneByOneAndAgainHighlightingReplacesTheOld) {
    Grid.SetCells(1, 1, "a & b");
    Grid.HilightInCell(false, 1, 1, "a");
    Grid.HilightInCell(false, 1, 1, "b");
    EXPECT_EQ(Grid.Cells(1, 1), "a &amp; <hi>b</hi>");
    Grid.MarkInCell(false, 1, 1, "amp");
    Grid.UnMarkInCell(1, 1);
    EXPECT_EQ(Grid.Cells(1, 1), "a &amp; <hi>b</hi>");
    Grid.UnHilightInCell(1, 1);
    EXPECT_EQ(Grid.Cells(1, 1), "a & b");
    Grid.UnHilightInCell(1, 1);
    EXPECT_EQ(Grid.Cells(1, 1), "a & b") << "a cell without the tag is left alone";
}

TEST_F(HighlightCells, TheStoredTextIsWrappedNotTheDisplayText) {
    Grid.OnGetDisplText = [](TObject*, int, int, QString& Value) { Value = Value.toUpper(); };
    Grid.SetCells(1, 1, "abc &amp;");
    Grid.HilightInCell(false, 1, 1, "b");
    EXPECT_EQ(Grid.GridCells(1, 1), "a<hi>b</hi>c &amp;amp;");
    Grid.UnHilightInCell(1, 1);
    EXPECT_EQ(Grid.GridCells(1, 1), "abc &amp;");
}

TEST(GridHighlightRanges, EachRangeReachesItsCells) {
    // Real column 2 hidden; every cell "c,r". The search "," is in every cell.
    struct Case {
        const char* name;
        std::function<void(StringGridFixture&)> wrap, unwrap;
        QString tag;
        bool fixedRow, fixedCol, hiddenCol, otherRow, otherCol;
    };
    const Case cases[] = {
        {"highlight in grid", [](auto& g) { g.HilightInGrid(false, false, ","); }, [](auto& g) { g.UnHilightInGrid(false); },
         "hi", false, false, true, true, true},
        {"highlight in grid with fixed", [](auto& g) { g.HilightInGrid(true, false, ","); },
         [](auto& g) { g.UnHilightInGrid(true); }, "hi", true, true, false, true, true},
        {"mark in grid", [](auto& g) { g.MarkInGrid(false, false, ","); }, [](auto& g) { g.UnMarkInGrid(false); }, "e",
         false, false, false, true, true},
        {"highlight in row", [](auto& g) { g.HilightInRow(false, false, 1, ","); }, [](auto& g) { g.UnHilightInRow(false, 1); },
         "hi", false, false, false, false, true},
        {"mark in column", [](auto& g) { g.MarkInCol(false, false, 1, ","); }, [](auto& g) { g.UnMarkInCol(false, 1); }, "e",
         false, false, false, true, false},
        {"highlight in column with fixed", [](auto& g) { g.HilightInCol(true, false, 1, ","); },
         [](auto& g) { g.UnHilightInCol(true, 1); }, "hi", true, false, false, true, false},
    };
    for (const Case& c : cases) {
        StringGridFixture grid;
        c.wrap(grid);
        auto wrapped = [&](int col, int row) { return grid.Cells(col, row).contains("<" + c.tag + ">"); };
        EXPECT_TRUE(wrapped(1, 1)) << c.name;
        EXPECT_EQ(wrapped(1, 0), c.fixedRow) << c.name;
        EXPECT_EQ(wrapped(0, 1), c.fixedCol) << c.name;
        EXPECT_EQ(wrapped(StringGridFixture::HiddenCol, 1), c.hiddenCol) << c.name;
        EXPECT_EQ(wrapped(1, 3), c.otherRow) << c.name;
        EXPECT_EQ(wrapped(3, 1), c.otherCol) << c.name;
        EXPECT_FALSE(grid.GridCells(4, 2).contains('<')) << c.name << ": only base cells of a merged area";
        // The removals reach hidden columns: a wrapped hidden cell comes back too.
        grid.WrapMatchesInRange(",", c.tag, false, StringGridFixture::HiddenCol, 1, StringGridFixture::HiddenCol, 1);
        c.unwrap(grid);
        if (QString(c.name).contains("grid") || QString(c.name).contains("row"))
            EXPECT_EQ(grid.Cells(StringGridFixture::HiddenCol, 1), "2,1") << c.name;
        for (int col = 0; col < 6; ++col)
            if (col != StringGridFixture::HiddenCol) EXPECT_EQ(grid.Cells(col, 1), QString("%1,1").arg(col)) << c.name;
    }
}

TEST(GridHighlightPaint, AHighlightIsPaintedInTheHighlightColour) {
    TExStringGrid grid(nullptr);
    grid.SetColCount(2);
    grid.SetRowCount(2);
    grid.SetColWidths(1, 200);
    grid.resize(300, 100);
    grid.SetHighlightColor(0x0000FF);  // red
    grid.SetCells(1, 1, "plain needle plain");
    grid.show();
    QApplication::processEvents();
    const TRect cell = grid.CellRect(1, 1);
    auto redPixels = [&] {
        const QImage image = grid.viewport()->grab().toImage();
        for (int x = cell.Left; x < cell.Right; ++x)
            for (int y = cell.Top; y < cell.Bottom; ++y)
                if (image.pixelColor(x, y) == QColor(255, 0, 0)) return true;
        return false;
    };
    EXPECT_FALSE(redPixels());
    grid.HilightInCell(false, 1, 1, "needle");
    EXPECT_TRUE(redPixels());
}

}  // namespace

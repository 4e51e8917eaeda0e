// Sizing columns and rows to their contents and fitting the columns into the control.
// Sizes depend on the platform's fonts, so the checks are relations: a longer text
// makes a wider column, limits hold, growing only never shrinks.

#include "grid/core/string_grid.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct AutoSizeGrid : TExStringGrid {
    AutoSizeGrid() : TExStringGrid(nullptr) {
        SetColCount(4);
        SetRowCount(4);
    }
    using TStringGrid::ShowEditor;
};

TEST(StringGridAutoSize, ColumnWidthFollowsTheWidestText) {
    AutoSizeGrid g;
    g.SetCells(1, 1, "a");
    g.AutoSizeCol(1);
    const int narrow = g.ColWidths(1);
    g.SetCells(1, 2, "a much longer text than before");
    g.AutoSizeCol(1);
    const int wide = g.ColWidths(1);
    EXPECT_GT(wide, narrow);
    g.SetCells(1, 2, "");
    g.AutoSizeCol(1);
    EXPECT_EQ(g.ColWidths(1), narrow);
    g.AutoSizeCol(1, 7);
    EXPECT_EQ(g.ColWidths(1), narrow + 7);
}

TEST(StringGridAutoSize, EmptyColumnGetsTheMarginsAndLimitsHold) {
    AutoSizeGrid g;
    g.AutoSizeCol(2);
    EXPECT_EQ(g.ColWidths(2), g.HorzTextMargin() + 2 * g.GridLineWidth() + 2);
    g.SetMinColWidth(30);
    g.AutoSizeCol(2);
    EXPECT_EQ(g.ColWidths(2), 30);
    // Equal limits mean no limit at all.
    g.SetMaxColWidth(30);
    g.AutoSizeCol(2);
    EXPECT_EQ(g.ColWidths(2), g.HorzTextMargin() + 2 * g.GridLineWidth() + 2);
    g.SetMinColWidth(0);
    g.SetMaxColWidth(12);
    g.SetCells(2, 1, "a text wider than twelve pixels");
    g.AutoSizeCol(2);
    EXPECT_EQ(g.ColWidths(2), 12);
}

TEST(StringGridAutoSize, SizeGrowOnlyKeepsAWideColumnWide) {
    AutoSizeGrid g;
    g.SetSizeGrowOnly(true);
    g.SetCells(1, 1, "a rather long text");
    g.AutoSizeCol(1);
    const int wide = g.ColWidths(1);
    g.SetCells(1, 1, "x");
    g.AutoSizeCol(1);
    EXPECT_EQ(g.ColWidths(1), wide);
}

TEST(StringGridAutoSize, RowsGrowWithLinesAndFontSize) {
    AutoSizeGrid g;
    g.SetCells(1, 1, "one");
    g.AutoSizeRow(1);
    const int single = g.RowHeights(1);
    g.SetCells(1, 1, "one\ntwo\nthree");
    g.AutoSizeRow(1);
    EXPECT_GT(g.RowHeights(1), single);
    g.SetCells(1, 2, "one");
    g.SetFontSizes(1, 2, 24);
    g.AutoSizeRow(2);
    EXPECT_GT(g.RowHeights(2), single);
}

TEST(StringGridAutoSize, AutoFitColumnsSpreadsTheWidthInProportion) {
    AutoSizeGrid g;
    g.SetColCount(3);
    g.SetFixedCols(0);
    TGridOptions options = g.Options();
    options.Exclude(goVertLine);
    options.Exclude(goFixedVertLine);
    g.SetOptions(options);
    g.SetScrollBars(ssNone);
    g.resize(220, 200);
    g.SetColWidths(0, 50);
    g.SetColWidths(1, 50);
    g.SetColWidths(2, 100);
    g.AutoFitColumns(true);
    EXPECT_EQ(g.ColWidths(0), 55);
    EXPECT_EQ(g.ColWidths(1), 55);
    EXPECT_EQ(g.ColWidths(2), 110);
}

TEST(StringGridAutoSize, SwapRowsAndColumnsCarryPropertiesTextsAndSizes) {
    AutoSizeGrid g;
    g.SetCells(1, 1, "a");
    g.SetColors(1, 1, clRed);
    g.SetRowHeights(1, 33);
    g.SetCells(1, 3, "b");
    g.SwapRows(1, 3);
    EXPECT_EQ(g.Cells(1, 3), "a");
    EXPECT_EQ(g.Colors(1, 3), clRed);
    EXPECT_EQ(g.RowHeights(3), 33);
    EXPECT_EQ(g.Cells(1, 1), "b");
    EXPECT_EQ(g.GridObjects(1, 1), nullptr);
    g.SetColWidths(1, 70);
    g.SwapColumns(1, 2);
    EXPECT_EQ(g.Cells(2, 3), "a");
    EXPECT_EQ(g.Colors(2, 3), clRed);
    EXPECT_EQ(g.GridObjects(1, 3), nullptr);
    EXPECT_EQ(g.ColWidths(2), 70);
}


TEST(StringGridAutoSize, TheFilterRowLeavesRoomForItsDropDownButton) {
    AutoSizeGrid g;
    g.ColumnSize()->SetRows(arAll);
    g.SetCells(1, 0, "A rather long header");
    g.SetCells(1, 1, "x");
    g.AutoSizeCol(1);
    const int plain = g.ColWidths(1);
    g.SetFilterDropDownAuto(true);
    g.AutoSizeCol(1);
    EXPECT_EQ(g.ColWidths(1), plain + 12);
    g.SetFilterDropDownRow(1);  // the button sits on the short text now
    g.AutoSizeCol(1);
    EXPECT_EQ(g.ColWidths(1), plain);
}

TEST(StringGridAutoSize, ARowGrownWhileTypingPlacesTheEditorOverItsCellAgain) {
    for (const bool sizeWhileTyping : {true, false}) {
        QWidget window;
        window.resize(320, 140);
        auto* grid = new AutoSizeGrid;
        grid->setParent(&window);
        grid->setGeometry(0, 0, 300, 120);
        grid->SetDefaultRowHeight(22);
        grid->SetOptions(grid->Options().Include(goEditing));
        grid->SizeWhileTyping()->SetHeight(sizeWhileTyping);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        grid->SetCells(1, 2, "one\ntwo\nthree\nfour\nfive");
        grid->SetCol(1);
        grid->SetRow(2);
        grid->ShowEditor();
        ASSERT_TRUE(grid->EditorMode());
        grid->InplaceEditor()->SetSelStart(0);  // the user's caret somewhere in the text
        const QString typed = grid->InplaceEditor()->Text();
        grid->SizeRowToContent(2, false);
        ASSERT_GT(grid->RowHeights(2), 22);
        EXPECT_TRUE(grid->EditorMode());
        EXPECT_EQ(grid->InplaceEditor()->Text(), typed);
        EXPECT_FALSE(grid->InplaceEditor()->SelLength() != 0);
        EXPECT_EQ(grid->InplaceEditor()->SelStart(), sizeWhileTyping ? typed.size() : 0);
    }
}

}  // namespace

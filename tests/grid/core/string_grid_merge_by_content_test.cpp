// Merging runs of equal cells of a column or row, splitting them again, re-merging the
// MergedColumns list, and joining two columns' texts.

#include "grid/core/column_grid.h"
#include "grid/core/string_grid.h"
#include "grid_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// One fixed row and column; the normal rows 1..6 of column 1 and 2 hold the texts given.
class MergeGrid : public TExStringGrid {
public:
    MergeGrid(const QStringList& first, const QStringList& second) : TExStringGrid(nullptr) {
        SetColCount(4);
        SetRowCount(int(first.size()) + 1);
        for (int r = 0; r < first.size(); ++r) {
            SetCells(1, r + 1, first[r]);
            SetCells(2, r + 1, second[r]);
        }
    }
};

// The vertical areas of a column as (first row, row count) pairs, top to bottom.
std::vector<std::pair<int, int>> ColumnAreas(TExStringGrid& grid, int col) {
    std::vector<std::pair<int, int>> areas;
    for (int r = 0; r < grid.RowCount(); ++r) {
        if (!grid.IsYMergedCell(col, r) || grid.BaseCell(col, r).Y != r) continue;
        areas.push_back({r, grid.CellSpan(col, r).Y + 1});
    }
    return areas;
}

using Areas = std::vector<std::pair<int, int>>;

TEST(MergeByContent, MainColumnSetsGroupsAndTheNextSubdividesThem) {
    MergeGrid grid({"A", "A", "B", "B", "B", "C"}, {"x", "x", "x", "x", "y", "y"});
    grid.MergeColumnCells(1, true);
    EXPECT_EQ(ColumnAreas(grid, 1), (Areas{{1, 2}, {3, 3}}));
    grid.MergeColumnCells(2, false);
    // x over rows 1-2 (area A) and 3-4 (area B); the y cells lie in B and C: single.
    EXPECT_EQ(ColumnAreas(grid, 2), (Areas{{1, 2}, {3, 2}}));
    EXPECT_FALSE(grid.IsMergedCell(2, 5));
    EXPECT_FALSE(grid.IsMergedCell(2, 6));
    EXPECT_TRUE(MergeIndexIsConsistent(grid));

    grid.SplitColumnCells(1);
    EXPECT_TRUE(ColumnAreas(grid, 1).empty());
    EXPECT_EQ(ColumnAreas(grid, 2), (Areas{{1, 2}, {3, 2}}));
    EXPECT_TRUE(MergeIndexIsConsistent(grid));
}

TEST(MergeByContent, WithoutMainMergeAndNoGroupsNothingMerges) {
    MergeGrid grid({"A", "A", "A", "B", "B", "B"}, {"x", "x", "x", "x", "x", "x"});
    grid.MergeColumnCells(2, false);
    EXPECT_EQ(grid.MergeCount(), 0);
}

TEST(MergeByContent, FooterRowsStayOutOfTheColumnRuns) {
    MergeGrid grid({"A", "A", "A", "A", "A", "A"}, {"", "", "", "", "", ""});
    grid.SetFixedFooters(2);
    grid.MergeColumnCells(1, true);
    EXPECT_EQ(ColumnAreas(grid, 1), (Areas{{1, 4}}));
}

TEST(MergeByContent, RowRunsOfTwoOrMoreMergeAndSingleCellsStayAlone) {
    struct Case {
        QStringList texts;  // columns 1..5 of row 1
        std::vector<std::pair<int, int>> areas;  // (first column, width)
    };
    const Case cases[] = {
        {{"1", "1", "1", "2", "3"}, {{1, 3}}},
        {{"1", "2", "2", "3", "3"}, {{2, 2}, {4, 2}}},
        {{"1", "2", "3", "4", "5"}, {}},
    };
    for (const Case& test : cases) {
        TExStringGrid grid(nullptr);
        grid.SetColCount(6);
        grid.SetRowCount(3);
        for (int c = 0; c < test.texts.size(); ++c) grid.SetCells(c + 1, 1, test.texts[c]);
        grid.MergeRowCells(1, true);
        std::vector<std::pair<int, int>> areas;
        for (int c = 0; c < grid.ColCount(); ++c)
            if (grid.IsXMergedCell(c, 1) && grid.BaseCell(c, 1).X == c) areas.push_back({c, grid.CellSpan(c, 1).X + 1});
        EXPECT_EQ(areas, test.areas) << test.texts.join(',').toStdString();
        EXPECT_TRUE(MergeIndexIsConsistent(grid));
        grid.SplitRowCells(1);
        for (int c = 0; c < grid.ColCount(); ++c) EXPECT_FALSE(grid.IsMergedCell(c, 1));
    }
}

TEST(MergeByContent, SecondaryRowMergeFollowsTheColumnsAreas) {
    TExStringGrid grid(nullptr);
    grid.SetColCount(5);
    grid.SetRowCount(3);
    for (int c = 1; c < 5; ++c) {
        grid.SetCells(c, 1, "h");
        grid.SetCells(c, 2, "v");
    }
    grid.MergeRowCells(1, true);  // row 1: one area over columns 1..4
    grid.MergeRowCells(2, false);  // a different row: columns 1..4 share row 1's area
    EXPECT_EQ(grid.CellSpan(1, 2).X, 3);
    EXPECT_TRUE(MergeIndexIsConsistent(grid));
}

TEST(MergeByContent, SplitAllCellsLeavesNoAreaAlsoInHiddenColumns) {
    StringGridFixture grid;
    grid.MergeCells(StringGridFixture::HiddenCol, 1, 1, 2);
    grid.SplitAllCells();
    EXPECT_EQ(grid.MergeCount(), 0);
    EXPECT_TRUE(MergeIndexIsConsistent(grid));
    grid.UnHideColumn(StringGridFixture::HiddenCol);
    EXPECT_FALSE(grid.IsMergedCell(StringGridFixture::HiddenCol, 1));
}

TEST(MergeByContent, MergeColsJoinsTrimmedTextsAndRemovesTheSecondColumn) {
    struct Case {
        QString first, second, separator, joined;
    };
    const Case cases[] = {
        {"Room", "12", " ", "Room 12"},
        {"Room", "", " ", "Room"},
        {"", "12", " - ", "- 12"},
        {" Room\t", "12\n", "/", "Room\t/12"},
    };
    for (const Case& test : cases) {
        TExStringGrid grid(nullptr);
        grid.SetColCount(4);
        grid.SetRowCount(3);
        grid.SetCells(1, 0, "H1");
        grid.SetCells(2, 0, "H2");
        grid.SetCells(3, 0, "H3");
        grid.SetCells(1, 1, test.first);
        grid.SetCells(2, 1, test.second);
        grid.SetCells(3, 1, "kept");
        grid.MergeCols(1, 2, test.separator);
        EXPECT_EQ(grid.Cells(1, 1), test.joined) << test.first.toStdString();
        EXPECT_EQ(grid.Cells(1, 0), "H1");  // the fixed row is not joined
        EXPECT_EQ(grid.ColCount(), 3);
        EXPECT_EQ(grid.Cells(2, 1), "kept");
    }
    TExStringGrid same(nullptr);
    same.SetColCount(3);
    same.SetCells(1, 1, "alone");
    same.MergeCols(1, 1, " ");
    EXPECT_EQ(same.ColCount(), 3);
    EXPECT_EQ(same.Cells(1, 1), "alone");
}

TEST(MergeByContent, MergeColsOnTheColumnGridRemovesTheItemToo) {
    ColumnGridFixture grid;
    grid.MergeCols(0, 1, " ");  // Device and Enable
    EXPECT_EQ(grid.Cells(0, 1), "Device 0 Y");
    EXPECT_EQ(grid.Columns()->Count(), 5);
    EXPECT_EQ(grid.Columns()->Items(1)->Name(), "Address");
    EXPECT_TRUE(grid.ItemsMatchColumns());
}

TEST(MergeByContent, MergedColumnsListRemergesOnEveryChange) {
    MergeGrid grid({"A", "A", "B", "B", "B", "C"}, {"x", "x", "x", "x", "y", "y"});
    grid.MergedColumns()->Add(2);  // alone it is the main column
    EXPECT_EQ(ColumnAreas(grid, 2), (Areas{{1, 4}, {5, 2}}));
    grid.MergedColumns()->SetItems(0, 1);
    grid.MergedColumns()->Add(2);
    EXPECT_EQ(ColumnAreas(grid, 1), (Areas{{1, 2}, {3, 3}}));
    EXPECT_EQ(ColumnAreas(grid, 2), (Areas{{1, 2}, {3, 2}}));
    EXPECT_TRUE(MergeIndexIsConsistent(grid));
    grid.MergedColumns()->Delete(1);
    EXPECT_TRUE(ColumnAreas(grid, 2).empty());
    grid.SplitAllColumnCells();
    EXPECT_EQ(grid.MergeCount(), 0);
    grid.RemergeColumns();
    EXPECT_EQ(ColumnAreas(grid, 1), (Areas{{1, 2}, {3, 3}}));
}


TEST(MergeByContent, ColumnGridRemergesAroundItsHiddenColumnAndStaysWholeThroughRemovals) {
    ColumnGridFixture grid;
    grid.SetCells(3, 5, "Start Break");
    grid.MergedColumns()->Add(3);  // Dimming: Normal x4, Start Break, Normal x3
    EXPECT_EQ(ColumnAreas(grid, 3), (Areas{{1, 4}, {6, 3}}));
    grid.MergedColumns()->Add(ColumnGridFixture::AddressCol);  // hidden and empty: subdivides nothing new
    EXPECT_EQ(ColumnAreas(grid, ColumnGridFixture::AddressCol), (Areas{{1, 4}, {6, 3}}));
    grid.RemoveRows(2, 2);
    EXPECT_TRUE(MergeIndexIsConsistent(grid));
    grid.SplitAllColumnCells();
    EXPECT_EQ(grid.MergeCount(), 0);
    grid.RemergeColumns();
    EXPECT_EQ(ColumnAreas(grid, 3), (Areas{{1, 2}, {4, 3}}));
    EXPECT_TRUE(grid.ItemsMatchColumns());
}

}  // namespace

// Grouping: Group and UnGroup restore every text, the row order, the grouped column's
// width, header and footer; the group calculations write into headers or summaries.

#include "grid/core/column_grid.h"
#include "grid/core/grid_feature_settings.h"
#include "grid/core/string_grid.h"
#include "grid_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

QStringList RowTexts(const TExStringGrid& grid, int ARow) {
    QStringList texts;
    for (int c = 0; c < grid.TotalColCount(); ++c) texts << grid.AllCells(c, ARow);
    return texts;
}

std::vector<QStringList> AllTexts(const TExStringGrid& grid) {
    std::vector<QStringList> rows;
    for (int r = 0; r < grid.RowCount(); ++r) rows.push_back(RowTexts(grid, r));
    return rows;
}

// ColCount 5, one fixed row ("H0".."H4"), three normal rows; column 2 holds A, A, B and
// column 3 numbers.
class GroupGrid : public ::testing::Test {
protected:
    void SetUp() override {
        grid.SetColCount(5);
        grid.SetRowCount(4);
        for (int c = 0; c < 5; ++c) grid.SetCells(c, 0, QString("H%1").arg(c));
        const char* keys[] = {"A", "A", "B"};
        for (int r = 1; r < 4; ++r) {
            grid.SetCells(0, r, QString("r%1").arg(r));
            grid.SetCells(1, r, QString("x%1").arg(r));
            grid.SetCells(2, r, keys[r - 1]);
            grid.SetCells(3, r, QString::number(r * 10));
            grid.SetCells(4, r, QString("z%1").arg(r));
        }
        grid.SortSettings()->AutoSortForGrouping = false;
    }
    TExStringGrid grid{nullptr};
};

TEST_F(GroupGrid, GroupMakesHeaderNodesAndRemovesTheColumn) {
    grid.SetColWidths(2, 77);
    const auto before = AllTexts(grid);
    grid.Group(2);
    EXPECT_EQ(grid.GroupColumn(), 2);
    ASSERT_EQ(grid.RowCount(), 6);
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_TRUE(grid.IsNode(1));
    EXPECT_EQ(grid.Cells(1, 1), "A");
    EXPECT_EQ(grid.GetNodeSpan(1), 3);
    EXPECT_TRUE(grid.IsNode(4));
    EXPECT_EQ(grid.Cells(1, 4), "B");
    EXPECT_EQ(grid.GetNodeSpan(4), 2);
    EXPECT_EQ(grid.Cells(2, 2), "10");  // column 3 moved left
    EXPECT_TRUE(MergeIndexIsConsistent(grid));

    grid.UnGroup();
    EXPECT_EQ(grid.GroupColumn(), -1);
    EXPECT_EQ(AllTexts(grid), before);
    EXPECT_EQ(grid.ColWidths(2), 77);
    EXPECT_EQ(grid.NumNodes(), 0);
    EXPECT_TRUE(MergeIndexIsConsistent(grid));
}

TEST_F(GroupGrid, SummaryRowsFollowEveryGroupAndGroupSumFillsThem) {
    grid.Grouping()->Summary = true;
    grid.Group(2);
    ASSERT_EQ(grid.RowCount(), 8);
    const bool node[] = {false, true, false, false, false, true, false, false};
    const bool summary[] = {false, false, false, false, true, false, false, true};
    for (int r = 0; r < 8; ++r) {
        EXPECT_EQ(grid.IsNode(r), node[r]) << r;
        EXPECT_EQ(grid.IsSummary(r), summary[r]) << r;
    }
    // Column 3 of the original is column 2 now.
    grid.GroupSum(2);
    EXPECT_DOUBLE_EQ(grid.Floats(2, 4), 30.0);
    EXPECT_DOUBLE_EQ(grid.Floats(2, 7), 30.0);
    grid.GroupCount(1);
    EXPECT_EQ(grid.Ints(1, 4), 2);
    EXPECT_EQ(grid.Ints(1, 7), 1);

    // Turning Summary off before UnGroup must not leave the summary rows behind.
    grid.Grouping()->Summary = false;
    grid.UnGroup();
    ASSERT_EQ(grid.RowCount(), 4);
    for (int r = 1; r < 4; ++r) EXPECT_FALSE(grid.IsSummary(r));
    EXPECT_EQ(grid.Cells(2, 1), "A");
    EXPECT_EQ(grid.Cells(2, 3), "B");
    EXPECT_EQ(grid.Cells(3, 3), "30");
}

TEST_F(GroupGrid, GroupCalcWritesIntoHeadersAndSkipsContractedGroups) {
    grid.Group(2);
    grid.ContractNode(4);
    grid.GroupSum(2);
    EXPECT_DOUBLE_EQ(grid.Floats(2, 1), 30.0);
    EXPECT_EQ(grid.Cells(2, 4), "");
    grid.GroupMax(2);
    EXPECT_DOUBLE_EQ(grid.Floats(2, 1), 20.0);
    grid.GroupAvg(2);
    EXPECT_DOUBLE_EQ(grid.Floats(2, 1), 15.0);
    grid.GroupDistinct(1);
    EXPECT_DOUBLE_EQ(grid.Floats(1, 1), 2.0);
    grid.OnGroupCalc = [](TObject*, int, int FromRow, int ToRow, double& Res) { Res = FromRow * 100 + ToRow; };
    grid.GroupCustomCalc(3);
    EXPECT_DOUBLE_EQ(grid.Floats(3, 1), 203.0);
}

TEST_F(GroupGrid, CaptionColumnAndSetterRules) {
    // Grouping column 1 puts the captions in column 2, column 1 after the removal.
    grid.Group(1);
    EXPECT_EQ(grid.GroupColumn(), 1);
    EXPECT_EQ(grid.Cells(1, 1), "x1");
    grid.UnGroup();
    const auto flat = AllTexts(grid);

    grid.SetGroupColumn(0);
    EXPECT_EQ(AllTexts(grid), flat);
    grid.SetGroupColumn(-1);
    EXPECT_EQ(AllTexts(grid), flat);
    grid.SetFixedCols(1);
    grid.Group(0);  // a fixed column
    EXPECT_EQ(grid.GroupColumn(), -1);
    grid.SetGroupColumn(2);
    EXPECT_EQ(grid.GroupColumn(), 2);
    grid.SetGroupColumn(3);  // groups again: ungroups first
    EXPECT_EQ(grid.GroupColumn(), 3);
    grid.SetGroupColumn(-1);
    EXPECT_EQ(AllTexts(grid), flat);
}

TEST_F(GroupGrid, RoundTripsKeepEveryTextUnderEverySetting) {
    const struct {
        int column;
        bool summary;
        bool mergeHeader;
        bool mergeSummary;
        bool showCount;
        int fixedRows;
        int footers;
    } cases[] = {
        {2, false, false, false, false, 1, 0}, {2, true, false, false, false, 1, 0},
        {2, true, true, true, true, 1, 0},     {1, true, true, false, false, 1, 0},
        {0, true, false, false, true, 0, 0},   {0, false, true, false, false, 1, 0},
        {4, true, false, true, false, 1, 1},   {3, false, false, false, true, 1, 1},
    };
    for (const auto& c : cases) {
        TExStringGrid g{nullptr};
        g.SetColCount(5);
        g.SetRowCount(9);
        for (int col = 0; col < 5; ++col)
            for (int r = 0; r < 9; ++r) g.SetCells(col, r, QString("%1").arg((r * 7 + col * 3) % (col + 2)));
        g.SetFixedCols(0);
        g.SetFixedRows(c.fixedRows);
        g.SetFixedFooters(c.footers);
        g.SortSettings()->AutoSortForGrouping = false;
        g.Grouping()->Summary = c.summary;
        g.Grouping()->MergeHeader = c.mergeHeader;
        g.Grouping()->MergeSummary = c.mergeSummary;
        g.Grouping()->ShowGroupCount = c.showCount;
        g.Grouping()->HeaderColor = clYellow;
        g.SetColWidths(c.column, 41);
        const auto before = AllTexts(g);
        g.Group(c.column);
        EXPECT_EQ(g.GroupColumn(), c.column) << c.column;
        EXPECT_GT(g.NumNodes(), 0) << c.column;
        EXPECT_TRUE(MergeIndexIsConsistent(g));
        // Contracted, exactly the rows under a header are held out.
        std::vector<bool> underHeader(std::size_t(g.RowCount()), false);
        for (int r = 0; r < g.RowCount(); ++r)
            if (g.IsNode(r))
                for (int k = r + 1; k < r + g.GetNodeSpan(r); ++k) underHeader[std::size_t(k)] = true;
        const int rows = g.RowCount();
        g.ContractAll();
        ASSERT_EQ(g.TotalRowCount(), rows);
        for (int r = 0; r < rows; ++r) EXPECT_EQ(g.IsHiddenRow(r), underHeader[std::size_t(r)]) << r;
        g.ExpandAll();
        EXPECT_EQ(g.RowCount(), rows);
        g.UnGroup();
        EXPECT_EQ(g.GroupColumn(), -1);
        EXPECT_EQ(AllTexts(g), before) << "column " << c.column << " summary " << c.summary;
        EXPECT_EQ(g.ColWidths(c.column), 41);
        EXPECT_EQ(g.NumNodes(), 0);
        EXPECT_TRUE(MergeIndexIsConsistent(g));
    }
}

TEST(GroupSorting, AutoSortGathersEqualValuesIntoOneGroup) {
    TExStringGrid grid{nullptr};
    grid.SetColCount(3);
    grid.SetRowCount(5);
    const char* keys[] = {"b", "a", "b", "a"};
    for (int r = 1; r < 5; ++r) grid.SetCells(2, r, keys[r - 1]);
    grid.Group(2);
    EXPECT_EQ(grid.NumNodes(), 2);
    EXPECT_EQ(grid.RowCount(), 7);
}

TEST(GroupColumnGrid, KeepsTheGroupedColumnsItem) {
    TExColumnGrid grid(nullptr);
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.Columns()->Items(2)->SetHeader("Kept");
    grid.Columns()->Items(2)->SetTag(7);
    for (int r = 1; r < 4; ++r) grid.SetCells(2, r, r < 3 ? "A" : "B");
    grid.Group(2);
    EXPECT_EQ(grid.Columns()->Count(), 3);
    grid.UnGroup();
    ASSERT_EQ(grid.Columns()->Count(), 4);
    EXPECT_EQ(grid.Columns()->Items(2)->Header(), "Kept");
    EXPECT_EQ(grid.Columns()->Items(2)->Tag(), 7);
}

TEST(GroupingSettings, AssignCopiesTheLooksOnly) {
    TGrouping source;
    source.Summary = true;
    source.HeaderColor = clRed;
    source.ShowGroupCount = true;
    source.HeaderLineWidth = 5;
    TGrouping target;
    target.Assign(&source);
    EXPECT_EQ(target.HeaderColor, clRed);
    EXPECT_TRUE(target.ShowGroupCount);
    EXPECT_FALSE(target.Summary);
    EXPECT_EQ(target.HeaderLineWidth, 2);
}

}  // namespace

namespace {

TEST_F(GroupGrid, SubGroupInsideGroupsAndBack) {
    for (bool summary : {false, true}) {
        for (bool mergeHeader : {false, true}) {
            TExStringGrid g{nullptr};
            g.SetColCount(6);
            g.SetRowCount(9);
            const char* main[] = {"A", "A", "A", "B", "B", "B", "B", "C"};
            const char* sub[] = {"x", "x", "y", "y", "y", "z", "y", "q"};
            for (int r = 1; r < 9; ++r) {
                g.SetCells(0, r, QString("r%1").arg(r));
                g.SetCells(2, r, main[r - 1]);
                g.SetCells(3, r, sub[r - 1]);
                g.SetCells(5, r, QString::number(r));
            }
            g.SortSettings()->AutoSortForGrouping = false;
            g.Grouping()->Summary = summary;
            g.Grouping()->MergeHeader = mergeHeader;
            g.Grouping()->ShowGroupCount = true;
            const auto flat = AllTexts(g);
            g.Group(2);
            const auto grouped = AllTexts(g);
            const int nodes = g.NumNodes();
            // Column 3 of the original is column 2 now; its values go into column 3.
            g.SubGroup(2);
            EXPECT_EQ(g.NumNodes(), nodes + 6) << summary << mergeHeader;  // x y | y z y | q
            EXPECT_TRUE(MergeIndexIsConsistent(g));
            for (int r = 1; r < g.RowCount(); ++r)
                if (!g.IsNode(r) && !g.IsSummary(r)) EXPECT_EQ(g.AllCells(2, r), "") << r;
            g.SubUnGroup(2);
            EXPECT_EQ(g.NumNodes(), nodes);
            EXPECT_EQ(AllTexts(g), grouped) << summary << mergeHeader;
            EXPECT_TRUE(MergeIndexIsConsistent(g));
            g.UnGroup();
            EXPECT_EQ(AllTexts(g), flat);
        }
    }
}

TEST(SubGroupFlat, WorksWithoutGroupsAndForColumnZero) {
    TExStringGrid g{nullptr};
    g.SetColCount(3);
    g.SetRowCount(5);
    g.SetFixedCols(0);
    g.SetFixedRows(0);
    const char* keys[] = {"a", "a", "b", "b", "c"};
    for (int r = 0; r < 5; ++r) {
        g.SetCells(0, r, keys[r]);
        g.SetCells(2, r, QString::number(r));
    }
    const auto flat = AllTexts(g);
    g.SubGroup(0);
    EXPECT_EQ(g.NumNodes(), 3);
    EXPECT_EQ(g.RowCount(), 8);
    EXPECT_EQ(g.AllCells(1, 0), "a");
    g.SubUnGroup(0);
    EXPECT_EQ(AllTexts(g), flat);
    g.SubGroup(2);  // no caption column right of it
    EXPECT_EQ(AllTexts(g), flat);
}

}  // namespace

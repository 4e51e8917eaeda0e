// Find, FindNext, Replace and the incremental Search over their options, on a small grid
// whose texts differ in case, position, markup and emptiness.

#include "grid/core/grid_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr TPoint None{-1, -1};

// One fixed row and column; data cells (displayed):
//        col 1        col 2            col 3
// row 1  apple        Banana           ""
// row 2  pineapple    APPLE pie        cherry
// row 3  ""           <b>app</b>le     grape
// and the header "Fruit" over column 2.
class FindGrid : public TExStringGrid {
public:
    FindGrid() : TExStringGrid(nullptr) {
        SetColCount(4);
        SetRowCount(4);
        const char* texts[3][3] = {{"apple", "Banana", ""}, {"pineapple", "APPLE pie", "cherry"}, {"", "<b>app</b>le", "grape"}};
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= 3; ++c) SetCells(c, r, texts[r - 1][c - 1]);
        SetCells(2, 0, "Fruit");
    }
    void ExportNotification(TGridExportState State, int ARow) override { Notices.push_back({State, ARow}); }
    std::vector<std::pair<TGridExportState, int>> Notices;
};

std::vector<TPoint> AllMatches(TExStringGrid& grid, const QString& text, TFindParams params) {
    std::vector<TPoint> found;
    for (TPoint p = grid.FindFirst(text, params); p != None && found.size() < 20; p = grid.FindNext()) found.push_back(p);
    return found;
}

TEST(GridFind, MatchesFollowTheOptionsAndTheScanOrder) {
    struct Case {
        const char* name;
        QString text;
        TFindParams params;
        std::vector<TPoint> expected;
    };
    const std::vector<Case> cases = {
        {"down the columns", "apple", {}, {{1, 1}, {1, 2}, {2, 2}}},
        {"along the rows", "apple", {fnDirectionLeftRight}, {{1, 1}, {1, 2}, {2, 2}}},
        {"rows first", "a", {fnDirectionLeftRight}, {{1, 1}, {2, 1}, {1, 2}, {2, 2}, {2, 3}, {3, 3}}},
        {"columns first", "a", {}, {{1, 1}, {1, 2}, {2, 1}, {2, 2}, {2, 3}, {3, 3}}},
        {"backwards", "apple", {fnBackward}, {{2, 2}, {1, 2}, {1, 1}}},
        {"backwards along rows", "a", {fnBackward, fnDirectionLeftRight}, {{3, 3}, {2, 3}, {2, 2}, {1, 2}, {2, 1}, {1, 1}}},
        {"match case", "apple", {fnMatchCase}, {{1, 1}, {1, 2}}},
        {"whole text", "apple", {fnMatchFull}, {{1, 1}}},
        {"start", "apple", {fnMatchStart}, {{1, 1}, {2, 2}}},
        {"start and whole", "apple", {fnMatchStart, fnMatchFull}, {{1, 1}}},
        {"without tags", "apple", {fnIgnoreHTMLTags}, {{1, 1}, {1, 2}, {2, 2}, {2, 3}}},
        {"two quotes find empty cells", "\"\"", {}, {{1, 3}, {3, 1}}},
        {"filter condition", "*pie", {fnMatchRegular}, {{2, 2}}},
        {"filter condition with case", "*PIE", {fnMatchRegular, fnMatchCase}, {}},
        {"empty text finds nothing", "", {}, {}},
        {"empty text, whole", "", {fnMatchFull}, {}},
        {"fixed cells only when asked", "fruit", {}, {}},
        {"fixed cells", "fruit", {fnIncludeFixed}, {{2, 0}}},
    };
    for (const Case& c : cases) {
        FindGrid grid;
        EXPECT_EQ(AllMatches(grid, c.text, c.params), c.expected) << c.name;
    }
}

TEST(GridFind, RestrictedAreasEndAfterTheirLastMatch) {
    FindGrid grid;
    grid.SetFindCol(2);
    EXPECT_EQ(AllMatches(grid, "a", {fnFindInPresetCol}), (std::vector<TPoint>{{2, 1}, {2, 2}, {2, 3}}));
    grid.SetFindRow(2);
    // Column by column in one row, and row by row in one column: each steps off its line
    // after a match instead of finding it again.
    EXPECT_EQ(AllMatches(grid, "a", {fnFindInPresetRow}), (std::vector<TPoint>{{1, 2}, {2, 2}}));
    EXPECT_EQ(AllMatches(grid, "a", {fnFindInPresetCol, fnDirectionLeftRight}),
              (std::vector<TPoint>{{2, 1}, {2, 2}, {2, 3}}));
    grid.MoveCurrentCell(3, 1);
    EXPECT_EQ(AllMatches(grid, "e", {fnFindInCurrentRow}), (std::vector<TPoint>{{1, 1}}));
    EXPECT_EQ(AllMatches(grid, "e", {fnFindInCurrentCol}), (std::vector<TPoint>{{3, 2}, {3, 3}}));
    grid.SetSelection(TGridRect{2, 2, 3, 3});
    EXPECT_EQ(AllMatches(grid, "e", {fnSelectedCells}), (std::vector<TPoint>{{2, 2}, {2, 3}, {3, 2}, {3, 3}}));
}

TEST(GridFind, FindNextStartsOverAfterTheLastMatchAndBusyFollowsTheResult) {
    FindGrid grid;
    EXPECT_EQ(grid.FindFirst("cherry", {}), (TPoint{3, 2}));
    EXPECT_TRUE(grid.FindBusy());
    EXPECT_EQ(grid.FindNext(), None);
    EXPECT_FALSE(grid.FindBusy());
    EXPECT_EQ(grid.SearchCell(), None);
    EXPECT_EQ(grid.FindNext(), (TPoint{3, 2}));
    // The notices: start, one per cell examined with its row, then fail (found) or done.
    grid.Notices.clear();
    grid.Find(None, "Banana", {});
    ASSERT_GE(grid.Notices.size(), 3u);
    EXPECT_EQ(grid.Notices.front(), std::make_pair(esExportStart, -1));
    EXPECT_EQ(grid.Notices.back(), std::make_pair(esExportFail, -1));
    EXPECT_EQ(grid.Notices[grid.Notices.size() - 2], std::make_pair(esExportNewRow, 1));
    grid.Notices.clear();
    grid.FindWide(None, "nothing", {});
    EXPECT_EQ(grid.Notices.back(), std::make_pair(esExportDone, -1));
    EXPECT_EQ(grid.FindWide(None, "*PIE", {fnMatchRegular}), (TPoint{2, 2}));
}

TEST(GridFind, HiddenColumnsAndRowsAreSearchedOnlyWhenAsked) {
    StringGridFixture grid;  // real column 2 hidden, real rows 4 and 6 held out
    grid.SetCells(2, 1, "needle");
    EXPECT_EQ(grid.Find(None, "needle", {}), None);
    EXPECT_EQ(grid.Find(None, "needle", {fnIncludeHiddenColumns}), (TPoint{2, 1}));
    // Displayed column 2 is real column 3.
    EXPECT_EQ(grid.Find(None, "3,1", {}), (TPoint{2, 1}));
    EXPECT_EQ(grid.Find(None, "1,6", {}), None);
    EXPECT_EQ(grid.Find(None, "1,6", {fnIncludeHiddenRows}), (TPoint{1, 6}));
    // Ignored columns (real) are skipped row by row only.
    grid.IgnoreColumns()->Add(3);
    EXPECT_EQ(grid.Find(None, "3,1", {fnDirectionLeftRight}), None);
    EXPECT_EQ(grid.Find(None, "3,1", {}), (TPoint{2, 1}));
}

TEST(GridFind, AutoGotoMakesTheMatchCurrent) {
    FindGrid grid;
    grid.Find(None, "grape", {fnAutoGoto});
    EXPECT_EQ(grid.Col(), 3);
    EXPECT_EQ(grid.Row(), 3);
    grid.MouseActions()->SetDisjunctRowSelect(true);
    grid.Find(None, "pine", {fnAutoGoto});
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_TRUE(grid.RowSelect(2));
    EXPECT_FALSE(grid.RowSelect(3));
}

TEST(GridReplace, RewritesOnlyStoredOccurrencesAndCountsChangedCells) {
    struct Case {
        const char* name;
        QString from, to;
        TFindParams params;
        int count;
        std::vector<std::pair<TPoint, QString>> after;
    };
    const std::vector<Case> cases = {
        {"case-blind", "apple", "X", {}, 3, {{{1, 1}, "X"}, {{1, 2}, "pineX"}, {{2, 2}, "X pie"}}},
        {"case-exact", "apple", "X", {fnMatchCase}, 2, {{{1, 1}, "X"}, {{2, 2}, "APPLE pie"}}},
        {"text holding the search", "a", "aa", {fnMatchCase}, 5, {{{2, 1}, "Baanaanaa"}, {{3, 3}, "graape"}}},
        {"empty search", "", "X", {}, 0, {{{3, 1}, ""}, {{1, 1}, "apple"}}},
        // Found by its visible text, but the stored text holds no "apple": left alone.
        {"markup split", "apple", "X", {fnIgnoreHTMLTags, fnFindInPresetCol}, 1, {{{2, 3}, "<b>app</b>le"}, {{2, 2}, "X pie"}}},
    };
    for (const Case& c : cases) {
        FindGrid grid;
        grid.SetFindCol(2);
        EXPECT_EQ(grid.Replace(c.from, c.to, c.params), c.count) << c.name;
        for (const auto& [cell, text] : c.after) EXPECT_EQ(grid.Cells(cell.X, cell.Y), text) << c.name;
    }
    FindGrid grid;
    grid.SetCells(1, 1, "ab AB");
    EXPECT_EQ(grid.Replace("ab", "x", {fnMatchCase}), 1);
    EXPECT_EQ(grid.Cells(1, 1), "x AB") << "the excluded case stays";
}

TEST(GridReplace, WritesTheStoredTextNeverTheDisplayTextAndFlagsTheRow) {
    FindGrid grid;
    grid.OnGetDisplText = [](TObject*, int, int ARow, QString& Value) {
        if (ARow == 1) Value = "[" + Value + "]";
    };
    grid.ShowModified()->Enabled = true;
    EXPECT_EQ(grid.Replace("Banana", "Kiwi", {fnMatchFull}), 0) << "the display text is [Banana]";
    EXPECT_EQ(grid.Replace("Banana", "Kiwi", {}), 1);
    EXPECT_EQ(grid.GridCells(2, 1), "Kiwi");
    EXPECT_TRUE(grid.RowModified(1));
    EXPECT_FALSE(grid.RowModified(2));
}

TEST(GridSearch, TheIncrementalSearchReadsTheSortColumnsStrippedText) {
    FindGrid grid;
    grid.SetCells(2, 3, "<b>Bean</b>");
    struct Case {
        const char* name;
        bool show, indexShow;
        int column, indexColumn;
        QString typed;
        int row;
    };
    const Case cases[] = {
        {"sorting off: first data column", false, false, 3, -1, "PINE", 2},
        {"sort column", true, false, 2, -1, "BEAN", 3},
        {"first of the index list", true, true, 3, 2, "APPLE", 2},
        {"empty index list: first data column", true, true, 3, -1, "APPLE", 1},
        {"lower case never matches letters", true, false, 2, -1, "bean", -1},
        {"no sort column", true, false, -1, -1, "A", -1},
    };
    for (const Case& c : cases) {
        grid.SortSettings()->Show = c.show;
        grid.SortSettings()->IndexShow = c.indexShow;
        grid.SortSettings()->Column = c.column;
        grid.SortIndexes()->Clear();
        if (c.indexColumn >= 0) grid.SortIndexes()->AddIndex(c.indexColumn, true);
        EXPECT_EQ(grid.Search(c.typed), c.row) << c.name;
    }
}

}  // namespace

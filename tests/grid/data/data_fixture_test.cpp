// Filtering and finding on the shared fixture, where a hidden column, held-out rows, a
// merged area, a node, a Y/N column and a display hook all put the index kinds to the
// test: the filter column is real, its rows displayed; held-out rows stay out when the
// filter gives its rows back; a find reads what a shown cell shows.

#include "data_grid_fixture.h"

#include <gtest/gtest.h>

namespace {

QStringList FirstColumn(TExStringGrid& grid) {
    QStringList texts;
    for (int r = grid.FixedRows(); r < grid.RowCount(); ++r) texts << grid.Cells(0, r);
    return texts;
}

TEST(DataFixture, FilterOnTheYesNoColumnGivesBackOnlyItsOwnRows) {
    DataGridFixture g;
    const QStringList before{"0,1", "0,2", "0,3", "0,5", "0,7"};
    ASSERT_EQ(FirstColumn(g), before);
    TFilterData& item = g.Filter()->Add();
    item.Column = DataGridFixture::YesNoCol;
    item.Condition = QStringLiteral("Y");
    g.SetFilterActive(true);
    EXPECT_EQ(FirstColumn(g), QStringList({"0,1", "0,3", "0,5", "0,7"}));
    g.SetFilterActive(false);
    // The rows held out before the filter stay out.
    EXPECT_EQ(FirstColumn(g), before);
    EXPECT_TRUE(g.IsHiddenRow(4));
    EXPECT_TRUE(g.IsHiddenRow(6));
}

TEST(DataFixture, FindReadsTheDisplayTextAtDisplayedOrRealRows) {
    const struct {
        const char* Text;
        TFindParams Params;
        TPoint Found;
    } cases[] = {
        {"#1,5", {fnMatchFull, fnMatchCase}, {1, 4}},
        {"#1,5", {fnMatchFull, fnMatchCase, fnIncludeHiddenRows}, {1, 5}},
        {"#1,6", {fnMatchFull, fnMatchCase}, {-1, -1}},  // held out
        // A held-out row is shown nowhere, so no display hook is asked: its stored text counts.
        {"1,6", {fnMatchFull, fnMatchCase, fnIncludeHiddenRows}, {1, 6}},
        {"1,5", {fnMatchFull, fnMatchCase}, {-1, -1}},  // the stored text is not what shows
        {"5,7", {fnMatchFull, fnMatchCase}, {-1, -1}},  // the Y/N column shows Y, not its old text
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        DataGridFixture g;
        EXPECT_EQ(g.Find({-1, -1}, QString::fromLatin1(c.Text), c.Params), c.Found);
    }
}

}  // namespace

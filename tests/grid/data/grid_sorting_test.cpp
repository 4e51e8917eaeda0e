// Sorting the rows of a grid: stable sorts by one or several columns, the grouped sort
// that keeps node rows in place, the undo through the row cross-reference, and the
// multi-column sort built by header clicks with the index key held.

#include "grid/view/grid_mouse_fixture.h"

#include <gtest/gtest.h>

namespace {

QStringList Column(TExStringGrid& grid, int col) {
    QStringList texts;
    for (int r = grid.FixedRows(); r < grid.RowCount(); ++r) texts << grid.Cells(col, r);
    return texts;
}

// Rows "k<i>" in column 1 for keys, column 4 for the row's identity.
void Fill(TExStringGrid& grid, const QStringList& keys, const QStringList& seconds = {}) {
    grid.SetRowCount(int(keys.size()) + 1);
    for (int i = 0; i < keys.size(); ++i) {
        grid.SetCells(1, i + 1, keys[i]);
        if (!seconds.isEmpty()) grid.SetCells(3, i + 1, seconds[i]);
        grid.SetCells(4, i + 1, QString::number(i + 1));
    }
}

TEST(GridSorting, StableAndReversibleByTheCrossReference) {
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    Fill(g, {"b", "a", "b", "a", "c"});
    g.InitSortXRef();
    g.SortSettings()->Column = 1;
    g.SortSettings()->Direction = sdAscending;
    g.QSort();
    EXPECT_EQ(Column(g, 1), QStringList({"a", "a", "b", "b", "c"}));
    // Equal keys keep their order.
    EXPECT_EQ(Column(g, 4), QStringList({"2", "4", "1", "3", "5"}));
    EXPECT_EQ(g.UnSortedCells(4, 1), "1");

    // Without the tie-break by the columns to the right, equal keys keep their order.
    g.SortSettings()->Full = false;
    g.SortSettings()->Direction = sdDescending;
    g.QSort();
    EXPECT_EQ(Column(g, 4), QStringList({"5", "1", "3", "2", "4"}));
    g.QUnSort();
    EXPECT_EQ(Column(g, 4), QStringList({"1", "2", "3", "4", "5"}));
}

TEST(GridSorting, FooterRowsStayBelow) {
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    Fill(g, {"c", "b", "a", "total"});
    g.SetFixedFooters(1);
    g.InitSortXRef();
    g.SortSettings()->Column = 1;
    g.QSort();
    EXPECT_EQ(Column(g, 1), QStringList({"a", "b", "c", "total"}));
}

TEST(GridSorting, IndexedSortByTwoColumns) {
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    Fill(g, {"x", "y", "x", "y"}, {"2", "1", "1", "2"});
    g.InitSortXRef();
    g.SortIndexes()->AddIndex(1, true);
    g.SortIndexes()->AddIndex(3, false);
    g.QSortIndexed();
    // Real column 3 holds the Enable check boxes, so it orders by their states (rows 1
    // and 3 checked): the x rows and the y rows tie there and keep their order.
    EXPECT_EQ(Column(g, 4), QStringList({"1", "3", "2", "4"}));
}

TEST(GridSorting, GroupedSortKeepsNodeRowsInPlace) {
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    Fill(g, {"group 1", "c", "a", "group 2", "z", "b"});
    for (int node : {1, 4}) {
        TCellGraphic* graphic = g.CreateCellGraphic(0, node);
        graphic->SetCellType(ctNode);
        graphic->SetCellIndex(3);
    }
    g.InitSortXRef();
    g.SortSettings()->Column = 1;
    g.QSortGroup();
    EXPECT_EQ(Column(g, 1), QStringList({"group 1", "a", "c", "group 2", "b", "z"}));
    g.QUnSort();
    EXPECT_EQ(Column(g, 1), QStringList({"group 1", "c", "a", "group 2", "z", "b"}));
}

TEST(GridSorting, ShiftClickAddsASortColumn) {
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    Fill(g, {"x", "y", "x", "y"}, {"2", "1", "1", "2"});
    g.SortSettings()->Show = true;
    g.SortSettings()->IndexShow = true;
    f.Click(f.Centre(1, 0));
    QTest::mouseClick(f.Surface(), Qt::LeftButton, Qt::ShiftModifier, f.Centre(2, 0));
    ASSERT_EQ(g.SortIndexes()->Count(), 2);
    EXPECT_EQ(g.SortIndexes()->SortColumns(0), 1);
    EXPECT_EQ(g.SortIndexes()->SortColumns(1), 3);
    EXPECT_EQ(g.SortSettings()->Column, 1);
    // The second key is the Enable check-box column: it orders by the box states.
    EXPECT_EQ(Column(g, 4), QStringList({"1", "3", "2", "4"}));
    // A plain click on another column starts again with that column alone.
    f.Click(f.Centre(3, 0));
    EXPECT_EQ(g.SortIndexes()->Count(), 1);
    EXPECT_EQ(g.SortSettings()->Column, 4);
}

TEST(GridSorting, SettingsTextSortsAsItSaysAndComesBackTheSame) {
    // Column 1 sorts x < y; column 3 holds the second keys; column 4 the identity.
    const struct {
        const char* Text;
        QStringList Order;  // column 4 after loading; empty: unchanged
        bool IndexShow;
    } cases[] = {
        {"u1", {"1", "3", "2", "4"}, false},
        {"d1", {"4", "2", "3", "1"}, false},  // ties broken by the columns to the right, descending too
        {"i;u1;d4", {"3", "1", "4", "2"}, true},
        {"u?", {}, false},  // no column: nothing sorts
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        MouseGridFixture f;
        TExStringGrid& g = *f.Grid;
        Fill(g, {"x", "y", "x", "y"}, {"2", "1", "1", "2"});
        g.InitSortXRef();
        g.SortSettings()->LoadFromString(QString::fromLatin1(c.Text));
        EXPECT_TRUE(g.SortSettings()->Show);
        EXPECT_EQ(g.SortSettings()->IndexShow, c.IndexShow);
        EXPECT_EQ(Column(g, 4), c.Order.isEmpty() ? QStringList({"1", "2", "3", "4"}) : c.Order);
        if (!c.Order.isEmpty()) EXPECT_EQ(g.SortSettings()->SaveToString(), QString::fromLatin1(c.Text));
    }

    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    Fill(g, {"x", "y"});
    // Nothing for an empty text; one character is refused after Show was set.
    g.SortSettings()->LoadFromString(QString());
    EXPECT_FALSE(g.SortSettings()->Show);
    EXPECT_THROW(g.SortSettings()->LoadFromString(QStringLiteral("u")), EExGridError);
    EXPECT_TRUE(g.SortSettings()->Show);
    // Remove leaves the grid unsorted and forgets the sort list.
    g.SortSettings()->LoadFromString(QStringLiteral("i;d1"));
    g.SortSettings()->Column = 1;
    g.SortSettings()->Remove();
    EXPECT_EQ(g.SortSettings()->Column, -1);
    EXPECT_EQ(g.SortIndexes()->Count(), 0);
    // Assign copies the settings, never the grid they belong to.
    TSortSettings copy;
    g.SortSettings()->Assign(&copy);
    EXPECT_EQ(g.SortSettings()->Owner(), &g);
}

TEST(GridSorting, UnsortRefusesAForeignCrossReference) {
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    Fill(g, {"b", "a"});
    g.InitSortXRef();
    g.SortRowXRef()->SetItems(1, 1);  // two rows claim to be row 1
    g.QUnSort();
    EXPECT_EQ(Column(g, 1), QStringList({"b", "a"}));
}

}  // namespace

// What travels with a moved column or row: widths, the sort column and index, hidden
// rows' texts, hidden-column flags, the current column, the partner grid; and the row
// that may not move onto the floating footer.

#include "../core/grid_fixture.h"
#include "grid/core/string_grid.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Five columns whose header names them, three data rows "c,r".
class MovingGrid : public TExStringGrid {
public:
    MovingGrid() : TExStringGrid(nullptr) {
        SetColCount(6);
        SetRowCount(5);
        for (int c = 0; c < 6; ++c) {
            SetColWidths(c, 40 + 10 * c);
            for (int r = 0; r < 5; ++r) SetCells(c, r, QString("%1,%2").arg(c).arg(r));
        }
    }
    using TExStringGrid::ColMoveFlg;
    using TExStringGrid::RowMoved;
};

TEST(GridColumnMoved, TheSortColumnFollowsItsColumn) {
    struct Case {
        int From, To, SortColumn, Expected;
    } cases[] = {
        {1, 3, 2, 1}, {1, 3, 3, 2}, {1, 3, 1, 3}, {1, 3, 4, 4},
        {3, 1, 1, 2}, {3, 1, 3, 1}, {3, 1, 4, 4}, {3, 1, 0, 0},
    };
    for (const Case& c : cases) {
        MovingGrid grid;
        grid.SortSettings()->Column = c.SortColumn;
        grid.MoveColumn(c.From, c.To);
        EXPECT_EQ(grid.SortSettings()->Column, c.Expected) << c.From << "->" << c.To << " sort " << c.SortColumn;
    }
}

TEST(GridColumnMoved, WidthsCellsSortIndexAndCurrentColumnMoveOnce) {
    MovingGrid grid;
    grid.SortSettings()->IndexShow = true;
    grid.SortIndexes()->Add(int(0x80000000u | 1u));  // column 1 descending
    grid.SortIndexes()->Add(4);
    grid.SetCol(1);
    int fired = 0;
    grid.OnColumnMoved = [&](TObject*, int From, int To) {
        ++fired;
        EXPECT_EQ(From, 1);
        EXPECT_EQ(To, 3);
    };
    grid.MoveColumn(1, 3);
    EXPECT_EQ(fired, 1);
    EXPECT_TRUE(grid.ColMoveFlg);
    const int widths[] = {40, 60, 70, 50, 80, 90};
    for (int c = 0; c < 6; ++c) EXPECT_EQ(grid.ColWidths(c), widths[c]) << c;
    EXPECT_EQ(grid.Cells(3, 2), "1,2");
    EXPECT_EQ(grid.Cells(1, 2), "2,2");
    EXPECT_EQ(unsigned(grid.SortIndexes()->Items(0)), 0x80000003u);
    EXPECT_EQ(grid.SortIndexes()->Items(1), 4);
    EXPECT_EQ(grid.Col(), 3);
}

TEST(GridColumnMoved, HiddenRowsAndHiddenColumnsMoveWithTheirColumns) {
    StringGridFixture grid;  // real column 2 hidden, rows 4 and 6 held out
    // Displayed 1 (real 1) to displayed 3 (real 4): the hidden column moves down one.
    grid.MoveColumn(1, 3);
    EXPECT_TRUE(grid.IsHiddenColumn(1));
    grid.UnHideRowsAll();
    grid.UnHideColumnsAll();
    const char* row4[] = {"0,4", "2,4", "3,4", "4,4", "1,4", "5,4"};
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(grid.Cells(c, 4), row4[c]) << c;
        EXPECT_EQ(grid.Cells(c, 6), QString(row4[c]).replace(",4", ",6")) << c;
        EXPECT_EQ(grid.Cells(c, 3), QString(row4[c]).replace(",4", ",3")) << c;
    }
}

TEST(GridColumnMoved, AColumnBeyondTheHideableOnesMovesSafely) {
    TExStringGrid grid(nullptr);
    grid.SetColCount(600);
    grid.SetRowCount(2);
    grid.HideColumn(3);
    grid.SetCells(590, 1, "far");
    grid.MoveColumn(580, 10);
    grid.MoveColumn(5, 595);
    grid.UnHideColumnsAll();
    EXPECT_EQ(grid.ColCount(), 600);
}

TEST(GridColumnMoved, ThePartnerGridRepeatsTheMoveOnce) {
    MovingGrid a;
    MovingGrid b;
    a.SyncGrid()->SetGrid(&b);
    a.SyncGrid()->SetMoveColumn(true);
    b.SyncGrid()->SetGrid(&a);
    b.SyncGrid()->SetMoveColumn(true);
    int movesOfB = 0;
    b.OnColumnMoved = [&](TObject*, int, int) { ++movesOfB; };
    a.MoveColumn(1, 4);
    EXPECT_EQ(movesOfB, 1);
    EXPECT_EQ(a.Cells(4, 1), "1,1");
    EXPECT_EQ(b.Cells(4, 1), "1,1");
}

TEST(GridColumnMoved, AHeaderDraggedColumnKeepsItsWidthAndCurrentColumn) {
    QWidget form;
    form.resize(500, 200);
    auto* grid = new MovingGrid;
    grid->setParent(&form);
    grid->setGeometry(0, 0, 500, 200);
    grid->SetOptions(grid->Options().Include(goColMoving));
    grid->SetRowCount(3);
    form.show();
    grid->SetCol(2);
    const TRect from = grid->CellRect(2, 0);
    const TRect to = grid->CellRect(4, 0);
    QWidget* view = grid->viewport();
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(from.Left + 10, from.Top + 5));
    QTest::mouseMove(view, QPoint(to.Left + 10, to.Top + 5));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(to.Left + 10, to.Top + 5));
    EXPECT_EQ(grid->Cells(4, 1), "2,1");
    EXPECT_EQ(grid->ColWidths(4), 60);
    EXPECT_EQ(grid->ColWidths(2), 70);
    EXPECT_EQ(grid->Col(), 4);
}

TEST(GridRowMoved, FiresOnceAndNeverOntoTheFloatingFooter) {
    MovingGrid grid;
    grid.SetRowHeights(1, 30);
    int fired = 0;
    grid.OnRowMoved = [&](TObject*, int From, int To) {
        ++fired;
        EXPECT_EQ(From, 1);
        EXPECT_EQ(To, 3);
        EXPECT_EQ(grid.RowHeights(3), 30);  // heights are in place when it fires
    };
    grid.MoveRow(1, 3);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(grid.Cells(0, 3), "0,1");

    // The base's own move (as the mouse makes it) onto the footer row changes nothing.
    grid.FloatingFooter()->Visible = true;
    const QString last = grid.Cells(0, 4);
    grid.TStringGrid::MoveRow(1, 4);
    EXPECT_EQ(grid.Cells(0, 4), last);
    EXPECT_EQ(grid.RowHeights(3), 30);
    EXPECT_EQ(grid.RowHeights(4), grid.DefaultRowHeight());
    EXPECT_EQ(fired, 1);
}

}  // namespace

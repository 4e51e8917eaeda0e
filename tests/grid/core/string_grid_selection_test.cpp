// String grid selection: selection queries over the rectangle and the disjunct lists,
// the selected text, row and column flags with their errors, fills, row flags, and the
// picture of a cell block.

#include "grid/core/string_grid.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>

namespace {

TEST(StringGridSelection, SelectedTextJoinsColumnsByTabAndRowsByLineBreaks) {
    TExStringGrid grid(nullptr);
    grid.SetCells(1, 1, "a");
    grid.SetCells(2, 1, "b");
    grid.SetCells(1, 2, "c");
    grid.SetCells(2, 2, "d");
    grid.SelectCells(1, 1, 2, 2);
    EXPECT_EQ(grid.SelectedText(), "a\tb\r\nc\td");
    grid.SetCells(2, 2, "two\r\nlines");
    grid.SetMultilinecells(true);
    grid.SetExcelClipboardFormat(true);
    EXPECT_EQ(grid.SelectedText(), "a\tb\r\nc\t\"two\vlines\"");
}

TEST(StringGridSelection, CountsOfTheRectangleIncludeMergedAreasAtItsEdges) {
    TExStringGrid grid(nullptr);
    grid.TStringGrid::SetColCount(8);
    grid.MergeCells(3, 1, 3, 1);  // columns 3..5 of row 1
    grid.SelectCells(1, 1, 3, 2);
    EXPECT_EQ(grid.SelectedColCount(), 3 + 2);
    EXPECT_EQ(grid.SelectedRowCount(), 2);
    grid.SplitCells(3, 1);
    grid.MergeCells(1, 4, 1, 3);  // rows 4..6 of column 1
    grid.SelectCells(1, 2, 2, 4);
    EXPECT_EQ(grid.SelectedRowCount(), 3 + 2);
    grid.SelectCells(1, 4, 2, 5);
    EXPECT_EQ(grid.SelectedRowCount(), 3);
}

TEST(StringGridSelection, SelectedCellsOfTheRectangleAreListedColumnByColumn) {
    TExStringGrid grid(nullptr);
    grid.SelectCells(1, 1, 2, 2);
    ASSERT_EQ(grid.SelectedCellsCount(), 4);
    EXPECT_EQ(grid.SelectedCell(1), (TGridCoord{1, 2}));
    EXPECT_EQ(grid.SelectedCell(2), (TGridCoord{2, 1}));
    EXPECT_TRUE(grid.SelectedCells(2, 2));
    EXPECT_FALSE(grid.SelectedCells(3, 2));
    EXPECT_EQ(grid.SelectedRow(1), 2);
    EXPECT_EQ(grid.SelectedRow(2), -1);
    grid.ClearSelectedCells();
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 1, 1}));
}

TEST(StringGridSelection, DisjunctCellsKeepLargeCoordinatesExact) {
    TExStringGrid grid(nullptr);
    grid.MouseActions()->SetDisjunctCellSelect(true);
    grid.SetSelectedCells(70000, 40000, true);
    grid.SetSelectedCells(3, 2, true);
    grid.SetSelectedCells(3, 2, true);
    EXPECT_EQ(grid.SelectedCellsCount(), 2);
    EXPECT_EQ(grid.SelectedCell(0), (TGridCoord{70000, 40000}));
    EXPECT_TRUE(grid.SelectedCells(70000, 40000));
    EXPECT_FALSE(grid.SelectedCells(70000 - 65536, 40001));
    EXPECT_TRUE(grid.IsSelected(3, 2));
    EXPECT_FALSE(grid.IsSelected(0, 2));  // fixed cells never
    grid.SetSelectedCells(3, 2, false);
    EXPECT_EQ(grid.SelectedCellsCount(), 1);
}

TEST(StringGridRowSelection, RowFlagsAndTheirErrors) {
    TExStringGrid grid(nullptr);
    grid.MouseActions()->SetDisjunctRowSelect(true);
    EXPECT_THROW(grid.GetRowSelect(grid.RowCount() + 5), EExGridError);
    EXPECT_THROW(grid.GetRowSelect(-1), EExGridError);
    EXPECT_THROW(grid.SetRowSelect(-1, true), EExGridError);
    EXPECT_THROW(grid.GetColSelect(grid.ColCount()), EExGridError);
    try {
        grid.GetRowSelect(15);
    } catch (const EExGridError& e) {
        EXPECT_EQ(e.Message(), "Invalid row 15 accessed");
    }
    grid.MouseActions()->SetRowSelectPersistent(true);
    EXPECT_FALSE(grid.GetRowSelect(grid.RowCount() + 5));
    // A negative row answers false and grows nothing.
    EXPECT_FALSE(grid.GetRowSelect(-4));
    EXPECT_EQ(grid.RowSelectCount(), 0);
}

TEST(StringGridRowSelection, AVetoedRowSelectionChangesNothing) {
    TExStringGrid grid(nullptr);
    grid.MouseActions()->SetDisjunctRowSelect(true);
    int selected = 0;
    grid.OnRowDisjunctSelected = [&](TObject*, int) { ++selected; };
    grid.OnRowDisjunctSelect = [](TObject*, int ARow, bool, bool& Allow) { Allow = ARow != 3; };
    grid.SetRowSelect(3, true);
    EXPECT_FALSE(grid.GetRowSelect(3));
    EXPECT_EQ(selected, 0);
    grid.SetRowSelect(4, true);
    grid.SetRowSelect(2, true);
    EXPECT_EQ(selected, 2);
    EXPECT_EQ(grid.RowSelectCount(), 2);
    EXPECT_EQ(grid.SelectedRow(0), 4);
    EXPECT_EQ(grid.SelectedRow(1), 2);
    EXPECT_TRUE(grid.IsSelected(1, 4));
    grid.ClearRowSelect();
    EXPECT_EQ(grid.RowSelectCount(), 0);
    EXPECT_EQ(grid.SelectedRow(0), -1);
}

TEST(StringGridRowSelection, SelectRowsAsTheRuleEditorsDoAndCutsAtTheLastRow) {
    TExStringGrid grid(nullptr);
    grid.SelectRows(4, 1);
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 4, grid.ColCount() - 1, 4}));
    EXPECT_TRUE(grid.GetRowSelect(4));
    EXPECT_FALSE(grid.GetRowSelect(5));
    grid.SelectRows(5, 100);
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 5, grid.ColCount() - 1, 9}));
    grid.MouseActions()->SetDisjunctRowSelect(true);
    grid.SelectRows(5, 100);
    EXPECT_EQ(grid.RowSelectCount(), 5);
    grid.UnSelectRows(5, 2);
    EXPECT_EQ(grid.RowSelectCount(), 3);
}

TEST(StringGridRowSelection, SelectionToRowAndColumnFlags) {
    TExStringGrid grid(nullptr);
    grid.MouseActions()->SetDisjunctRowSelect(true);
    grid.SelectCells(1, 2, 3, 4);
    grid.SelectionToRowSelect(false);
    EXPECT_EQ(grid.RowSelectCount(), 3);
    grid.SelectCells(1, 6, 3, 6);
    grid.SelectionToRowSelect(true);
    EXPECT_EQ(grid.RowSelectCount(), 1);
    EXPECT_TRUE(grid.GetRowSelect(6));
    grid.SelectionToColSelect(false);
    EXPECT_TRUE(grid.GetColSelect(2));
    EXPECT_FALSE(grid.GetColSelect(4));
    grid.MouseActions()->SetDisjunctColSelect(true);
    EXPECT_EQ(grid.ColSelectCount(), 3);
    grid.ClearColSelect();
    EXPECT_EQ(grid.ColSelectCount(), 0);
}

TEST(StringGridFills, FillsWriteTheNormalOrAllCells) {
    TExStringGrid grid(nullptr);
    grid.LinearFill(false);
    EXPECT_EQ(grid.Cells(1, 1), "1:1");
    EXPECT_EQ(grid.Cells(4, 9), "4:9");
    EXPECT_EQ(grid.Cells(0, 0), QString());
    grid.FormatFill(true, "c%d r%d");
    EXPECT_EQ(grid.Cells(0, 0), "c0 r0");
    EXPECT_EQ(grid.Cells(3, 2), "c3 r2");
    grid.TextFill(false, "x");
    EXPECT_EQ(grid.Cells(2, 2), "x");
    EXPECT_EQ(grid.Cells(0, 2), "c0 r2");
    grid.RandomFill(false, 5);
    const int value = grid.Cells(2, 2).toInt();
    EXPECT_GE(value, 0);
    EXPECT_LT(value, 5);
}

TEST(StringGridRowFlags, ModifiedAndEnabledRows) {
    TExStringGrid grid(nullptr);
    EXPECT_FALSE(grid.RowModified(3));
    grid.SetRowModified(3, true);
    grid.SetRowModified(6, true);
    grid.SetRowModified(6, false);
    EXPECT_TRUE(grid.RowModified(3));
    EXPECT_EQ(grid.ModifiedRowCount(), 1);
    grid.ClearModifiedRows();
    EXPECT_EQ(grid.ModifiedRowCount(), 0);

    EXPECT_TRUE(grid.RowEnabled(4));
    grid.TStringGrid::SetRow(1);
    grid.SetRowEnabled(2, false);
    grid.SetRowEnabled(1, false);
    EXPECT_TRUE(grid.UseEnabledRows());
    EXPECT_FALSE(grid.RowEnabled(1));
    EXPECT_EQ(grid.Row(), 3);  // the current row left for the first enabled other row
}

TEST(StringGridSelection, SelectionToFormShowsThatAreaOfTheGrid) {
    TExStringGrid grid(nullptr);
    grid.resize(400, 250);
    grid.SetColors(2, 2, clRed);
    grid.SetColors(3, 3, clBlue);
    grid.show();
    QApplication::processEvents();
    QWidget* window = grid.SelectionToForm({2, 2, 3, 3});
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_NEAR(window->windowOpacity(), 192.0 / 255.0, 0.01);
    const QImage picture = window->findChild<QLabel*>("SelectionImage")->pixmap().toImage();
    const TRect a = grid.CellRect(2, 2);
    const TRect b = grid.CellRect(3, 3);
    EXPECT_EQ(picture.width(), b.Right - a.Left);
    EXPECT_EQ(picture.height(), b.Bottom - a.Top);
    // The picture is the grid's own drawing of that area.
    const QImage whole = grid.grab().toImage();
    const QPoint offset = grid.viewport()->mapTo(&grid, QPoint(0, 0));
    for (const QPoint p : {QPoint(5, 5), QPoint(b.Left - a.Left + 5, b.Top - a.Top + 5)})
        EXPECT_EQ(picture.pixelColor(p), whole.pixelColor(p + QPoint(a.Left + 1, a.Top + 1) + offset)) << p.x();
    EXPECT_EQ(picture.pixelColor(5, 5), QColor(Qt::red));
    delete window;
}

}  // namespace

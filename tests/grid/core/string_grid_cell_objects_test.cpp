// String grid cell object store: kinds, attaching and removing, the sizes objects claim,
// and links in display texts.

#include "grid/core/string_grid.h"
#include "platform/picture.h"

#include <gtest/gtest.h>

namespace {

TEST(StringGridCellObjects, KindsOfCellsWithoutAnObjectAreEmptyAndNothingIsCreated) {
    TExStringGrid grid(nullptr);
    EXPECT_EQ(grid.GetCellType(-1, 0), ctEmpty);
    EXPECT_EQ(grid.GetCellType(2, 2), ctEmpty);
    EXPECT_EQ(grid.GetCellGraphic(2, 2), nullptr);
    grid.SetColors(2, 2, clRed);  // properties without an object
    EXPECT_EQ(grid.GetCellType(2, 2), ctEmpty);
    EXPECT_FALSE(grid.CellPropsAssigned(3, 3));
    EXPECT_EQ(grid.GetCellType(3, 3), ctEmpty);
    EXPECT_FALSE(grid.CellPropsAssigned(3, 3));
}

TEST(StringGridCellObjects, AnObjectAddedToAnEmptyCellLeavesItsTextEmpty) {
    TExStringGrid grid(nullptr);
    TCellGraphic* graphic = grid.CreateCellGraphic(2, 3);
    ASSERT_NE(graphic, nullptr);
    EXPECT_EQ(grid.Cells(2, 3), QString());
    EXPECT_TRUE(grid.CellPropsAssigned(2, 3));
    EXPECT_EQ(grid.GetCellType(2, 3), ctNone);
    graphic->SetCheckBox(true, false, false, haLeft, vaTop);
    EXPECT_EQ(grid.GetCellGraphic(2, 3), graphic);
    EXPECT_TRUE(grid.HasCellObject(2, 3, {ctCheckBox, ctRadio}));
    // A second object replaces the first.
    TCellGraphic* second = grid.CreateCellGraphic(2, 3);
    EXPECT_NE(second, nullptr);
    EXPECT_EQ(grid.GetCellType(2, 3), ctNone);
    EXPECT_FALSE(grid.RemoveCellGraphicOfType(2, 3, ctCheckBox));
    EXPECT_TRUE(grid.RemoveCellGraphicOfType(2, 3, ctNone));
    EXPECT_FALSE(grid.RemoveCellGraphic(2, 3));
    EXPECT_EQ(grid.GetCellType(2, 3), ctEmpty);
}

TEST(StringGridCellObjects, TheKindOfAMergedAreaIsItsBaseCells) {
    TExStringGrid grid(nullptr);
    grid.MergeCells(1, 1, 2, 2);
    grid.CreateCellGraphic(1, 1)->SetRadioButton(true, false, haLeft, vaTop);
    EXPECT_TRUE(grid.HasCellObject(2, 2, {ctRadioButton}));
    EXPECT_FALSE(grid.HasCellObject(2, 2, {ctCheckBox}));
}

TEST(StringGridCellObjects, TheRowCheckBoxOfColumnZeroIsSharedAndNeverFreed) {
    TExStringGrid grid(nullptr);
    grid.MouseActions()->SetHotmailRowSelect(true);
    EXPECT_EQ(grid.GetCellType(0, 4), ctRowCheckBox);
    EXPECT_EQ(grid.GetCellGraphic(0, 4), grid.SharedCellGraphic());
    EXPECT_EQ(grid.GetCellGraphic(0, 5), grid.SharedCellGraphic());
    EXPECT_EQ(grid.GetCellType(1, 4), ctEmpty);
}

TEST(StringGridCellObjects, SizesClaimedForLayoutAndPrinting) {
    TExStringGrid grid(nullptr);
    const int cellWidth = grid.ColWidths(2);
    const int cellHeight = grid.RowHeights(2);

    grid.CreateCellGraphic(2, 2)->SetCheckBox(true, false, false, haLeft, vaTop);
    EXPECT_EQ(grid.CellGraphicSize(2, 2), (TPoint{15, 15}));

    TCellGraphic* rating = grid.CreateCellGraphic(3, 2);
    rating->SetCellType(ctRating);
    rating->SetCellValue(4);
    rating->SetCellHAlign(haFull);
    EXPECT_EQ(grid.CellGraphicSize(3, 2), (TPoint{4 * 18, 16}));  // a rating's own width is full

    auto* picture = new TPicture(QImage(10, 8, QImage::Format_RGB32));
    TCellGraphic* pictureCell = grid.CreateCellGraphic(4, 2);
    pictureCell->SetPicture(picture, false, noStretch, 0, haFull, vaTop);
    pictureCell->SetCellCreated(true);
    EXPECT_EQ(grid.CellGraphicSize(4, 2), (TPoint{cellWidth, 8}));

    grid.CreateCellGraphic(1, 3)->SetButton(30, 12, "Go", haLeft, vaTop);
    EXPECT_EQ(grid.CellGraphicSize(1, 3), (TPoint{30, 12}));
    grid.SetCells(1, 3, "text");
    EXPECT_EQ(grid.CellGraphicSize(1, 3), (TPoint{30, 0}));

    TPoint printed;
    grid.CalcPrintGraphicSize(4, 2, printed, 2.0, 100, 100);
    EXPECT_EQ(printed, (TPoint{5, 4}));
    TCellGraphic* progress = grid.CreateCellGraphic(1, 4);
    progress->SetCellType(ctProgress);
    grid.CalcPrintGraphicSize(1, 4, printed, 1.0, 0, 0);
    EXPECT_EQ(printed, (TPoint{grid.ColWidths(1), cellHeight}));
    grid.CalcCellGraphicSize(1, 5, printed, 0);
    EXPECT_EQ(printed, (TPoint{0, 0}));
}

TEST(StringGridCellObjects, ButtonRectangleAndSortValue) {
    TExStringGrid grid(nullptr);
    TCellGraphic* button = grid.CreateCellGraphic(2, 2);
    button->SetButton(30, 12, "Go", haLeft, vaTop);
    button->SetCellValue(3 + (4 << 16));
    const TRect cell = grid.CellRect(2, 2);
    EXPECT_EQ(grid.GetCellGraphicRect(2, 2), Rect(cell.Left + 3, cell.Top + 4, cell.Left + 33, cell.Top + 16));
    EXPECT_EQ(grid.GetCellGraphicRect(3, 3), TRect());
    grid.CreateCellGraphic(3, 3)->SetImageIdx(7, haLeft, vaTop);
    EXPECT_EQ(grid.GetGraphicSortValue(3, 3), 7);
    EXPECT_EQ(grid.GetGraphicSortValue(2, 2), -1);
}

TEST(StringGridCellObjects, LinksInTextsAreWrappedOnlyForTheFirstMatchingPrefix) {
    TExStringGrid grid(nullptr);
    grid.SetCells(1, 1, "see www.example.com now");
    EXPECT_EQ(grid.Cells(1, 1), "see www.example.com now");
    grid.SetURLShowInText(true);
    const QString linked = grid.Cells(1, 1);
    EXPECT_EQ(linked.count("<a href="), 1);
    EXPECT_TRUE(linked.contains("www.example.com</a>"));
    grid.SetCells(1, 2, "ftp://files http://site");
    const QString both = grid.Cells(1, 2);
    EXPECT_EQ(both.count("<a href="), 1);
    EXPECT_TRUE(both.contains("http://site</a>"));
    EXPECT_FALSE(both.contains("ftp://files</a>"));
    EXPECT_EQ(grid.GridCells(1, 2), "ftp://files http://site");
}

TEST(StringGridCellObjects, SortIndicatorCell) {
    TExStringGrid grid(nullptr);
    grid.SortSettings()->Show = true;
    grid.SortSettings()->Row = 0;
    EXPECT_TRUE(grid.IsSortIndicatorCell(2, 0));
    EXPECT_FALSE(grid.IsSortIndicatorCell(2, 1));
    grid.TStringGrid::SetRowCount(2);
    EXPECT_FALSE(grid.IsSortIndicatorCell(2, 0));
}

}  // namespace

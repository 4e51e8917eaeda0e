// The string grid with a hidden column between displayed ones, a merged area and two
// held-out rows: hooks reach the real column, painting shows the real column's look at
// the displayed place, the stream format against its golden file, and copying cells.

#include "grid_fixture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>

namespace {

QString GoldenFile(const char* name) {
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/golden/string_grid_stream/") +
           QString::fromUtf8(name);
}

QByteArray Saved(TExStringGrid& grid) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    grid.SaveToStream(buffer);
    return data;
}

TEST(StringGridFixture, ShowsItsDisplayedCellsAndKeepsItsAreaWhole) {
    StringGridFixture grid;
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.RowCount(), 6);
    EXPECT_EQ(grid.AllColCount(), 6);
    EXPECT_EQ(grid.AllRowCount(), 8);
    EXPECT_EQ(grid.Cells(2, 1), "2,1");  // the hidden column keeps its cells
    EXPECT_EQ(grid.RealColIndex(2), 3);
    EXPECT_EQ(grid.RealRowIndex(4), 5);
    EXPECT_EQ(grid.AllCells(1, 4), "1,4");
    EXPECT_TRUE(MergeIndexIsConsistent(grid));
}

TEST(StringGridFixture, HooksAnswerForTheRealColumnBehindADisplayedOne) {
    StringGridFixture grid;
    grid.SetColors(3, 1, clRed);
    std::vector<std::pair<int, int>> colourAsked;
    grid.OnGetCellColor = [&](TObject*, int r, int c, TGridDrawState, TBrush*, TFont*) {
        colourAsked.push_back({c, r});
    };
    // The painter asks for displayed column 2 of row 1.
    TGridDrawState state;
    TBrush brush;
    TFont font;
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = false;
    TCellGradientDirection gd = GradientVertical;
    grid.GetVisualProperties(2, 1, state, false, true, true, brush, colorTo, mirror, mirrorTo, font, ha, va, ww, gd);
    EXPECT_EQ(brush.Color, clRed);
    ASSERT_EQ(colourAsked.size(), 1u);
    EXPECT_EQ(colourAsked[0], std::make_pair(3, 1));

    // The active header cell follows the displayed current column.
    grid.SetActiveCellShow(true);
    grid.SetCol(2);
    brush = TBrush();
    grid.GetCellColor(RealCol(3), DisplRow(0), TGridDrawState(), &brush, &font);
    EXPECT_EQ(brush.Color, grid.ActiveCellColor());
    brush = TBrush();
    grid.GetCellColor(RealCol(4), DisplRow(0), TGridDrawState(), &brush, &font);  // displayed 3
    EXPECT_NE(brush.Color, grid.ActiveCellColor());

    // Editing asks the base cell of the area by its real column.
    grid.SetOptions(grid.Options().Include(goEditing));
    std::vector<std::pair<int, int>> editAsked;
    grid.OnCanEditCell = [&](TObject*, int r, int c, bool&) { editAsked.push_back({c, r}); };
    bool canEdit = true;
    grid.CanEditBaseCell(RealCol(4), DisplRow(3), canEdit);
    ASSERT_EQ(editAsked.size(), 1u);
    EXPECT_EQ(editAsked[0], std::make_pair(3, 2));
}

TEST(StringGridFixture, ColumnFilterOffersTheTextsOfHeldOutRowsToo) {
    StringGridFixture grid;
    grid.SetFilterDropDownAuto(true);
    grid.SetFilterDropDownClear(QString());
    ASSERT_TRUE(grid.GetColumnFilter(RealCol(1)));
    EXPECT_EQ(grid.FilterList()->Count(), 7);  // rows 1..7, the held-out rows 4 and 6 included
    EXPECT_GE(grid.FilterList()->IndexOf("1,4"), 0);
    grid.SetFilterIncremental(true);
    grid.GetColumnFilter(RealCol(1));
    EXPECT_EQ(grid.FilterList()->IndexOf("1,4"), -1);
}

TEST(StringGridFixture, PaintingShowsTheNextRealColumnAtTheHiddenColumnsPlace) {
    StringGridFixture grid;
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.resize(260, 160);
    grid.SetColors(3, 1, clRed);
    grid.SetColors(2, 1, clBlue);  // the hidden column's own colour is never shown
    grid.SetColors(3, 2, clLime);  // the merged area: displayed columns 2..3, rows 2..3
    grid.SetCells(3, 2, QString());  // its text would cover the fill probed at its top-left
    grid.show();
    QApplication::processEvents();
    QImage image(grid.viewport()->size(), QImage::Format_RGB32);
    grid.viewport()->render(&image);
    // Displayed column 2 covers x 80..119, row 1 y 20..39.
    EXPECT_EQ(FromQColor(image.pixelColor(100, 30)), clRed);
    // Displayed column 1 is the current cell, which lies in the selection.
    EXPECT_EQ(FromQColor(image.pixelColor(60, 30)), grid.SelectionColor());
    for (int x = 0; x < image.width(); ++x) ASSERT_NE(FromQColor(image.pixelColor(x, 30)), clBlue) << x;
    // The area is one fill over x 80..159, y 40..79, with no line between its cells.
    for (const QPoint p : {QPoint(85, 45), QPoint(119, 50), QPoint(150, 70), QPoint(100, 59)})
        EXPECT_EQ(FromQColor(image.pixelColor(p)), clLime) << p.x() << "," << p.y();
    EXPECT_NE(FromQColor(image.pixelColor(170, 50)), clLime);
}

TEST(StringGridFixture, StreamMatchesItsGoldenFileAndCopyingCellsRoundTripsIt) {
    StringGridFixture grid;
    QFile golden(GoldenFile("fixture.txt"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    const QByteArray expected = golden.readAll();
    EXPECT_EQ(Saved(grid), expected);

    TExStringGrid copy(nullptr);
    copy.AssignCells(&grid);
    EXPECT_EQ(copy.ColCount(), 5);
    EXPECT_EQ(copy.RowCount(), 6);
    EXPECT_EQ(copy.Cells(2, 1), "3,1");
    EXPECT_EQ(Saved(copy), expected);
}

}  // namespace

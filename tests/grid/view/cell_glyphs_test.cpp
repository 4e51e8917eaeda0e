// The radio group, the rating stars, the expand chevron, the sort indicator's numbered
// form and the error underline, drawn on the shared fixture.

#include "grid/view/cell_layers_fixture.h"

#include <gtest/gtest.h>

namespace {

const TColor kRadioDot = RGBColor(33, 161, 33);  // the csWinXP "on" picture's dot

TColor At(const QImage& image, int x, int y) { return FromQColor(image.pixelColor(x, y)); }

struct CanvasOn {
    explicit CanvasOn(QImage& image) : painter(&image), canvas(&painter) {
        canvas.Font.Name = QStringLiteral("DejaVu Sans");
        canvas.Font.Size = 8;
        canvas.Font.Color = clBlack;
    }
    QPainter painter;
    TCanvas canvas;
};

TEST(DrawRadioGroup, TheChosenItemIsOn) {
    CellLayersGrid grid;
    grid.ControlLook()->ControlStyle = csWinXP;
    const TRect r = Rect(10, 10, 200, 100);
    // Horizontal without texts: item i at x = Left + 16 i - 14, centred vertically.
    QImage horizontal = CellLayersGrid::Blank();
    {
        CanvasOn on(horizontal);
        grid.DrawRadioGroup(on.canvas, r, false, 1.0, csWinXP, 1, 3, false, {QString(), QString(), QString()}, false,
                            true, 1, 3);
    }
    const int y = 10 + (90 - 16) / 2 + 7;
    EXPECT_NE(At(horizontal, 12 + 7, y), kRadioDot);
    EXPECT_EQ(At(horizontal, 28 + 7, y), kRadioDot);
    EXPECT_NE(At(horizontal, 44 + 7, y), kRadioDot);
    // Vertical with texts and Index -1: the item whose text is the cell text is on.
    grid.SetCells(3, 1, QStringLiteral("b"));
    QImage vertical = CellLayersGrid::Blank();
    int lineHeight = 0;
    {
        CanvasOn on(vertical);
        lineHeight = qMax(16, on.canvas.TextHeight(QStringLiteral("gh")));
        grid.DrawRadioGroup(on.canvas, r, false, 1.0, csWinXP, 1, 3, false,
                            {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, false, false, -1, 3);
    }
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(At(vertical, 12 + 7, 10 + (i - 1) * lineHeight + 2 + 7) == kRadioDot, i == 2) << i;
    // No items, nothing drawn.
    QImage none = CellLayersGrid::Blank();
    {
        CanvasOn on(none);
        grid.DrawRadioGroup(on.canvas, r, false, 1.0, csWinXP, 1, 3, false, {}, false, true, 0, 0);
    }
    EXPECT_EQ(none, CellLayersGrid::Blank());
}

TEST(CellGraphicDrawing, RatingShowsFullHalfAndEmptyStars) {
    CellLayersGrid grid;
    TCellGraphic* graphic = grid.CreateCellGraphic(3, 1);
    graphic->SetCellType(ctRating);
    graphic->SetCellAngle(5);
    graphic->SetCellColor(clGray);       // empty
    graphic->SetCellTextColor(clYellow); // full
    grid.SetCells(3, 1, QStringLiteral("3.3"));
    QImage image = CellLayersGrid::Blank();
    grid.Paint(image, 2, 1);
    // Cell x 82..121 inset to 83..120; stars from x 84, y 23, 18 apart; centres at 92 + 18 i, 31.
    for (int i = 0; i < 3; ++i) EXPECT_EQ(At(image, 92 + 18 * i, 31), clYellow) << i;
    EXPECT_EQ(At(image, 92 + 54 - 2, 31), clYellow);  // the half star's left side
    EXPECT_EQ(At(image, 92 + 54 + 2, 31), clGray);    // its right side stays empty
    EXPECT_EQ(At(image, 92 + 72, 31), clGray);
}

TEST(CellGraphicDrawing, ExpandChevronPointsByItsState) {
    QImage images[2];
    for (bool up : {false, true}) {
        CellLayersGrid grid;
        TCellGraphic* graphic = grid.CreateCellGraphic(3, 1);
        graphic->SetCellType(ctExpand);
        graphic->SetCellVar(up);
        images[up] = CellLayersGrid::Blank();
        grid.Paint(images[up], 2, 1);
    }
    // Inset rectangle 83..121 by 22..40: down chevron from (111, 27), up from (111, 30).
    EXPECT_EQ(At(images[0], 111, 27), clBlack);
    EXPECT_EQ(At(images[1], 111, 30), clBlack);
    EXPECT_NE(images[0], images[1]);
}

TEST(DrawSortIndicator, NumberedFormOnlyForColumnsInTheSortList) {
    CellLayersGrid grid;
    grid.SortSettings()->IndexShow = true;
    grid.SortSettings()->IndexColor = clYellow;
    grid.SortIndexes()->AddIndex(3, true);
    QImage listed = CellLayersGrid::Blank(), unlisted = CellLayersGrid::Blank();
    {
        CanvasOn on(listed);
        grid.DrawSortIndicator(on.canvas, 3, 50, 50);
    }
    {
        CanvasOn on(unlisted);
        grid.DrawSortIndicator(on.canvas, 1, 50, 50);
    }
    EXPECT_EQ(At(listed, 45, 57), clYellow);  // inside the upward triangle (44, 58), (56, 58), (50, 46)
    EXPECT_EQ(unlisted, CellLayersGrid::Blank());
}

TEST(CellTextLayer, ErrorUnderlineOnlyUnderAValueCell) {
    for (TCellType kind : {ctValue, ctCheckBox}) {
        CellLayersGrid grid;
        grid.SetCells(3, 1, QStringLiteral("abcd"));
        TCellGraphic* graphic = grid.CreateCellGraphic(3, 1);
        graphic->SetCellType(kind);
        graphic->SetMarker(1, 2);
        QImage image = CellLayersGrid::Blank();
        grid.Paint(image, 2, 1);
        int red = 0;
        for (int y = 21; y < 60; ++y)
            for (int x = 82; x < 140; ++x) red += At(image, x, y) == clRed;
        EXPECT_EQ(red > 0, kind == ctValue) << kind;
    }
}

}  // namespace

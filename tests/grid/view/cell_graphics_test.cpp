// Size, placement and drawing of cell graphics, probed on offscreen renders of the
// shared fixture with a Y/N column.

#include "grid/view/cell_graphic_interface.h"
#include "grid/view/cell_layers_fixture.h"

#include "platform/picture.h"

#include <gtest/gtest.h>

namespace {

// The csWinXP check box pictures: enabled border, tick, and the disabled border. The
// tests that probe these colours choose csWinXP, since the grid's default style is themed.
const TColor kEnabledBorder = RGBColor(28, 81, 128);
const TColor kTick = RGBColor(33, 161, 33);
const TColor kDisabledBorder = RGBColor(190, 190, 190);

TColor At(const QImage& image, int x, int y) { return FromQColor(image.pixelColor(x, y)); }

TEST(CellGraphicInfo, SizeAndTextPerKind) {
    struct Case {
        TCellType kind;
        int cellIndex, cellAngle;
        int width, height;
        bool textShown;
    };
    const Case cases[] = {
        {ctCheckBox, 0, 0, 15, 15, true},
        {ctTriStateCheckBox, 0, 0, 15, 15, true},
        {ctDataCheckBox, 0, 0, 15, 15, false},
        {ctVirtCheckBox, 0, 0, 15, 15, false},
        {ctRowCheckBox, 0, 0, 15, 15, false},
        {ctRadioButton, 0, 0, 14, 14, true},
        {ctProgressPie, 0, 0, 20, 20, true},
        {ctButton, (12 << 16) | 30, 0, 30, 12, true},
        {ctRating, 0, 5, 90, 16, false},
        {ctProgress, 0, 0, 0, 0, false},
        {ctXPProgress, 0, 0, 0, 0, false},
        {ctRotated, 0, 0, 0, 0, false},
        {ctShape, 0, 0, 16, 16, true},  // row height 20 less twice the Y offset
        {ctComment, 0, 0, 0, 0, true},
    };
    CellLayersGrid grid;
    for (const Case& c : cases) {
        TCellGraphic* graphic = grid.CreateCellGraphic(3, 1);
        graphic->SetCellType(c.kind);
        graphic->SetCellIndex(c.cellIndex);
        graphic->SetCellAngle(c.cellAngle);
        TCellVAlign va;
        TCellHAlign ha;
        bool textShown = false;
        int h = -1, w = -1;
        EXPECT_EQ(grid.GetCellGraphicInfo(3, 1, va, ha, textShown, h, w), graphic);
        EXPECT_EQ(w, c.width) << c.kind;
        EXPECT_EQ(h, c.height) << c.kind;
        EXPECT_EQ(textShown, c.textShown) << c.kind;
        // The virtual and row kinds mark the grid's shared graphic, which no cell frees:
        // this owned one takes a kind of its own again so the next case frees it.
        graphic->SetCellType(ctEmpty);
    }
    TCellVAlign va;
    TCellHAlign ha;
    bool textShown = false;
    int h = -1, w = -1;
    EXPECT_EQ(grid.GetCellGraphicInfo(4, 1, va, ha, textShown, h, w), nullptr);
    EXPECT_TRUE(textShown);
    EXPECT_EQ(w, 0);
}

TEST(CellGraphicInfo, PictureAndInterfaceReportTheirOwnSize) {
    struct Drawn : TObject, ICellGraphic {
        void Draw(TCanvas& Canvas, const TRect& R, int, int, bool, TExStringGrid*) override {
            Canvas.Brush.Color = clRed;
            Canvas.FillRect(R);
        }
        int GetWidth() const override { return 11; }
        int GetHeight() const override { return 7; }
        bool IsBackground() const override { return false; }
    } drawn;
    CellLayersGrid grid;
    TCellGraphic* graphic = grid.CreateCellGraphic(3, 1);
    graphic->SetCellType(ctInterface);
    graphic->SetCellBitmap(&drawn);
    TCellVAlign va;
    TCellHAlign ha;
    bool textShown;
    int h, w;
    grid.GetCellGraphicInfo(3, 1, va, ha, textShown, h, w);
    EXPECT_EQ(w, 11);
    EXPECT_EQ(h, 7);
    QImage image = CellLayersGrid::Blank();
    grid.Paint(image, 2, 1);  // real column 3 is displayed at 2
    EXPECT_EQ(At(image, 100, 30), clRed);
    graphic->SetCellBitmap(nullptr);
}

// The data check box of the Y/N column: where it sits by the column's alignment, and
// how it looks by the cell text and the column's editability.
TEST(CellGraphicDrawing, YNCheckBoxPlacementAndLook) {
    struct Case {
        TAlignment alignment;
        bool readOnly;
        int row;
        int glyphLeft;  // the picture's left pixel column
        bool checked;
    };
    // Cell (1, r): x 41..80. Inset by XYOffset - 1: 42..79 (right edge 80, width 38). Centred: 42 +
    // (38 - 15) / 2 = 53; left: one pixel inside, 43. Vertically centred: row 1 y 21..40
    // inset to 22..39, top 22 + (18 - 15) / 2 = 23.
    const Case cases[] = {
        {taCenter, false, 1, 53, true},       {taCenter, false, 2, 53, false},
        {taLeftJustify, false, 1, 43, true},  {taLeftJustify, false, 2, 43, false},
        {taRightJustify, false, 1, 80 - 15 - 1, true}, {taCenter, true, 1, 53, true},
        {taCenter, true, 2, 53, false},
    };
    for (const Case& c : cases) {
        CellLayersGrid grid;
        grid.ControlLook()->ControlStyle = csWinXP;
        grid.YNAlignment = c.alignment;
        grid.YNReadOnly = c.readOnly;
        QImage image = CellLayersGrid::Blank();
        grid.Paint(image, CellLayersGrid::YNCol, c.row);
        const int top = c.row * 21 + 2;
        const TColor border = c.readOnly ? kDisabledBorder : kEnabledBorder;
        EXPECT_EQ(At(image, c.glyphLeft + 1, top + 7), border) << c.alignment << " row " << c.row;
        EXPECT_EQ(At(image, c.glyphLeft, top + 7), clWhite) << "the key column is transparent";
        EXPECT_EQ(At(image, c.glyphLeft - 1, top + 7), clWhite);
        const bool ticked = At(image, c.glyphLeft + 6, top + 9) == (c.readOnly ? RGBColor(170, 170, 170) : kTick);
        EXPECT_EQ(ticked, c.checked) << c.alignment << " row " << c.row;
        // The cell text "Y" / "N" itself is not drawn: only the box's colours appear.
        for (int y = c.row * 21; y < c.row * 21 + 20; ++y)
            for (int x = 41; x < 81; ++x) ASSERT_NE(At(image, x, y), clBlack) << x << "," << y;
    }
}

TEST(CellGraphicDrawing, OnlyTheCheckTrueTextChecks) {
    for (const char* text : {"Y", "y", "", "N", "Yes"}) {
        CellLayersGrid grid;
        grid.ControlLook()->ControlStyle = csWinXP;
        grid.SetCells(CellLayersGrid::YNCol, 1, QString::fromLatin1(text));
        QImage image = CellLayersGrid::Blank();
        grid.Paint(image, CellLayersGrid::YNCol, 1);
        EXPECT_EQ(At(image, 53 + 6, 23 + 9) == kTick, QString::fromLatin1(text) == QStringLiteral("Y")) << text;
    }
}

TEST(CellGraphicDrawing, NoDisabledLookWhenCheckAlwaysActive) {
    CellLayersGrid grid;
    grid.ControlLook()->ControlStyle = csWinXP;
    grid.YNReadOnly = true;
    grid.ControlLook()->CheckAlwaysActive = true;
    QImage image = CellLayersGrid::Blank();
    grid.Paint(image, CellLayersGrid::YNCol, 1);
    EXPECT_EQ(At(image, 54, 30), kEnabledBorder);
}

TEST(CellGraphicDrawing, CheckStylesDrawTheirOwnBox) {
    // Every style draws something inside the placed square and the checked state differs.
    for (TControlStyle style : {csClassic, csFlat, csWinXP, csBrantel, csZRT, csTheme}) {
        CellLayersGrid grid;
        grid.ControlLook()->ControlStyle = style;
        QImage checked = CellLayersGrid::Blank(), unchecked = CellLayersGrid::Blank();
        grid.Paint(checked, CellLayersGrid::YNCol, 1);
        grid.Paint(unchecked, CellLayersGrid::YNCol, 2);
        const QImage a = checked.copy(41, 21, 40, 20), b = unchecked.copy(41, 42, 40, 20);
        EXPECT_NE(a, b) << style;
        EXPECT_NE(b, CellLayersGrid::Blank().copy(0, 0, 40, 20)) << style;
    }
}

TEST(CellGraphicDrawing, XPProgressWithAnEmptyRangeShowsZeroPercent) {
    CellLayersGrid grid;
    TCellGraphic* graphic = grid.CreateCellGraphic(3, 1);
    graphic->SetCellType(ctXPProgress);
    graphic->SetCellErrFrom(5);
    graphic->SetCellErrLen(5);
    grid.SetCells(3, 1, QStringLiteral("7"));
    QImage image = CellLayersGrid::Blank();
    grid.Paint(image, 2, 1);
    // The default level 0 colour (lime) fills nothing.
    for (int y = 21; y < 41; ++y)
        for (int x = 82; x < 122; ++x) ASSERT_NE(At(image, x, y), clLime) << x << "," << y;
}

TEST(CellGraphicDrawing, CommentMarksTheTopRightCorner) {
    CellLayersGrid grid;
    TCellGraphic* graphic = grid.CreateCellGraphic(3, 1);
    graphic->SetCellType(ctComment);
    QImage image = CellLayersGrid::Blank();
    grid.Paint(image, 2, 1);
    // Cell x 82..121: the triangle (115, 21), (120, 21), (120, 26).
    EXPECT_EQ(At(image, 118, 22), clRed);
    EXPECT_NE(At(image, 110, 22), clRed);
}

}  // namespace

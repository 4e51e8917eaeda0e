// The colour, font, alignment and text rules of a cell, asked through
// GetVisualProperties and GetFormattedCell as the painter asks them.

#include "../core/grid_fixture.h"
#include "../../controls/english_format_settings.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

struct TCellLook {
    TGridDrawState State;
    TColor Brush = clNone, ColorTo = clNone, Mirror = clNone, MirrorTo = clNone;
    TFont Font;
    TAlignment HA = taLeftJustify;
    TVAlignment VA = vtaTop;
};

// Displayed column and row, as the painter passes them.
TCellLook LookOf(TExStringGrid& grid, int col, int row, bool print = false, bool select = true,
                 TGridDrawState state = {}) {
    TCellLook look;
    look.State = state;
    TBrush brush;
    bool ww = false;
    TCellGradientDirection gd = GradientVertical;
    grid.GetVisualProperties(col, row, look.State, print, select, true, brush, look.ColorTo, look.Mirror,
                             look.MirrorTo, look.Font, look.HA, look.VA, ww, gd);
    look.Brush = brush.Color;
    return look;
}

TEST(CellColors, AFixedCellKeepsItsOwnColourOnlyForTextCellTypes) {
    const struct {
        TCellType type;
        bool keptOnScreen;
    } cases[] = {
        {ctEmpty, true},     {ctNone, true},        {ctRotated, true},      {ctIcon, true},
        {ctImageList, true}, {ctComment, true},     {ctCheckBox, false},    {ctRadioButton, false},
        {ctButton, false},   {ctBitmap, false},
    };
    for (const auto& c : cases) {
        StringGridFixture grid;
        grid.SetColors(1, 0, clRed);  // a fixed-row cell
        if (c.type != ctEmpty) grid.CreateCellGraphic(1, 0)->SetCellType(c.type);
        SCOPED_TRACE(static_cast<int>(c.type));
        const TCellLook screen = LookOf(grid, 1, 0);
        if (c.keptOnScreen) EXPECT_EQ(screen.Brush, clRed);
        else EXPECT_EQ(screen.Brush, grid.ZRTGradientFrom());  // glXP: the fixed gradient
        EXPECT_EQ(LookOf(grid, 1, 0, true).Brush, clRed) << "printing keeps every cell colour";
    }
}

TEST(CellColors, FixedCellsTakeTheFixedLookOfTheirLook) {
    StringGridFixture grid;
    grid.SetLook(glStandard);
    grid.SetFixedColor(clYellow);
    TCellLook look = LookOf(grid, 1, 0);
    EXPECT_EQ(look.Brush, clYellow);
    EXPECT_EQ(look.ColorTo, clNone);
    EXPECT_TRUE(look.State.Contains(gdFixed));
    EXPECT_EQ(look.Font.Name, grid.FixedFont()->Name);
    grid.SetLook(glXP);
    grid.SetZRTGradientMirrorFrom(clAqua);
    look = LookOf(grid, 0, 2);
    EXPECT_EQ(look.Brush, grid.ZRTGradientFrom());
    EXPECT_EQ(look.ColorTo, grid.ZRTGradientTo());
    EXPECT_EQ(look.Mirror, clAqua);
}

TEST(CellColors, BandsAlternateFromTheFirstNormalRowAndAZeroPeriodShowsTheGridColour) {
    StringGridFixture grid;
    grid.Bands()->SetPrimaryColor(clRed);
    grid.Bands()->SetSecondaryColor(clBlue);
    grid.Bands()->SetPrimaryLength(1);
    grid.Bands()->SetSecondaryLength(2);
    grid.Bands()->SetActive(true);
    grid.SetShowSelection(false);
    std::vector<TColor> colours;
    for (int row = 1; row <= 4; ++row) colours.push_back(LookOf(grid, 1, row).Brush);
    EXPECT_EQ(colours, (std::vector<TColor>{clRed, clBlue, clBlue, clRed}));
    EXPECT_EQ(LookOf(grid, 1, 1, true).Brush, clWhite) << "bands are not printed unless asked";
    grid.Bands()->SetPrimaryLength(0);
    grid.Bands()->SetSecondaryLength(0);
    EXPECT_EQ(LookOf(grid, 1, 1).Brush, clWhite);
}

TEST(CellColors, SelectionMixesWithACellColourButNotWithTheGridColour) {
    StringGridFixture grid;
    grid.SetSelection({1, 1, 3, 3});
    grid.SetColors(3, 2, clWhite - 0x0000FF);  // 0xFFFF00 (aqua), at displayed column 2
    grid.SetSelectionColor(0x0000FF);
    grid.SetSelectionColorMixer(true);
    const TCellLook plain = LookOf(grid, 1, 2);
    EXPECT_EQ(plain.Brush, TColor(0x0000FF));
    EXPECT_TRUE(plain.State.Contains(gdSelected));
    EXPECT_EQ(LookOf(grid, 2, 2).Brush, TColor(0x808080));  // half of each
    grid.SetSelectionColorMixer(false);
    EXPECT_EQ(LookOf(grid, 2, 2).Brush, TColor(0x0000FF));
    EXPECT_EQ(LookOf(grid, 2, 2, false, false).Brush, TColor(0xFFFF00)) << "no selection colours without Select";
}

TEST(CellColors, MixColorsTable) {
    const struct {
        TColor a, b;
        int percent;
        TColor expected;
    } cases[] = {
        {0x0000FF, 0xFF0000, 100, 0x0000FF}, {0x0000FF, 0xFF0000, 0, 0xFF0000},   {clNone, 0xFF0000, 50, 0xFF0000},
        {0x0000FF, clNone, 50, 0x0000FF},    {0x000000, 0xFFFFFF, 50, 0x808080},  {0x0000C8, 0x000064, 25, 0x00007D},
        {clWhite, clBlack, 150, clWhite},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TExStringGrid::MixColors(c.a, c.b, c.percent), c.expected) << std::hex << c.a << " " << c.b;
    EXPECT_EQ(TExStringGrid::MixColorsWhen(0x0000FF, 0xFF0000, false, 50), TColor(0x0000FF));
}

TEST(CellColors, OnGetCellColorSeesTheRowFirstAndTheRealColumn) {
    StringGridFixture grid;
    std::vector<std::pair<int, int>> calls;
    grid.OnGetCellColor = [&](TObject*, int ARow, int ACol, TGridDrawState, TBrush* ABrush, TFont*) {
        calls.push_back({ARow, ACol});
        ABrush->Color = clLime;
    };
    grid.SetShowSelection(false);
    EXPECT_EQ(LookOf(grid, 2, 3).Brush, clLime);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], std::make_pair(3, 3)) << "displayed column 2 is real column 3";
}

TEST(CellColors, DisabledRowsAndGridsShowTheDisabledFontColour) {
    StringGridFixture grid;
    grid.SetShowSelection(false);
    grid.SetEnabled(false);
    EXPECT_EQ(LookOf(grid, 2, 2).Font.Color, grid.DisabledFontColor());
    grid.SetUseDisabledFont(false);
    EXPECT_NE(LookOf(grid, 2, 2).Font.Color, grid.DisabledFontColor());
}

TEST(CellColors, PrintingTakesThePrintFontsUnlessItUsesTheDisplayFonts) {
    StringGridFixture grid;
    grid.PrintSettings()->Font.Name = QStringLiteral("Print Normal");
    grid.PrintSettings()->FixedFont.Name = QStringLiteral("Print Fixed");
    const QString screenNormal = LookOf(grid, 1, 1).Font.Name, screenFixed = LookOf(grid, 1, 0).Font.Name;
    ASSERT_NE(screenNormal, QStringLiteral("Print Normal"));
    const struct {
        bool print;
        bool useDisplayFont;
        int col, row;
        QString expected;
    } cases[] = {
        {true, false, 1, 1, QStringLiteral("Print Normal")}, {true, false, 0, 1, QStringLiteral("Print Fixed")},
        {true, true, 1, 1, screenNormal},                    {true, true, 1, 0, screenFixed},
        {false, false, 1, 1, screenNormal},
    };
    for (const auto& c : cases) {
        grid.PrintSettings()->UseDisplayFont = c.useDisplayFont;
        EXPECT_EQ(LookOf(grid, c.col, c.row, c.print).Font.Name, c.expected)
            << c.print << c.useDisplayFont << " " << c.col << "," << c.row;
    }
}

TEST(CellColors, FontPropertiesTakeTheFixedFontTheCellsFontThenGetCellColor) {
    StringGridFixture grid;
    grid.SetFontColors(3, 2, clRed);
    grid.OnGetCellColor = [](TObject*, int ARow, int, TGridDrawState, TBrush*, TFont* AFont) {
        if (ARow == 3) AFont->Size = 20;
    };
    TGridDrawState state;
    TFont font;
    TBrush brush;
    grid.GetFontProperties(0, 0, 2, state, font, brush, false);
    EXPECT_EQ(font.Name, grid.FixedFont()->Name);
    grid.GetFontProperties(2, 3, 2, state, font, brush, false);
    EXPECT_EQ(font.Color, clRed);
    grid.GetFontProperties(2, 3, 3, state, font, brush, false);
    EXPECT_EQ(font.Size, 20);
}

TEST(CellAlignment, NumbersPropertiesAndFormulas) {
    const struct {
        const char* name;
        const char* text;
        bool autoNum;
        bool props;  // the cell has properties asking for centred text
        TAlignment expected;
    } cases[] = {
        {"text", "abc", true, false, taLeftJustify},
        {"integer", "123", true, false, taRightJustify},
        {"float", " 1.5 ", true, false, taRightJustify},
        {"scientific", "1e5", true, false, taRightJustify},
        {"number without AutoNumAlign", "123", false, false, taLeftJustify},
        {"properties win", "123", true, true, taCenter},
        {"a formula keeps its number alignment", "=1+2", true, true, taLeftJustify},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StringGridFixture grid;
        grid.SetAutoNumAlign(c.autoNum);
        grid.SetCells(1, 1, QString::fromUtf8(c.text));
        if (c.props) grid.SetAlignments(1, 1, taCenter);
        TAlignment ha;
        TVAlignment va;
        grid.ResolveCellAlignment(RealCol(1), DisplRow(1), ha, va);
        EXPECT_EQ(ha, c.expected);
    }
}

TEST(CellAlignment, OnGetAlignmentHasTheLastWord) {
    StringGridFixture grid;
    grid.SetVAlignment(vtaCenter);
    grid.OnGetAlignment = [](TObject*, int ARow, int, TAlignment& HA, TVAlignment& VA) {
        if (ARow == 2) HA = taRightJustify;
        VA = vtaBottom;
    };
    const TCellLook look = LookOf(grid, 1, 2);
    EXPECT_EQ(look.HA, taRightJustify);
    EXPECT_EQ(look.VA, vtaBottom);
}

using FormattedCell = EnglishFormatSettingsTest;

TEST_F(FormattedCell, FormatsNumbersOnlyThroughTheHandlerAndOneNumericConversion) {
    const struct {
        const char* text;
        const char* format;  // what the handler answers
        bool isFloat;
        const char* expected;
    } cases[] = {
        {"12.7", "%d", true, "12"},
        {"3.14159", "%.2f day", true, "3.14 day"},
        {"3", "%s", true, "3"},
        {"1234567.5", "%n", true, "1,234,567.50"},
        {"5", "%d %d", true, "5"},
        {"5", "%", true, "5"},
        {"5", "", true, "5"},
        {"5", "%.1f", false, "5"},
        {"abc", "%d", true, "abc"},
    };
    for (const auto& c : cases) {
        StringGridFixture grid;
        grid.SetCells(1, 1, QString::fromUtf8(c.text));
        grid.OnGetFloatFormat = [&](TObject*, int, int, bool& IsFloat, QString& Format) {
            EXPECT_TRUE(IsFloat);
            EXPECT_EQ(Format, grid.FloatFormat());
            IsFloat = c.isFloat;
            Format = QString::fromUtf8(c.format);
        };
        EXPECT_EQ(grid.GetFormattedCell(RealCol(1), DisplRow(1)).toStdString(), c.expected) << c.format;
    }
}

TEST_F(FormattedCell, WithoutAHandlerTheTextStaysAsItIs) {
    StringGridFixture grid;
    grid.SetFloatFormat(QStringLiteral("%.3f"));
    grid.SetCells(1, 1, QStringLiteral("1.5"));
    EXPECT_EQ(grid.DisplCells(1, 1), QStringLiteral("1.5"));
}

}  // namespace

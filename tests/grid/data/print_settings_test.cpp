// Print settings: what a new grid prints with, and copying settings between grids.

#include "grid/core/string_grid.h"
#include "grid/data/print_settings.h"
#include "platform/string_grid.h"

#include <gtest/gtest.h>

namespace {

TEST(PrintSettings, NewGridPrintsBorderedCentredWithDisplayFontsAndNoHeader) {
    TExStringGrid grid(nullptr);
    const TPrintSettings& s = *grid.PrintSettings();
    EXPECT_EQ(s.Owner(), &grid);
    EXPECT_EQ(s.Borders, pbSingle);
    EXPECT_EQ(s.BorderStyle, psSolid);
    EXPECT_EQ(s.BorderColor, clBlack);
    EXPECT_TRUE(s.Centered);
    EXPECT_TRUE(s.UseDisplayFont);
    for (TPrintPosition place : {s.Time, s.Date, s.PageNr, s.Title}) EXPECT_EQ(place, ppNone);
    EXPECT_EQ(s.DateFormat, "dd/mm/yyyy");
    EXPECT_EQ(s.PageNumSep, "/");
    EXPECT_EQ(s.FitToPage, fpNever);
    EXPECT_EQ(s.Orientation, poPortrait);
    EXPECT_EQ(s.LeftSize + s.RightSize + s.HeaderSize + s.FooterSize, 0);
    EXPECT_FALSE(s.PrintGraphics);
    // Stored settings keep these numbers.
    EXPECT_EQ(int(pbNoborder), 0);
    EXPECT_EQ(int(pbAroundHorizontal), 7);
    EXPECT_EQ(int(pbCustom), 8);
    EXPECT_EQ(int(ppBottomCenter), 6);
    EXPECT_EQ(int(fpCustom), 4);
}

TEST(PrintSettings, AssignCopiesValuesNotObjectsAndKeepsFixedCellsAlways) {
    TExStringGrid source(nullptr);
    TExStringGrid target(nullptr);
    TPrintSettings& from = *source.PrintSettings();
    from.Font.Name = QStringLiteral("DejaVu Serif");
    from.Font.Size = 14;
    from.HeaderFont.Style = TFontStyles{fsBold};
    from.TitleLines.Add(QStringLiteral("first"));
    from.TitleLines.Add(QStringLiteral("second"));
    from.Borders = pbAroundVertical;
    from.PageNr = ppBottomRight;
    from.PagePrefix = QStringLiteral("Page");
    from.FitToPage = fpShrink;
    from.FixedWidth = 123;
    from.FixedCellsAlways = true;

    TPrintSettings& to = *target.PrintSettings();
    to.Assign(&from);
    EXPECT_EQ(to.Font, from.Font);
    EXPECT_EQ(to.HeaderFont.Style, TFontStyles{fsBold});
    EXPECT_EQ(to.TitleLines.Text(), from.TitleLines.Text());
    EXPECT_EQ(to.Borders, pbAroundVertical);
    EXPECT_EQ(to.PageNr, ppBottomRight);
    EXPECT_EQ(to.PagePrefix, "Page");
    EXPECT_EQ(to.FitToPage, fpShrink);
    EXPECT_EQ(to.FixedWidth, 123);
    EXPECT_FALSE(to.FixedCellsAlways);
    EXPECT_EQ(to.Owner(), &target);

    from.Font.Size = 20;
    from.TitleLines.Add(QStringLiteral("third"));
    EXPECT_EQ(to.Font.Size, 14);
    EXPECT_EQ(to.TitleLines.Count(), 2);
}

TEST(PrintSettings, AssignFromAnotherKindRaisesAndChangesNothing) {
    TPrintSettings settings;
    settings.LeftSize = 50;
    TPersistent other;
    EXPECT_THROW(settings.Assign(&other), EConvertError);
    EXPECT_THROW(settings.Assign(nullptr), EConvertError);
    EXPECT_EQ(settings.LeftSize, 50);
}

}  // namespace

#include "controls/color_utilities.h"

#include <gtest/gtest.h>

namespace {

TEST(ColorUtilities, ScaleColorPercentClampsEachChannel) {
    const struct {
        TColor color;
        int percent;
        TColor scaled;
    } cases[] = {
        {RGBColor(200, 100, 0), 50, RGBColor(255, 150, 0)},  // red stops at 255 instead of wrapping to 44
        {RGBColor(200, 100, 10), -150, RGBColor(0, 0, 0)},   // and at 0 below
        {RGBColor(100, 50, 10), -50, RGBColor(50, 25, 5)},
        {RGBColor(5, 15, 25), 10, RGBColor(5, 17, 27)},      // +0.5 to 0, +1.5 to 2, +2.5 to 2: ties go to even
        {clWhite, 0, clWhite},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScaleColorPercent(c.color, c.percent), c.scaled) << std::hex << c.color << " " << std::dec << c.percent;
}

TEST(ColorUtilities, BlendColorAtTakesTheNearestEvenOnATie) {
    // The mean of 0 and 255 is 127.5, of 0 and 101 50.5, of 0 and 3 1.5.
    EXPECT_EQ(BlendColorAt(RGBColor(0, 0, 0), RGBColor(255, 101, 3), 0, 100, 50), RGBColor(128, 50, 2));
    EXPECT_EQ(BlendColorAt(RGBColor(10, 20, 30), RGBColor(110, 20, 0), 0, 10, 10), RGBColor(110, 20, 0));
    EXPECT_EQ(BlendColorAt(RGBColor(10, 20, 30), clNone, 0, 10, 5), RGBColor(10, 20, 30));
    EXPECT_EQ(BlendColorAt(RGBColor(10, 20, 30), clWhite, 4, 4, 4), RGBColor(10, 20, 30));
}

TEST(ColorUtilities, HalfAndHexColours) {
    EXPECT_EQ(HalfColor(RGBColor(255, 128, 3)), RGBColor(127, 64, 1));
    EXPECT_EQ(HalfColor(clWindow), HalfColor(ColorToRGB(clWindow)));  // system colours are resolved first
    EXPECT_EQ(ColorToHtmlHex(RGBColor(255, 128, 0)), QStringLiteral("FF8000"));
    EXPECT_EQ(ColorToHtmlHex(RGBColor(1, 2, 171)), QStringLiteral("0102AB"));
}

TEST(ColorUtilities, RoundHalfEvenDiv) {
    const struct {
        long long numerator, denominator;
        int result;
    } cases[] = {{5, 2, 2}, {7, 2, 4}, {-5, 2, -2}, {-7, 2, -4}, {10, 3, 3}, {-10, 3, -3}, {11, 3, 4}, {1, -2, 0}};
    for (const auto& c : cases) EXPECT_EQ(RoundHalfEvenDiv(c.numerator, c.denominator), c.result);
}

}  // namespace

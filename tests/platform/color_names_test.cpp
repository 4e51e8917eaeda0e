// Colours as settings files write them: constant names both ways, "$" and eight
// hexadecimal digits for the rest.

#include "platform/color_names.h"
#include "platform/types.h"

#include <gtest/gtest.h>

namespace {

TEST(ColorNames, ColoursWriteAsNamesOrHexadecimalAndReadBack) {
    const std::pair<TColor, const char*> cases[] = {
        {clRed, "clRed"},           {clMoneyGreen, "clMoneyGreen"}, {clMedGray, "clMedGray"},
        {clNone, "clNone"},         {clDefault, "clDefault"},       {clWindow, "clWindow"},
        {clInfoBk, "clInfoBk"},     {clMenuBar, "clMenuBar"},       {TColor(0x00123456), "$00123456"},
        {TColor(0xFF000019), "$FF000019"},  // a system colour without a name
        {TColor(-2), "$FFFFFFFE"},
    };
    for (const auto& [color, text] : cases) {
        EXPECT_EQ(ColorToString(color), text);
        EXPECT_EQ(StringToColor(QString::fromLatin1(text)), color) << text;
    }
}

TEST(ColorNames, ReadingTakesAnyCaseAndDecimalAndRefusesTheRest) {
    EXPECT_EQ(StringToColor("CLWINDOWTEXT"), clWindowText);
    EXPECT_EQ(StringToColor("$ff"), clRed);
    EXPECT_EQ(StringToColor("255"), clRed);
    EXPECT_EQ(StringToColor("-1"), TColor(-1));
    for (const char* bad : {"", "$", "clNothing", "$123456789", "$-1", "12x", "4294967296"})
        EXPECT_THROW(StringToColor(QString::fromLatin1(bad)), EConvertError) << bad;
    EXPECT_FALSE(IdentToColor("$00FF00FF").has_value());
}

}  // namespace

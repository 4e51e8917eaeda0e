#include "controls/user_number_format.h"
#include "english_format_settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using UserNumberFormat = EnglishFormatSettingsTest;

TEST_F(UserNumberFormat, FormatsOneNumericConversionOrNothing) {
    const struct {
        const char* format;
        double value;
        const char* expected;  // nullptr: not a format the user may give
    } cases[] = {
        {"%d", 42.9, "42"},
        {"%d", -42.9, "-42"},
        {"%.4d", -7, "-0007"},
        {"%5d|", 12, "   12|"},
        {"%-5d|", 12, "12   |"},
        {"%x", 255, "FF"},
        {"%u", 3, "3"},
        {"%.2f day", 1.005e1, "10.05 day"},  // real although it holds a 'd'
        {"%.2f", 1234.5, "1234.50"},
        {"%f", 2, "2.00"},
        {"%n", 1234567.891, "1,234,567.89"},
        {"%.0n", 999999.6, "1,000,000"},
        {"%m", 12.5, "12.50"},
        {"%.3e", 1234.5, "1.23E+003"},
        {"%e", -0.5, "-5.00000000000000E-001"},
        {"%g", 0.25, "0.25"},
        {"%g", 1e20, "1E20"},
        {"%g", 1e-6, "1E-6"},
        {"%d %%", 50, "50 %"},
        {"%%%d", 5, "%5"},
        {"%F", 1, "1.00"},
        {"%s", 1, nullptr},
        {"%p", 1, nullptr},
        {"%d %d", 1, nullptr},
        {"no conversion", 1, nullptr},
        {"", 1, nullptr},
        {"%%", 1, nullptr},
        {"%", 1, nullptr},
        {"%.", 1, nullptr},
        {"%.f", 1, nullptr},
        {"%5", 1, nullptr},
        {"%*d", 1, nullptr},
        {"%0:d", 1, nullptr},
        {"%99999999999d", 1, nullptr},
        {"%.2000f", 1, nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<QString> result = FormatUserNumber(QString::fromUtf8(c.format), c.value);
        if (c.expected == nullptr)
            EXPECT_FALSE(result.has_value()) << c.format << " gave " << result.value_or(QString()).toStdString();
        else
            EXPECT_EQ(result.value_or(QStringLiteral("<none>")).toStdString(), c.expected) << c.format;
    }
}

TEST_F(UserNumberFormat, UsesTheSettingsSeparators) {
    FormatSettings().DecimalSeparator = QLatin1Char(',');
    FormatSettings().ThousandSeparator = QLatin1Char('.');
    EXPECT_EQ(FormatUserNumber(QStringLiteral("%n"), 1234.5), QStringLiteral("1.234,50"));
    EXPECT_EQ(FormatUserNumber(QStringLiteral("%.1f"), 0.25), QStringLiteral("0,3"));
    EXPECT_EQ(FormatUserNumber(QStringLiteral("%d"), 1234.5), QStringLiteral("1234"));
}

TEST_F(UserNumberFormat, ValuesBeyondAnIntegerAreRefusedForIntegerKinds) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(FormatUserNumber(QStringLiteral("%d"), std::nan("")).has_value());
    EXPECT_FALSE(FormatUserNumber(QStringLiteral("%d"), inf).has_value());
    EXPECT_FALSE(FormatUserNumber(QStringLiteral("%x"), 1e30).has_value());
    EXPECT_EQ(FormatUserNumber(QStringLiteral("%f"), inf), QStringLiteral("INF"));
    EXPECT_EQ(FormatUserNumber(QStringLiteral("%f"), std::nan("")), QStringLiteral("NAN"));
    EXPECT_EQ(FormatUserNumber(QStringLiteral("%x"), -1), QStringLiteral("FFFFFFFFFFFFFFFF"));
}

}  // namespace

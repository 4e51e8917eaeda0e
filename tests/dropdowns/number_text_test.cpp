#include "dropdowns/number_text.h"
#include "platform/format_settings.h"

#include <gtest/gtest.h>

namespace {

// Each case runs under the given separators; the program's settings come back after.
class NumberText : public ::testing::Test {
protected:
    void SetUp() override { FSaved = FormatSettings(); }
    void TearDown() override { FormatSettings() = FSaved; }
    void UseSeparators(QChar decimal, QChar thousand) {
        FormatSettings().DecimalSeparator = decimal;
        FormatSettings().ThousandSeparator = thousand;
    }

private:
    TFormatSettings FSaved;
};

TEST_F(NumberText, ClassifyNumberUnderBothSeparatorConventions) {
    const struct {
        QChar decimal, thousand;
        const char* text;
        int expected;
    } cases[] = {
        {'.', ',', "12", ncInteger},
        {'.', ',', "-12", ncInteger},
        {'.', ',', "-12.5", ncFloat},
        {'.', ',', "1,234.5", ncFloat},
        {'.', ',', ",123", ncOther},      // a leading thousand separator
        {'.', ',', "1,2,345", ncOther},   // groups too close
        {'.', ',', "1A", ncHexadecimal},
        {'.', ',', "ff", ncHexadecimal},
        {'.', ',', "1.2.3", ncOther},
        {'.', ',', "--1", ncOther},
        {'.', ',', "", ncOther},
        {'.', ',', "12x", ncOther},
        {',', '.', "12,5", ncFloat},
        {',', '.', "1.234,5", ncFloat},
        {',', '.', "1,2,3", ncOther},
        {',', '.', "-1,5", ncFloat},
    };
    for (const auto& c : cases) {
        UseSeparators(c.decimal, c.thousand);
        EXPECT_EQ(ClassifyNumber(QString::fromLatin1(c.text)), c.expected) << c.text << " with " << c.decimal.toLatin1();
    }
}

TEST_F(NumberText, SeparatorsFollowTheSettingsAtEachCall) {
    UseSeparators(',', '.');
    EXPECT_EQ(DecimalSeparatorChar(), QLatin1Char(','));
    EXPECT_EQ(ThousandSeparatorChar(), QLatin1Char('.'));
    EXPECT_EQ(StripThousandSeparators(QStringLiteral("1.234.567,8")), QStringLiteral("1234567,8"));
    UseSeparators('.', ',');
    EXPECT_EQ(StripThousandSeparators(QStringLiteral("1,234,567.8")), QStringLiteral("1234567.8"));
}

TEST(HexText, DigitValuesAndWrappingSums) {
    const struct {
        const char* text;
        int expected;
    } cases[] = {{"FF", 255}, {"ff", 255}, {"-1", 1}, {"1A", 26}, {"", 0}, {"G1", 1}, {"FFFFFFFF", -1}, {"100000000", 0}};
    for (const auto& c : cases) EXPECT_EQ(HexToInt(QString::fromLatin1(c.text)), c.expected) << c.text;
    EXPECT_EQ(HexDigitValue(QLatin1Char('9')), 9);
    EXPECT_EQ(HexDigitValue(QLatin1Char('c')), 12);
    EXPECT_EQ(HexDigitValue(QLatin1Char('g')), 0);
}

TEST(TextHelpers, RangeSeparatorsAndCaseFolding) {
    for (char c : {',', '-', ';'}) EXPECT_TRUE(IsRangeSeparator(QLatin1Char(c))) << c;
    for (char c : {'.', ' ', '/'}) EXPECT_FALSE(IsRangeSeparator(QLatin1Char(c))) << c;
    EXPECT_EQ(FoldCase(QStringLiteral("Red"), false), QStringLiteral("RED"));
    EXPECT_EQ(FoldCase(QStringLiteral("Red"), true), QStringLiteral("Red"));
}

}  // namespace

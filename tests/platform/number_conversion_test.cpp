#include "platform/number_conversion.h"
#include "test_support.h"

#include <limits>

namespace {

TEST(NumberConversion, OnlySignedDecimalDigitsConvert) {
    const struct {
        const char* text;
        bool converts;
        std::int64_t value;
    } cases[] = {
        {"0", true, 0},
        {"+17", true, 17},
        {"-17", true, -17},
        {"007", true, 7},
        {"9223372036854775807", true, std::numeric_limits<std::int64_t>::max()},
        {"-9223372036854775808", true, std::numeric_limits<std::int64_t>::min()},
        {"9223372036854775808", false, 0},
        {"-9223372036854775809", false, 0},
        {"", false, 0},
        {"+", false, 0},
        {"-", false, 0},
        {" 1", false, 0},
        {"1 ", false, 0},
        {"0x10", false, 0},
        {"$10", false, 0},
        {"1.0", false, 0},
        {"\xD9\xA3", false, 0},  // an Arabic-Indic digit is no decimal digit here
    };
    for (const auto& c : cases) {
        std::int64_t value = 0;
        EXPECT_EQ(TryStrToInt64(QString::fromUtf8(c.text), value), c.converts) << c.text;
        if (c.converts) EXPECT_EQ(value, c.value) << c.text;
    }
    EXPECT_EQ(StrToIntDef(QStringLiteral("2147483647"), -1), 2147483647);
    EXPECT_EQ(StrToIntDef(QStringLiteral("2147483648"), -1), -1);
    EXPECT_EQ(StrToIntDef(QStringLiteral("abc"), 42), 42);
}

}  // namespace

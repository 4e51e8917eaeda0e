#include "editors/rule_integer.h"

#include <gtest/gtest.h>

namespace {

TEST(RuleIntegerTest, ConvertsTheWholeTextOrGivesMinusOne) {
    struct Case {
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {"0", 0},           {"2047", 2047},      {"+12", 12},          {"-12", -12},     {"  7", 7},
        {"$7FF", 2047},     {"0x7ff", 2047},     {"0X7FF", 2047},      {"x10", 16},      {"X10", 16},
        {"-$10", -16},      {" +0x1F", 31},      {"007", 7},           {"", -1},         {" ", -1},
        {"7 ", -1},         {"1a", -1},          {"$", -1},            {"0x", -1},       {"--1", -1},
        {"+-1", -1},        {"- 1", -1},         {"1.0", -1},          {"\t7", -1},      {"$G", -1},
        {"2147483647", 2147483647},              {"-2147483648", -2147483647 - 1},       {"2147483648", -1},
        {"$80000000", -1},  {"99999999999999999999999", -1},
    };
    for (const Case& c : cases) EXPECT_EQ(Rule_Integer(QString::fromLatin1(c.text)), c.expected) << c.text;
}

TEST(RuleIntegerTest, SixtyFourBitsForLargeNumbers) {
    EXPECT_EQ(Rule_Integer64(QStringLiteral("4194303")), 4194303);
    EXPECT_EQ(Rule_Integer64(QStringLiteral("4294967296")), 4294967296LL);
    EXPECT_EQ(Rule_Integer64(QStringLiteral("9223372036854775807")), INT64_MAX);
    EXPECT_EQ(Rule_Integer64(QStringLiteral("-9223372036854775808")), INT64_MIN);
    EXPECT_EQ(Rule_Integer64(QStringLiteral("9223372036854775808")), -1);
    EXPECT_EQ(Rule_Integer64(QStringLiteral("$7FFFFFFFFFFFFFFF")), INT64_MAX);
    EXPECT_EQ(Rule_Integer64(QStringLiteral("$8000000000000000")), -1);
    EXPECT_FALSE(Rule_Integer_Value(QStringLiteral("abc")).has_value());
    EXPECT_EQ(Rule_Integer_Value(QStringLiteral("-1")), std::optional<std::int64_t>(-1));
}

}  // namespace

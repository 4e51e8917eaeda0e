#include "controls/filter_condition.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

TFormatSettings MonthFirst() { return TFormatSettings{}; }

TFormatSettings DayFirst() {
    TFormatSettings settings;
    settings.ShortDateFormat = QStringLiteral("dd/MM/yyyy");
    settings.DecimalSeparator = QLatin1Char(',');
    settings.ThousandSeparator = QLatin1Char('.');
    return settings;
}

struct FilterCase {
    const char* condition;
    const char* text;
    bool caseSensitive;
    bool dayFirst;
    bool expected;
};

TEST(FilterCondition, MatchFilterExpressionTable) {
    const FilterCase cases[] = {
        // Numeric comparisons, joined.
        {">10&<20", "15", true, false, true},
        {">10&<20", "25", true, false, false},
        {">10 & <20", "10", true, false, false},
        {">=10&<=20", "10", true, false, true},
        {">=10&<=20", "20", true, false, true},
        {">9", "10", true, false, true},  // numbers, not texts ("10" < "9" as text)
        {"<9", "10", true, false, false},
        // Non-numeric text falls back to the ordinal text order: "ABC" > "10", not < "20".
        {">10&<20", "abc", false, false, false},
        {">b", "c", true, false, true},
        {"<b", "c", true, false, false},
        // Or joins, and the single leading "=" of the whole condition.
        {"Smith|Jones", "Jones", true, false, true},
        {"Smith;Jones", "Jones", true, false, true},
        {"Smith^Jones", "Jones", true, false, true},
        {"=Smith|=Jones", "Jones", true, false, false},
        {"=Smith|=Jones", "Smith", true, false, true},
        // Negation and wildcards.
        {"!a*", "apple", true, false, false},
        {"!a*", "pear", true, false, true},
        {"a?c", "abc", true, false, true},
        {"a?c", "ac", true, false, false},
        {"*e", "apple", true, false, true},
        {"a**e", "apple", true, false, true},
        {"*p*l*", "apple", true, false, true},
        {"*x*", "apple", true, false, false},
        {"", "", true, false, true},
        {"", "a", true, false, false},
        // Groups, strictly left to right.
        {"(a*|b*)&*e", "apple", true, false, true},
        {"(a*|b*)&*e", "bear", true, false, false},
        {"x*|(a*&*e)", "apple", true, false, true},
        {"((a*))", "apple", true, false, true},
        // Quotes keep blanks and operator characters.
        {"\"a b\"", "a b", true, false, true},
        {"\"a&b\"", "a&b", true, false, true},
        {"\"a|b\"|x", "a|b", true, false, true},
        {">\"a b\"", "a c", true, false, true},
        {"<\"a b\"", "a a", true, false, true},
        {"<\"a b\"", "a c", true, false, false},
        // Case.
        {"ABC", "abc", false, false, true},
        {"ABC", "abc", true, false, false},
        {"a*", "Apple", false, false, true},
        // Dates in the settings' order.
        {">=1/1/2020", "2/1/2020", true, true, true},
        {">=1/1/2020", "31/12/2019", true, true, false},  // as text it would be greater
        {"<2/1/2020", "1/2/2020", true, false, true},
        {"<2/1/2020", "1/2/2020", true, true, false},
        // Decimal and thousand separators of the settings.
        {">1.000,5", "1.000,75", true, true, true},
        {"<1,5", "1,25", true, true, true},
        // Malformed input: unbalanced brackets and lone operators never raise.
        {"(a*|b*", "apple", true, false, true},
        {"(a*|(b*", "bear", true, false, true},
        {"((", "x", true, false, false},
        {")", ")", true, false, true},
        {"a)", "a)", true, false, true},
        {"&", "x", true, false, false},
        {"|", "", true, false, true},
        {"^^", "x", true, false, false},
        {">", "x", true, false, true},
        {"<", "x", true, false, false},
        {"!", "x", true, false, true},
        {"\"", "", true, false, true},
        {"\"unclosed & x", "unclosed & x", true, false, true},
    };
    for (const auto& c : cases) {
        const TFormatSettings settings = c.dayFirst ? DayFirst() : MonthFirst();
        EXPECT_EQ(MatchFilterExpression(QString::fromUtf8(c.condition), QString::fromUtf8(c.text), c.caseSensitive, settings),
                  c.expected)
            << c.condition << " against " << c.text;
    }
}

TEST(FilterCondition, AConditionParsedOnceAnswersEveryTextAsWhenParsedForIt) {
    // Filtering parses each condition once and then tests every row: nothing read from
    // one text (its number or date) may carry over to the next.
    const QStringList conditions{">10&<20", "!a*", "(a*|b*)&*e", ">=1/1/2020", "<\"a b\"", "x*|(a*&*e)", ">1.000,5",
                                 "ABC", "=Smith|=Jones", "\"a&b\"", ">5^<2", "((", ""};
    const QStringList texts{"15", "abc", "apple", "2/1/2020", "25", "a a", "", "ABC", "1.000,75", "Jones", "1", "bear",
                            "a&b", "31/12/2019", "7"};
    for (const QString& condition : conditions)
        for (const bool caseSensitive : {true, false})
            for (const TFormatSettings& settings : {MonthFirst(), DayFirst()}) {
                const TFilterExpressionMatcher matcher(condition, caseSensitive, settings);
                // Twice over, so every text also follows every kind of text before it.
                for (int round = 0; round < 2; ++round)
                    for (const QString& text : texts)
                        EXPECT_EQ(matcher.Matches(text), TFilterExpressionMatcher(condition, caseSensitive, settings).Matches(text))
                            << condition.toStdString() << " against " << text.toStdString() << " case " << caseSensitive;
            }
}

TEST(FilterCondition, ManyStarsAgainstALongTextFinishQuickly) {
    // A backtracking matcher that retries every ending for every star would never finish.
    const QString text(5000, QLatin1Char('a'));
    EXPECT_FALSE(MatchFilterExpression(QStringLiteral("*a*a*a*a*a*a*a*a*a*a*b"), text, true, MonthFirst()));
    EXPECT_TRUE(MatchFilterExpression(QStringLiteral("*a*a*a*a*a*a*a*a*a*a"), text, true, MonthFirst()));
}

TEST(FilterCondition, ParseDateTimeText) {
    const struct {
        const char* text;
        bool dayFirst;
        bool ok;
        int year, month, day, hour, minute, second;
    } cases[] = {
        {"2/1/2020", true, true, 2020, 1, 2, 0, 0, 0},
        {"2/1/2020", false, true, 2020, 2, 1, 0, 0, 0},
        {"2/1/2020 13:05", true, true, 2020, 1, 2, 13, 5, 0},
        {"2/1/2020 13:05:59", true, true, 2020, 1, 2, 13, 5, 59},
        {"2/1/2020 24:00", true, false, 0, 0, 0, 0, 0, 0},
        {"2/1/2020 23:60", true, false, 0, 0, 0, 0, 0, 0},
        {"2/1/2020 23:59:61", true, false, 0, 0, 0, 0, 0, 0},
        {"32/1/2020", true, false, 0, 0, 0, 0, 0, 0},
        {"1/13/2020", true, false, 0, 0, 0, 0, 0, 0},
        {"30/2/2020", true, false, 0, 0, 0, 0, 0, 0},
        {"1/1", true, false, 0, 0, 0, 0, 0, 0},
        {"12", true, false, 0, 0, 0, 0, 0, 0},
        {"a/1/2020", true, false, 0, 0, 0, 0, 0, 0},
        {"1/1/0", true, false, 0, 0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        TDateTime value = -1;
        const bool ok = ParseDateTimeText(QString::fromUtf8(c.text), value, c.dayFirst ? DayFirst() : MonthFirst());
        ASSERT_EQ(ok, c.ok) << c.text;
        if (!ok) continue;
        const TDateTime expected = EncodeDate(c.year, c.month, c.day) + (c.hour * 3600.0 + c.minute * 60.0 + c.second) / 86400.0;
        EXPECT_DOUBLE_EQ(value, expected) << c.text;
    }
    // A time without its separator fails but leaves the date read.
    TDateTime value = 0;
    EXPECT_FALSE(ParseDateTimeText(QStringLiteral("2/1/2020 1300"), value, DayFirst()));
    EXPECT_EQ(value, EncodeDate(2020, 1, 2));
}

TEST(FilterCondition, HelperRoutines) {
    EXPECT_EQ(RemoveBlanksOutsideQuotes(QStringLiteral(" a \" b c \" d ")), QStringLiteral("a\" b c \"d"));
    EXPECT_EQ(ClosingParenPos(QStringLiteral("(a(b)c)d")), 7);
    EXPECT_EQ(ClosingParenPos(QStringLiteral("(a(b)c")), 0);
    int position = -1;
    EXPECT_TRUE(FindOperatorOutsideQuotes(QStringLiteral("&|"), QStringLiteral("\"a&b\"|c"), position));
    EXPECT_EQ(position, 6);
    EXPECT_FALSE(FindOperatorOutsideQuotes(QStringLiteral("&|"), QStringLiteral("\"a&b\""), position));
    EXPECT_EQ(position, 0);
    EXPECT_EQ(NormalizeDecimalText(QStringLiteral("1.234.567,5"), DayFirst()), QStringLiteral("1234567.5"));
}

}  // namespace

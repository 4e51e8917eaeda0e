#include "controls/date_utilities.h"
#include "english_format_settings.h"

#include <gtest/gtest.h>

namespace {

TEST(DateUtilities, ParseDateMonthFirstAndDayFirst) {
    const struct {
        const char* text;
        bool monthFirst;
        int year, month, day;  // year 0: the text is no date (result 0)
    } cases[] = {
        {"12/31/99", true, 1999, 12, 31},
        {"1-2-05", true, 2005, 1, 2},
        {"12/31/2023", true, 2023, 12, 31},  // a four-digit year is kept
        {"2.1.1925", true, 1925, 2, 1},
        {"3/4/25", true, 2025, 3, 4},
        {"3/4/26", true, 1926, 3, 4},
        {"31.12.99", false, 1999, 12, 31},
        {"1/2/2000", false, 2000, 2, 1},
        {"12/31", true, 0, 0, 0},
        {"12 31 99", true, 0, 0, 0},
        {"x/1/99", true, 0, 0, 0},
        {"1/2/y", false, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        const TDateTime date = c.monthFirst ? ParseDateMDY(text) : ParseDateDMY(text);
        EXPECT_EQ(date, c.year ? EncodeDate(c.year, c.month, c.day) : 0.0) << c.text;
    }
}

TEST(DateUtilities, ImpossibleDatesRaiseTheConversionError) {
    EXPECT_THROW(ParseDateMDY(QStringLiteral("2/30/2023")), EConvertError);
    EXPECT_THROW(ParseDateDMY(QStringLiteral("1/13/99")), EConvertError);
}

TEST(DateUtilities, IncDatePartsClampsTheDayToTheTargetMonth) {
    const struct {
        int years, months, days;
        int fromYear, fromMonth, fromDay;
        int offset;
        int year, month, day;
    } cases[] = {
        {0, 1, 0, 2023, 1, 31, 0, 2023, 2, 28},
        {0, 1, 0, 2024, 1, 31, 0, 2024, 2, 29},
        {0, 1, 0, 2023, 12, 31, 0, 2024, 1, 31},
        {0, -1, 0, 2023, 1, 15, 0, 2022, 12, 15},
        {0, -1, 0, 2023, 3, 31, 0, 2023, 2, 28},
        {0, 14, 0, 2023, 1, 31, 0, 2024, 3, 31},  // more than one year's wrap
        {0, -13, 0, 2023, 1, 10, 0, 2021, 12, 10},
        {1, 0, 0, 2024, 2, 29, 0, 2025, 2, 28},
        {-2, 0, 0, 2024, 5, 6, 0, 2022, 5, 6},
        {0, 0, 40, 2023, 1, 1, 0, 2023, 2, 10},
        {1, 1, 0, 2023, 1, 1, 3, 2023, 1, 4},  // more than one part: the offset
        {0, 0, 0, 2023, 1, 1, -1, 2022, 12, 31},
    };
    for (const auto& c : cases) {
        const TDateTime from = EncodeDate(c.fromYear, c.fromMonth, c.fromDay);
        EXPECT_EQ(IncDateParts(c.years, c.months, c.days, from, c.offset), EncodeDate(c.year, c.month, c.day))
            << c.fromYear << "-" << c.fromMonth << "-" << c.fromDay << " by " << c.years << "/" << c.months << "/"
            << c.days;
    }
    // The time of day is kept.
    EXPECT_DOUBLE_EQ(IncDateParts(0, 1, 0, EncodeDate(2023, 1, 31) + 0.25, 0), EncodeDate(2023, 2, 28) + 0.25);
}

using DateLikeText = EnglishFormatSettingsTest;

TEST_F(DateLikeText, NeedsTwoSeparatedDateSeparators) {
    const struct {
        const char* text;
        bool dateLike;
    } cases[] = {{"1/2/3", true}, {"12/31/2023", true}, {"/1/2", false}, {"1//2", false}, {"1/2", false},
                 {"1.2.3", false}};
    for (const auto& c : cases) EXPECT_EQ(IsDateLikeText(QString::fromUtf8(c.text)), c.dateLike) << c.text;
}

}  // namespace

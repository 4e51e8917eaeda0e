// Typed cell access under fixed format settings (English, then a comma-decimal set):
// integers, floats, dates and times with their errors, control values, headers, print
// measurements and the Metro scroll type.

#include "controls/english_format_settings.h"
#include "grid/core/string_grid.h"
#include "grid_fixture.h"

#include <gtest/gtest.h>

namespace {

class StringGridTypedAccess : public EnglishFormatSettingsTest {};

TEST_F(StringGridTypedAccess, IntegersReadTrimmedPlainTextAndRaiseForAnythingElse) {
    TExStringGrid grid(nullptr);
    const struct {
        const char* text;
        int value;
    } readable[] = {
        {" 42 ", 42}, {"", 0}, {"-", 0}, {"-17", -17}, {"+5", 5}, {"$FF", 255}, {"0x10", 16}, {"x1f", 31},
        {"<b>12</b>", 12}, {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
    };
    for (const auto& c : readable) {
        grid.SetCells(1, 1, QString::fromLatin1(c.text));
        EXPECT_EQ(grid.Ints(1, 1), c.value) << c.text;
    }
    const char* unreadable[] = {"1 2", "abc", "1.5", "2147483648", "$", "0xZZ", "--1"};
    for (const char* text : unreadable) {
        grid.SetCells(1, 1, QString::fromLatin1(text));
        try {
            grid.Ints(1, 1);
            ADD_FAILURE() << "no error for " << text;
        } catch (const EExGridError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Cell does not contain integer value"));
        }
    }
    grid.SetInts(2, 2, -300);
    EXPECT_EQ(grid.Cells(2, 2), QStringLiteral("-300"));
}

TEST_F(StringGridTypedAccess, FloatsReadFormattedNumbersInTheProgramsSeparators) {
    TExStringGrid grid(nullptr);
    const struct {
        const char* text;
        double value;
    } readable[] = {
        {"1,234.5", 1234.5}, {"(3.5)", -3.5}, {"-2.25", -2.25}, {"", 0.0}, {"-", 0.0}, {" 7 ", 7.0}, {"<i>0.5</i>", 0.5},
    };
    for (const auto& c : readable) {
        grid.SetCells(1, 1, QString::fromLatin1(c.text));
        EXPECT_DOUBLE_EQ(grid.Floats(1, 1), c.value) << c.text;
    }
    for (const char* text : {"x", "abc"}) {
        grid.SetCells(1, 1, QString::fromLatin1(text));
        try {
            grid.Floats(1, 1);
            ADD_FAILURE() << "no error for " << text;
        } catch (const EExGridError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Cell does not contain a float value"));
        }
    }
    grid.SetFloats(1, 1, 3.14159);  // the grid's FloatFormat "%.2f"
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("3.14"));
    grid.SetFloatFormat(QStringLiteral("Total %.1n kWh"));
    grid.SetFloats(1, 1, -1234567.24);
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("Total -1,234,567.2 kWh"));

    // A comma-decimal locale: written and read back with its separators.
    FormatSettings().DecimalSeparator = QLatin1Char(',');
    FormatSettings().ThousandSeparator = QLatin1Char('.');
    grid.SetFloatFormat(QStringLiteral("%.2f"));
    grid.SetFloats(1, 1, 1.5);
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("1,50"));
    grid.SetCells(1, 1, QStringLiteral("1.234,5"));
    EXPECT_DOUBLE_EQ(grid.Floats(1, 1), 1234.5);
}

TEST_F(StringGridTypedAccess, TheAllFormsReachHeldOutRows) {
    StringGridFixture grid;  // real row 4 is held out
    grid.SetAllInts(1, 4, 77);
    EXPECT_EQ(grid.AllInts(1, 4), 77);
    EXPECT_EQ(grid.AllCells(1, 4), QStringLiteral("77"));
    grid.SetAllFloats(5, 4, 2.5);
    EXPECT_DOUBLE_EQ(grid.AllFloats(5, 4), 2.5);
    EXPECT_EQ(grid.AllCells(5, 4), QStringLiteral("2.50"));
    // Displayed row 4 is real row 5 and was not touched.
    EXPECT_EQ(grid.Cells(1, 4), QStringLiteral("1,5"));
}

TEST_F(StringGridTypedAccess, DatesAndTimesGoThroughTheShortDateFormat) {
    TExStringGrid grid(nullptr);
    grid.SetDates(1, 1, 45000.75);  // 15 March 2023, 18:00
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("3/15/2023"));
    EXPECT_DOUBLE_EQ(grid.Dates(1, 1), 45000.0);
    grid.SetDates(1, 1, 0);  // ShowNullDates is on by default
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("12/30/1899"));
    grid.SetShowNullDates(false);
    grid.SetDates(1, 1, 0);
    EXPECT_EQ(grid.Cells(1, 1), QString());
    grid.SetTimes(2, 1, 45000.75);
    EXPECT_EQ(grid.Cells(2, 1), QStringLiteral("18:00:00"));
    EXPECT_DOUBLE_EQ(grid.Times(2, 1), 0.75);
    grid.SetCells(2, 1, QStringLiteral("7:30"));
    EXPECT_DOUBLE_EQ(grid.Times(2, 1), 7.5 / 24);
    for (const char* text : {"", "31/31/2023", "tomorrow"}) {
        grid.SetCells(3, 1, QString::fromLatin1(text));
        EXPECT_THROW(grid.Dates(3, 1), EConvertError) << text;
        EXPECT_THROW(grid.Times(3, 1), EConvertError) << text;
    }
}

TEST_F(StringGridTypedAccess, ControlValuesRewriteOnlyAnExistingTag) {
    TExStringGrid grid(nullptr);
    const QString markup = QStringLiteral("On <CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"FALSE\">");
    grid.SetCells(1, 1, markup);
    EXPECT_EQ(grid.ControlValues(1, 1, QStringLiteral("c1")), QStringLiteral("FALSE"));
    grid.SetControlValues(1, 1, QStringLiteral("c1"), QStringLiteral("TRUE"));
    EXPECT_EQ(grid.ControlValues(1, 1, QStringLiteral("c1")), QStringLiteral("TRUE"));
    grid.SetControlValues(1, 1, QStringLiteral("nope"), QStringLiteral("X"));
    EXPECT_EQ(grid.GetCtrlVal(1, 1, QStringLiteral("nope")), QString());
    EXPECT_TRUE(grid.Cells(1, 1).startsWith(QStringLiteral("On <CONTROL")));
}

TEST_F(StringGridTypedAccess, HeadersFillTheFixedLinesWithEscapedLineBreaks) {
    StringGridFixture grid;  // 5 displayed + 1 hidden column
    TStringList headers;
    for (const char* h : {"Nr", "Name", "Hidden", "Group\\nAddress", "Type", "Enable", "extra"})
        headers.Add(QString::fromLatin1(h));
    grid.SetColumnHeaders(headers);
    EXPECT_EQ(grid.Cells(3, 0), QStringLiteral("Group\rAddress"));
    EXPECT_EQ(grid.Cells(StringGridFixture::HiddenCol, 0), QStringLiteral("Hidden"));
    EXPECT_EQ(grid.Cells(5, 0), QStringLiteral("Enable"));
    EXPECT_EQ(grid.ColumnHeaders()->Count(), 7);

    TStringList rows;
    rows.Add(QStringLiteral("#"));
    rows.Add(QStringLiteral("first"));
    grid.SetRowHeaders(rows);
    EXPECT_EQ(grid.Cells(0, 1), QStringLiteral("first"));
    EXPECT_EQ(grid.Cells(0, 2), QStringLiteral("0,2"));  // run time: no clearing beyond the list

    TExStringGrid noFixed(nullptr);
    noFixed.SetFixedRows(0);
    noFixed.SetCells(1, 0, QStringLiteral("data"));
    noFixed.SetColumnHeaders(headers);
    EXPECT_EQ(noFixed.Cells(1, 0), QStringLiteral("data"));
}

TEST_F(StringGridTypedAccess, PrintMeasurementsCoverEveryColumn) {
    TExStringGrid grid(nullptr);
    grid.SetColCount(600);
    grid.MaxWidths.assign(600, 0);
    grid.MaxWidths[599] = 64;
    grid.Indents.assign(600, 0);
    grid.Indents[599] = 900;
    EXPECT_EQ(grid.PrintColWidth(599), 64);
    EXPECT_EQ(grid.PrintColOffset(599), 900);
    EXPECT_EQ(grid.PrintColWidth(0), 0);
    for (int column : {-1, 600, 100000}) {
        try {
            grid.PrintColWidth(column);
            ADD_FAILURE() << column;
        } catch (const EExGridError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Columns is not in valid range"));
        }
        EXPECT_THROW(grid.PrintColOffset(column), EExGridError);
    }
    // Columns of the grid that no print laid out yet read 0.
    grid.SetColCount(700);
    EXPECT_EQ(grid.PrintColWidth(650), 0);
}

TEST_F(StringGridTypedAccess, TheMetroScrollTypeHidesTheWindowsBarsAndKeepsTheSetting) {
    TExStringGrid grid(nullptr);
    grid.CreateScrollControls();
    EXPECT_EQ(grid.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    grid.SetScrollType(ssMetro);
    grid.SetScrollBars(ssBoth);
    grid.CreateScrollControls();
    EXPECT_EQ(grid.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(grid.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(grid.ScrollBars(), ssBoth);
}

TEST_F(StringGridTypedAccess, LookupItemsIgnoreANullList) {
    TExStringGrid grid(nullptr);
    TStringList items;
    items.Add(QStringLiteral("DALI"));
    grid.SetLookupItems(&items);
    grid.SetLookupItems(nullptr);
    ASSERT_EQ(grid.LookupItems()->Count(), 1);
    EXPECT_EQ(grid.LookupItems()->Strings(0), QStringLiteral("DALI"));
}

}  // namespace

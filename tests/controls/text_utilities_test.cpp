#include "controls/text_utilities.h"
#include "english_format_settings.h"

#include <gtest/gtest.h>

namespace {

using TextUtilities = EnglishFormatSettingsTest;

TEST_F(TextUtilities, ClassifyNumberTextWithEnglishSeparators) {
    const struct {
        const char* text;
        int kind;
    } cases[] = {
        {"123", 0},     {"-123", 0},    {"1,234.5", 1}, {"1,234,567", 1}, {"1,23,456", 2}, {"1.5e-3", 5},
        {"-1.5e-3", 5}, {"1.5E+3", 5},  {"e5", 2},      {"5e", 2},        {"1.2.3", 2},    {"", 2},
        {"-", 0},       {"12-3", 2},    {"1e2e3", 2},   {"abc", 2},       {"1,5e3", 2},    {"--1", 2},
    };
    for (const auto& c : cases) EXPECT_EQ(ClassifyNumberText(QString::fromUtf8(c.text)), c.kind) << c.text;
}

TEST_F(TextUtilities, ClassifyNumberTextReadsTheLocaleSeparators) {
    FormatSettings().ThousandSeparator = QLatin1Char('.');
    FormatSettings().DecimalSeparator = QLatin1Char(',');
    EXPECT_EQ(ClassifyNumberText(QStringLiteral("1.234,5")), 1);
    EXPECT_EQ(ClassifyNumberText(QStringLiteral("1,2,3")), 2);
}

TEST_F(TextUtilities, NormalizeNumberText) {
    const struct {
        const char* text;
        const char* plain;
    } cases[] = {
        {"", ""}, {"$12", "12"}, {"12 kg", "12"}, {"EUR 12", "E"}, {"  (12)  ", "-12"}, {"-12", "-12"},
        {"1,234.50", "1234.50"}, {"1.5e-3", "1.5e-3"}, {"x", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormalizeNumberText(QString::fromUtf8(c.text)), QString::fromUtf8(c.plain)) << c.text;

    FormatSettings().ThousandSeparator = QLatin1Char('.');
    FormatSettings().DecimalSeparator = QLatin1Char(',');
    EXPECT_EQ(NormalizeNumberText(QStringLiteral("(1.234,50)")), QStringLiteral("-1234.50"));
}

TEST(TextUtilitiesCells, CellTextKind) {
    const struct {
        QString text;
        bool html;
        int kind;
    } cases[] = {
        {QStringLiteral("=A1+1"), false, 3},
        {QStringLiteral("<B>x</B>"), true, 1},
        {QStringLiteral("<B>x</B>"), false, 0},
        {QStringLiteral("<b>x<b>"), true, 0},  // only the capitals count
        {QStringLiteral("a<C>"), true, 1},
        {QStringLiteral("{\\rtf1 x}"), true, 2},
        {QStringLiteral("|\\ab"), false, 5},
        {QStringLiteral("|\\a=") + QChar(0), false, 3},
        {QString(), true, 0},
        {QStringLiteral("="), false, 3},
        {QStringLiteral("plain"), true, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(CellTextKind(c.text, c.html), c.kind) << c.text.toStdString();
}

TEST(TextUtilitiesCells, WideTextEscapingRoundTrips) {
    const QString wide = QStringLiteral("A\u03A9\u20AC");
    const QString escaped = WideToEscaped(wide);
    EXPECT_EQ(escaped, QStringLiteral("|\\") + QChar(0) + QChar('A') + QChar(0x03) + QChar(0xA9) + QChar(0x20) +
                           QChar(0xAC));
    EXPECT_EQ(EscapedToWide(escaped), wide);
    EXPECT_EQ(EscapedToWide(escaped + QChar('x')), wide);  // an odd last character is ignored
    EXPECT_EQ(EscapedToWide(QStringLiteral("plain")), QStringLiteral("plain"));
}

TEST(TextUtilitiesCells, ParseR1C1) {
    TPoint cell{7, 7};
    EXPECT_TRUE(ParseR1C1(QStringLiteral("r10c3"), cell));
    EXPECT_EQ(cell, (TPoint{3, 10}));
    for (const char* bad : {"R1C", "X1C2", "R1Cx", "RxC1", "R12"}) {
        cell = {7, 7};
        EXPECT_FALSE(ParseR1C1(QString::fromUtf8(bad), cell)) << bad;
        EXPECT_EQ(cell, (TPoint{7, 7})) << bad;
    }
}

TEST(TextUtilitiesLines, LineBreakEncodings) {
    const QString crlf = QStringLiteral("a\r\nb");
    EXPECT_EQ(TildesToLineBreaks(QStringLiteral("^")), QString());
    EXPECT_EQ(TildesToLineBreaks(QStringLiteral("a~b")), crlf);
    EXPECT_EQ(LineBreaksToTildes(crlf), QStringLiteral("a~b"));
    EXPECT_EQ(CRToEscapedNewlines(crlf), QStringLiteral("a\\nb"));
    EXPECT_EQ(EscapedNewlinesToCR(QStringLiteral("a\\nb")), QStringLiteral("a\rb"));
    EXPECT_EQ(LineBreaksToVTabsQuoted(crlf), QStringLiteral("\"a\vb\""));
    EXPECT_EQ(VTabsToLineBreaks(QStringLiteral("a\vb")), crlf);
    EXPECT_EQ(LineBreaksToHtml(crlf), QStringLiteral("a<br>\nb"));
    EXPECT_EQ(StripCR(crlf), QStringLiteral("a\nb"));
    EXPECT_EQ(CRToLF(crlf), QStringLiteral("a\n\nb"));
    EXPECT_EQ(CRLFToLF(QStringLiteral("a\r\nb\rc")), QStringLiteral("a\nb\rc"));

    const QString control = LineBreaksToControlChars(crlf + QChar(0));
    EXPECT_EQ(control, QStringLiteral("a\t\bb") + QChar(1));
    EXPECT_EQ(ControlCharsToLineBreaks(control, true), crlf + QChar(0));
    EXPECT_EQ(ControlCharsToLineBreaks(control, false), QStringLiteral("a"));
    EXPECT_EQ(LineBreaksToControlChars(QStringLiteral("a\tb")), QStringLiteral("a\tb"));  // no line break: unchanged
    EXPECT_EQ(LineBreaksToControlChars(QStringLiteral("a\nb")), QStringLiteral("a\bb"));
    EXPECT_EQ(ControlCharsToLineBreaks(QStringLiteral("a\bb"), true), QStringLiteral("a\nb"));
}

TEST(TextUtilitiesLines, TakeFirstLineAndCutFirstField) {
    QString text = QStringLiteral("a\r\nb\r\nc");
    EXPECT_EQ(TakeFirstLine(text, true), QStringLiteral("a"));
    EXPECT_EQ(text, QStringLiteral("b\r\nc"));
    EXPECT_EQ(TakeFirstLine(text, false), QStringLiteral("b"));
    EXPECT_EQ(text, QString());
    text = QStringLiteral("single");
    EXPECT_EQ(TakeFirstLine(text, true), QStringLiteral("single"));
    EXPECT_EQ(text, QString());

    text = QStringLiteral("a;b;c");
    EXPECT_EQ(CutFirstField(text, QLatin1Char(';')), QStringLiteral("a"));
    EXPECT_EQ(text, QStringLiteral("b;c"));
    text = QStringLiteral("abc");
    EXPECT_EQ(CutFirstField(text, QLatin1Char(';')), QString());
    EXPECT_EQ(text, QStringLiteral("abc"));

    EXPECT_EQ(CountTextLines(QStringLiteral("a\rb\rc"), true), 3);
    EXPECT_EQ(CountTextLines(QStringLiteral("a\rb\rc"), false), 1);
}

TEST(TextUtilitiesSearch, SingleCharacterRuns) {
    const struct {
        const char* text;
        int pos;
        int count;
    } cases[] = {
        {"a&&b&c", 5, 1},  // the doubled && stands for a literal character
        {"a&b&&c&", 2, 2}, // a run at the end counts whatever its length
        {"&&&x", 3, 1},
        {"ab&&", 4, 1},
        {"abc", 0, 0},
        {"", 0, 0},
    };
    for (const auto& c : cases) {
        int pos = -1;
        EXPECT_EQ(PosOfSingleChar(QLatin1Char('&'), QString::fromUtf8(c.text), pos), c.pos) << c.text;
        EXPECT_EQ(pos, c.pos) << c.text;
        EXPECT_EQ(CountSingleChar(QLatin1Char('&'), QString::fromUtf8(c.text)), c.count) << c.text;
    }
}

TEST(TextUtilitiesSearch, PositionsAndRanges) {
    int pos = 99;
    EXPECT_EQ(CharPosVar(QLatin1Char('x'), QStringLiteral("abc"), pos), 0);
    EXPECT_EQ(pos, 99);  // kept when absent
    EXPECT_EQ(CharPosVar(QLatin1Char('c'), QStringLiteral("abc"), pos), 3);
    EXPECT_EQ(pos, 3);
    EXPECT_EQ(PosVar(QStringLiteral("zz"), QStringLiteral("abc"), pos), 0);
    EXPECT_EQ(pos, 0);
    EXPECT_EQ(UpperCasePos(QStringLiteral("BC"), QStringLiteral("abc")), 2);
    EXPECT_EQ(UpperCasePos(QStringLiteral("bc"), QStringLiteral("abc")), 0);
    EXPECT_EQ(CharPos(QLatin1Char('a'), QString()), 0);
    EXPECT_TRUE(CellInGridRect(Rect(1, 1, 3, 3), 3, 3));
    EXPECT_FALSE(CellInGridRect(Rect(1, 1, 3, 3), 4, 3));

    const struct {
        int value, low, high, result;
    } clamps[] = {
        {5, 5, 5, 5}, {50, 1, 10, 10}, {-3, 1, 10, 1}, {50, 0, 10, 10}, {-3, 0, 10, -3}, {50, 1, 0, 50}, {7, 7, 7, 7},
    };
    for (const auto& c : clamps) EXPECT_EQ(ClampToRange(c.value, c.low, c.high), c.result);
}

TEST(TextUtilitiesTransform, QuotesCapitalsAndCodePages) {
    EXPECT_EQ(DoubleQuotes(QStringLiteral("a\"b")), QStringLiteral("a\"\"b"));
    EXPECT_EQ(UndoubleChar(QLatin1Char('"'), QStringLiteral("a\"\"b\"c\"\"\"")), QStringLiteral("a\"b\"c\"\""));
    QString filled = QStringLiteral("abc");
    FillStringWithChar(filled, QLatin1Char('*'));
    EXPECT_EQ(filled, QStringLiteral("***"));

    const struct {
        const char* text;
        const char* capitalized;
    } names[] = {
        {"mcdonald", "McDonald"}, {"henry iii", "Henry III"}, {"o'neil-smith", "O'Neil-Smith"},
        {"JOHN SMITH", "John Smith"}, {"ronald mcdonald", "Ronald McDonald"}, {"henry ivan", "Henry Ivan"},
    };
    for (const auto& c : names)
        EXPECT_EQ(CapitalizeWords(QString::fromUtf8(c.text)), QString::fromUtf8(c.capitalized)) << c.text;

    EXPECT_EQ(StringToOem(QStringLiteral("a\u00C4\u20AC")), QStringLiteral("a") + QChar(0x8E) + QChar('?'));
    EXPECT_EQ(OemToString(QStringLiteral("a") + QChar(0x8E) + QChar(0xE1)), QStringLiteral("a\u00C4\u00DF"));
    EXPECT_EQ(OemToString(QString(QChar(0xFF))), QStringLiteral("\u00A0"));  // the table's last entry
}

TEST(TextUtilitiesHtml, WrapUrlInAnchor) {
    const struct {
        const char* text;
        const char* key;
        bool found;
        const char* result;
    } cases[] = {
        {"see http://x.com/a?b=1", "HTTP://", true, "see <a href=\"http://x.com/a\">http://x.com/a</a>?b=1"},
        {"HTTP://x.com&y", "HTTP://", true, "<a href=\"HTTP://x.com\">HTTP://x.com</a>&y"},
        {"<mailto:a@b.c>", "MAILTO:", true, "&lt;<a href=\"mailto:a@b.c\">mailto:a@b.c</a>&gt;"},
        {"no link here", "HTTP://", false, "unchanged"},
    };
    for (const auto& c : cases) {
        QString result = QStringLiteral("unchanged");
        EXPECT_EQ(WrapUrlInAnchor(QString::fromUtf8(c.text), QString::fromUtf8(c.key), result), c.found) << c.text;
        EXPECT_EQ(result, QString::fromUtf8(c.result)) << c.text;
    }
    QString url = QStringLiteral("http://host/x");
    EXPECT_TRUE(IsUrlText(url));
    StripUrlScheme(url);
    EXPECT_EQ(url, QStringLiteral("host/x"));
    url = QStringLiteral("mailto:me@x");
    StripUrlScheme(url);
    EXPECT_EQ(url, QStringLiteral("me@x"));
}

TEST(TextUtilitiesHtml, ClipboardHtmlOffsetsPointIntoTheText) {
    const QString fragment = QStringLiteral("<b>x</b>");
    QString html = fragment;
    WrapClipboardHtml(html);
    auto number = [&](const char* name) {
        const qsizetype at = html.indexOf(QLatin1String(name)) + qsizetype(strlen(name));
        return html.mid(at, 8).toInt();
    };
    EXPECT_TRUE(html.startsWith(QStringLiteral("Version:1.0\r\nStartHTML:00000097\r\n")));
    EXPECT_EQ(html.indexOf(QLatin1String("<!DOCTYPE")), number("StartHTML:"));
    EXPECT_EQ(html.mid(number("StartFragment:"), fragment.size()), fragment);
    EXPECT_EQ(number("EndFragment:"), number("StartFragment:") + fragment.size());
    EXPECT_EQ(number("EndHTML:"), html.size());
}

}  // namespace

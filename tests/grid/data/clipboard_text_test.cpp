// The clipboard's spreadsheet text: cell texts written as fields and read back, rows
// ended the ways other programs end them, and the size of a block.

#include "grid/data/clipboard_text.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

TEST(ClipboardText, FieldsAreQuotedOnlyWhenTheyMustBe) {
    struct Case {
        QString Text;
        bool VerticalTabs;
        QString Field;
    };
    const Case cases[] = {
        {"plain", false, "plain"},
        {"", false, ""},
        {"5\" screen", false, "5\" screen"},
        {"tab\there", false, "\"tab\there\""},
        {"two\r\nlines", false, "\"two\nlines\""},
        {"two\r\nlines", true, "\"two\vlines\""},
        {"lone\nLF and\rCR", false, "\"lone\nLF and\nCR\""},
        {"\"quoted\" start", false, "\"\"\"quoted\"\" start\""},
        {"a\tb \"c\"", false, "\"a\tb \"\"c\"\"\""},
    };
    for (const Case& c : cases) EXPECT_EQ(ClipboardField(c.Text, c.VerticalTabs), c.Field) << c.Text.toStdString();
}

TEST(ClipboardText, RowsEndAtAnyLineBreakOutsideQuotes) {
    struct Case {
        const char* Name;
        QString Text;
        QList<QStringList> Rows;
        bool EndsWithLineBreak;
    };
    const Case cases[] = {
        {"empty", "", {}, false},
        {"one field", "a", {{"a"}}, false},
        {"CR LF rows", "a\tb\r\nc\td\r\n", {{"a", "b"}, {"c", "d"}}, true},
        {"LF rows", "a\tb\nc\td\n", {{"a", "b"}, {"c", "d"}}, true},
        {"CR rows", "a\rb", {{"a"}, {"b"}}, false},
        {"empty fields", "\t\t\r\n", {{"", "", ""}}, true},
        {"quoted line breaks become CR LF", "\"x\ny\"\t\"p\r\nq\"\t\"v\vw\"", {{"x\r\ny", "p\r\nq", "v\r\nw"}}, false},
        {"quoted tab and doubled quotes", "\"a\tb\"\t\"say \"\"hi\"\"\"", {{"a\tb", "say \"hi\""}}, false},
        {"text after the closing quote", "\"ab\"cd\te", {{"abcd", "e"}}, false},
        {"quote inside a field is plain", "5\" x\t\"y", {{"5\" x", "\"y"}}, false},
        {"unclosed quote is plain text", "\"open\tb\r\nc", {{"\"open", "b"}, {"c"}}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const TClipboardTable table = ParseClipboardText(c.Text);
        EXPECT_EQ(table.Rows, c.Rows);
        EXPECT_EQ(table.EndsWithLineBreak, c.EndsWithLineBreak);
    }
}

TEST(ClipboardText, EveryFieldReadsBackAsWritten) {
    const QStringList texts{"plain", "", "tab\there", "two\r\nlines", "\"lead", "in \"middle\"", "Ünïcødé 日本語",
                            "<b>bold</b>", "end\r\n", "\r\n", "\t", "\"", "a\tb\r\nc\"d"};
    for (bool verticalTabs : {false, true}) {
        QString text;
        for (const QString& t : texts) text += ClipboardField(t, verticalTabs) + QLatin1Char('\t');
        text += QStringLiteral("\r\n");
        const TClipboardTable table = ParseClipboardText(text);
        ASSERT_EQ(table.Rows.size(), 1);
        EXPECT_EQ(table.Rows[0].mid(0, texts.size()), texts);
    }
}

TEST(ClipboardText, SizeCountsTheRowsBelowTheFirst) {
    struct Case {
        QString Text;
        TPoint Size;
    };
    const Case cases[] = {
        {"", {1, 0}},        {"a", {1, 0}},           {"a\tb", {2, 0}}, {"a\tb\r\nc\td\r\n", {2, 1}},
        {"a\nb", {1, 1}},    {"a\r\n\r\nb", {1, 1}},  {"\"x\ny\"\r\nz", {1, 1}},
    };
    for (const Case& c : cases) EXPECT_EQ(ClipboardTextSize(ParseClipboardText(c.Text)), c.Size) << c.Text.toStdString();
}

TEST(ClipboardText, HostileTextsReadInBoundedTime) {
    // A line of quoted fields whose quotes pair across the tabs, and one quote that
    // never closes before a line of 10^6 fields: both read in one pass.
    QString quotes;
    for (int i = 0; i < 200000; ++i) quotes += QStringLiteral("\"a\t");
    EXPECT_EQ(ParseClipboardText(quotes).Rows.first().size(), 100001);
    const QString unclosed = QStringLiteral("\"") + QStringLiteral("a\t").repeated(1000000);
    EXPECT_EQ(ParseClipboardText(unclosed).Rows.first().size(), 1000001);
    QRandomGenerator random(2126);
    const QString alphabet = QStringLiteral("ab\"\t\r\n\v ");
    for (int round = 0; round < 2000; ++round) {
        QString text;
        const int length = random.bounded(64);
        for (int i = 0; i < length; ++i) text += alphabet.at(random.bounded(int(alphabet.size())));
        const TClipboardTable table = ParseClipboardText(text);
        const TPoint size = ClipboardTextSize(table);
        EXPECT_GE(size.X, 1);
        EXPECT_GE(size.Y, 0);
        EXPECT_LE(size.Y, table.Rows.size());
    }
}

}  // namespace

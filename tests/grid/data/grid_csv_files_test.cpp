// CSV files: fields as written in each setting, delimiter detection, records as read,
// every text back after a round trip, and readers that change nothing when they refuse.

#include "grid/core/string_grid.h"
#include "grid/data/csv_format.h"
#include "platform/file_errors.h"
#include "file_bytes.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

// The write settings the field tests go through.
struct TWriteSettings {
    TCsvWriteOptions plain, always, noEmpty, java, semicolon;
};

TWriteSettings WriteSettings() {
    TWriteSettings settings;
    settings.always.AlwaysQuotes = true;
    settings.noEmpty.QuoteEmptyCells = false;
    settings.java.JavaCSV = true;
    settings.semicolon.Delimiter = QLatin1Char(';');
    return settings;
}

TEST(CsvField, EachSettingWritesItsForm) {
    const auto [plain, always, noEmpty, java, semicolon] = WriteSettings();
    struct Case {
        const char* name;
        TCsvWriteOptions options;
        QString text;
        QString field;
    };
    const Case cases[] = {
        {"plain", plain, "abc", "abc"},
        {"delimiter", plain, "a,b", "\"a,b\""},
        {"quote", plain, "say \"hi\"", "\"say \"\"hi\"\"\""},
        {"empty", plain, "", "\"\""},
        {"crlf kept as vertical tab", plain, "x\r\ny", "\"x\vy\""},
        {"bare LF in quotes", plain, "x\ny", "\"x\ny\""},
        {"lone CR in quotes", plain, "x\ry", "\"x\ry\""},
        {"leading blank", plain, " a", "\" a\""},
        {"always", always, "abc", "\"abc\""},
        {"always crlf as is", always, "x\r\ny", "\"x\r\ny\""},
        {"always empty", always, "", "\"\""},
        {"no empty quotes", noEmpty, "", ""},
        {"java empty", java, "", "^"},
        {"java lines", java, "x\r\ny", "x~y"},
        {"java delimiter quoted", java, "a,b", "\"a,b\""},
        {"java bare LF quoted", java, "a\nb", "\"a\nb\""},
        {"semicolon keeps comma", semicolon, "a,b", "a,b"},
        {"semicolon quotes its own", semicolon, "a;b", "\"a;b\""},
    };
    for (const Case& c : cases) EXPECT_EQ(EncodeCsvField(c.text, c.options), c.field) << c.name;
}

// The writer copies plain fields while it scans them and grows its text as it goes:
// every record must come out as its fields written one by one, after the text it started from.
TEST(CsvField, WriterJoinsRecordsAsFieldsAreWritten) {
    const auto [plain, always, noEmpty, java, semicolon] = WriteSettings();
    TCsvWriteOptions blank;
    blank.Delimiter = QLatin1Char(' ');
    const QStringList texts = {"cell 12", "", "a,b", "a;b", "say \"hi\"", "x\r\ny", "x\ny", "x\ry", " lead",
                               "trail ", "!#$", "tab\there", QString::fromUtf8("Größe €"), "^", "~"};
    for (const TCsvWriteOptions& options : {plain, always, noEmpty, java, semicolon, blank}) {
        QString expected = QStringLiteral("head\r\n");
        TCsvTextWriter writer(expected, 1, options);
        for (int record = 0; record < 40; ++record) {
            for (qsizetype f = 0; f < texts.size(); ++f) {
                const QString& text = texts[(f + record) % texts.size()];
                if (f > 0) expected += options.Delimiter;
                expected += EncodeCsvField(text, options);
                writer.Field(text);
            }
            expected += QStringLiteral("\r\n");
            writer.EndRecord();
        }
        EXPECT_EQ(std::move(writer).Finish(), expected) << "delimiter " << QString(options.Delimiter).toStdString();
    }
}

TEST(CsvDelimiter, FirstTwoLinesDecide) {
    struct Case {
        QString text;
        QChar delimiter;
    };
    const Case cases[] = {
        {"a;b;c\r\nd;e;f\r\n", QLatin1Char(';')},
        {"a,b\r\nc\r\n", QLatin1Char(',')},  // only the third pass finds it
        {"a\tb\nc\td", QChar(9)},
        {"abc\r\ndef", QChar()},
        {"a,,b;c\r\nd,,e;f", QLatin1Char(';')},  // a doubled comma is an escaped one
        {"", QChar()},
    };
    for (const Case& c : cases) EXPECT_EQ(DetectCsvDelimiter(c.text), c.delimiter) << c.text.toStdString();
}

TEST(CsvParse, QuotesLinesAndUnclosedQuotes) {
    struct Case {
        QString text;
        std::vector<QStringList> records;
    };
    const Case cases[] = {
        {"a,\"b,c\",d\r\n", {{"a", "b,c", "d"}}},
        {"\"a\"\"b\"\r\n", {{"a\"b"}}},
        {"\"multi\r\nline\",x\r\ny\r\n", {{"multi\r\nline", "x"}, {"y"}}},
        {"  a,  \" b\"\r\n", {{"a", " b"}}},
        {"a,\"never closed,x\r\nb,c\r\n", {{"a", "never closed,x"}, {"b", "c"}}},
        {"a,\r\n\r\nb", {{"a", ""}, {""}, {"b"}}},
        {"\"x\vy\"", {{"x\r\ny"}}},
        {"\"\",\"x\"junk,\"a\"\"\"\r\n", {{"", "x", "a\""}}},
    };
    TCsvReadOptions options;
    options.Delimiter = QLatin1Char(',');
    for (const Case& c : cases) EXPECT_EQ(ParseCsv(c.text, options, 1000).Lists(), c.records) << c.text.toStdString();

    options.MaxRecords = 2;
    EXPECT_EQ(ParseCsv("1\r\n2\r\n3\r\n4\r\n5\r\n", options, 1000).Count(), 2);
    options.MaxRecords = 0;
    EXPECT_TRUE(ParseCsv("a,b,c,d", options, 3).Truncated);
    // No delimiter: every line is one field, a NUL character too.
    TCsvReadOptions none;
    EXPECT_EQ(ParseCsv(QStringLiteral("a,b\r\nc") + QChar(0) + "d", none, 1000).Lists(),
              (std::vector<QStringList>{{"a,b"}, {QStringLiteral("c") + QChar(0) + "d"}}));
}

// The texts every format must give back; a grid with a hidden column holds them.
const QStringList& RoundTripTexts() {
    static const QStringList texts = {
        "plain",       "a,b",       "say \"hi\"", "x\r\ny",  "bare\nLF", "lone\rCR", "tab\there", "  leading",
        "trailing  ",  "",          "Grüße €",    "日本語",  "&lt;",     "a;b|c",    "\"",         "\"quoted\"",
        "a~b", QString(5000, QLatin1Char('x')),
    };
    return texts;
}

void FillRoundTripGrid(TExStringGrid& g) {
    const QStringList& texts = RoundTripTexts();
    g.SetColCount(4);
    g.SetRowCount(int(texts.size()) / 3 + 2);
    for (int i = 0; i < texts.size(); ++i) g.SetCells(i % 3, i / 3 + 1, texts[i]);
    g.SetCells(3, 0, QStringLiteral("kept hidden"));
    g.HideColumn(3);
}

// What a format cannot hold: letters code page 850 lacks, the Java dialect's "~".
bool SettingHolds(const char* setting, const QString& text) {
    const bool oem = QByteArray(setting) == "oem";
    if (oem && (text.contains(QChar(0x65E5)) || text.contains(QChar(0x20AC)) || text.contains(QChar(0xD83D))))
        return false;
    return !(QByteArray(setting) == "java" && text.contains(QLatin1Char('~')));
}

TEST(CsvFile, EverySettingGivesBackEveryText) {
    QTemporaryDir dir;
    struct Setting {
        const char* name;
        std::function<void(TExStringGrid&)> apply;
        bool unicode;
    };
    const Setting settings[] = {
        {"defaults", [](TExStringGrid&) {}, false},
        {"unicode", [](TExStringGrid&) {}, true},
        {"always quotes", [](TExStringGrid& g) { g.SetAlwaysQuotes(true); }, false},
        {"no empty quotes", [](TExStringGrid& g) { g.SetQuoteEmptyCells(false); }, false},
        {"semicolon", [](TExStringGrid& g) { g.SetDelimiter(QLatin1Char(';')); }, false},
        {"java", [](TExStringGrid& g) { g.SetJavaCSV(true); }, false},
        {"oem", [](TExStringGrid& g) { g.SetOemConvert(true); }, false},
        {"hidden cells", [](TExStringGrid& g) { g.SetSaveHiddenCells(true); }, false},
    };
    for (const Setting& s : settings) {
        TExStringGrid source(nullptr);
        FillRoundTripGrid(source);
        s.apply(source);
        const QString path = dir.filePath(QString::fromLatin1(s.name) + ".csv");
        source.SaveToCSV(path, s.unicode);
        TExStringGrid target(nullptr);
        target.SetColCount(2);
        target.SetRowCount(2);
        s.apply(target);
        target.LoadFromCSV(path);
        ASSERT_EQ(target.RowCount(), source.RowCount()) << s.name;
        for (int r = 0; r < source.RowCount(); ++r)
            for (int c = 0; c < source.ColCount(); ++c) {
                QString expected = source.Cells(c, r);
                if (!SettingHolds(s.name, expected)) continue;
                EXPECT_EQ(target.Cells(c, r), expected) << s.name << " cell " << c << "," << r;
            }
        if (QByteArray(s.name) == "hidden cells") EXPECT_EQ(target.Cells(3, 0), QStringLiteral("kept hidden"));
    }
}

// A file far larger than one piece of text the writer hands to the encoder: the BOM comes
// once, letters of two UTF-16 units stay whole, and an appended file keeps what it held.
TEST(CsvFile, LargeFilesComeBackWhole) {
    QTemporaryDir dir;
    const QStringList& texts = RoundTripTexts();
    const auto text = [&](int c, int r) { return texts[(r * 3 + c) % texts.size()] + (r % 7 ? "" : "😀"); };
    constexpr int kRows = 200;
    TExStringGrid source(nullptr);
    source.SetColCount(3);
    source.SetRowCount(kRows);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < 3; ++c) source.SetCells(c, r, text(c, r));
    struct Setting {
        const char* name;
        bool unicode, oem, append;
    };
    for (const Setting& s : {Setting{"unicode", true, false, false}, Setting{"oem", false, true, false},
                             Setting{"append", false, false, true}}) {
        source.SetOemConvert(s.oem);
        const QString path = dir.filePath(QString::fromLatin1(s.name) + ".csv");
        source.SaveToCSV(path, s.unicode);
        if (s.append) source.AppendToCSV(path);
        const QByteArray bytes = ReadBytes(path);
        ASSERT_GT(bytes.size(), 2 * (1 << 16)) << s.name;
        EXPECT_EQ(bytes.indexOf("\xEF\xBB\xBF"), s.unicode ? 0 : -1) << s.name;
        EXPECT_EQ(bytes.indexOf("\xEF\xBB\xBF", 1), -1) << s.name;
        TExStringGrid target(nullptr);
        target.SetOemConvert(s.oem);
        target.LoadFromCSV(path);
        ASSERT_EQ(target.RowCount(), s.append ? 2 * kRows : kRows) << s.name;
        for (int r = 0; r < target.RowCount(); ++r)
            for (int c = 0; c < 3; ++c)
                if (SettingHolds(s.name, text(c, r % kRows)))
                    ASSERT_EQ(target.Cells(c, r), text(c, r % kRows)) << s.name << " cell " << c << "," << r;
    }
}

TEST(CsvFile, BytesOfTheDefaultSettings) {
    QTemporaryDir dir;
    TExStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(2);
    g.SetCells(0, 0, QStringLiteral("a,b"));
    g.SetCells(1, 0, QStringLiteral("q\""));
    g.SetCells(0, 1, QStringLiteral("x\r\ny"));
    g.SetCells(1, 1, QStringLiteral("é"));
    const QString path = dir.filePath("d.csv");
    g.SaveToCSV(path);
    EXPECT_EQ(ReadBytes(path), QByteArray("\"a,b\",\"q\"\"\",\"\"\r\n\"x\vy\",\xC3\xA9,\"\"\r\n"));
    g.SaveToCSV(path, true);
    EXPECT_TRUE(ReadBytes(path).startsWith("\xEF\xBB\xBF\"a,b\""));
    g.SetOemConvert(true);
    g.SaveToCSV(path);
    EXPECT_TRUE(ReadBytes(path).contains("\r\n\"x\vy\",\x82,"));  // é is 0x82 in code page 850
    g.SetOemConvert(false);
    g.AppendToCSV(path);
    EXPECT_EQ(ReadBytes(path).count("\r\n"), 4);
    EXPECT_THROW(g.AppendToCSV(dir.filePath("missing.csv")), EFOpenError);
    EXPECT_FALSE(QFile::exists(dir.filePath("missing.csv")));
}

TEST(CsvFile, LoadingOptionsAndStreams) {
    QTemporaryDir dir;
    const QString path = dir.filePath("l.csv");
    WriteBytes(path, "h1;h2\r\n1;2\r\n3;4\r\n5;6\r\n7;8\r\n");
    TExStringGrid g(nullptr);
    g.LoadFromCSV(path, 2);
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.Cells(1, 1), QStringLiteral("2"));
    g.SetLoadFirstRow(false);
    g.LoadFromCSV(path);
    EXPECT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.Cells(0, 0), QStringLiteral("1"));
    g.InsertFromCSV(path, 1);
    EXPECT_EQ(g.RowCount(), 5);
    EXPECT_EQ(g.Cells(1, 4), QStringLiteral("2"));

    // A skipped first row wider than the rest does not widen the grid.
    WriteBytes(path, "h1;h2;h3;h4\r\n1;2\r\n");
    TExStringGrid narrow(nullptr);
    narrow.SetColCount(1);
    narrow.SetLoadFirstRow(false);
    narrow.LoadFromCSV(path);
    EXPECT_EQ(narrow.ColCount(), 2);
    EXPECT_EQ(narrow.Cells(1, 0), QStringLiteral("2"));

    WriteBytes(path, "");
    g.LoadFromCSV(path);  // an empty file changes nothing
    EXPECT_EQ(g.RowCount(), 5);
    QBuffer empty;
    empty.open(QIODevice::ReadOnly);
    EXPECT_THROW(g.LoadFromCSVStream(empty), Exception);
    EXPECT_THROW(g.LoadFromCSV(dir.filePath("none.csv")), EFOpenError);
}

TEST(CsvFile, TheFooterStaysBelowInsertedAndLoadedRows) {
    QTemporaryDir dir;
    const QString path = dir.filePath("i.csv");
    WriteBytes(path, "x,1\r\ny,2\r\n");
    const std::function<void(TExStringGrid&)> noFooter = [](TExStringGrid&) {};
    const std::function<void(TExStringGrid&)> fixedFooter = [](TExStringGrid& g) { g.SetFixedFooters(1); };
    const std::function<void(TExStringGrid&)> floatingFooter = [](TExStringGrid& g) { g.FloatingFooter()->SetVisible(true); };
    const struct {
        const char* name;
        bool insert;
        int dataRows;  // between the fixed row and the last row
        std::function<void(TExStringGrid&)> footer;
        QStringList firstColumn;
    } cases[] = {
        {"insert, no footer", true, 1, noFooter, {"head", "d1", "total", "x", "y"}},
        {"insert, fixed footer row", true, 1, fixedFooter, {"head", "d1", "x", "y", "total"}},
        {"insert, floating footer", true, 1, floatingFooter, {"head", "d1", "x", "y", "total"}},
        // Loading starts at the save range's first row, row 0 by default.
        {"load, no footer", false, 3, noFooter, {"x", "y"}},
        {"load over more rows, fixed footer row", false, 3, fixedFooter, {"x", "y", "total"}},
        {"load over fewer rows, fixed footer row", false, 0, fixedFooter, {"x", "y", "total"}},
        {"load, floating footer", false, 3, floatingFooter, {"x", "y", "total"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TExStringGrid g(nullptr);
        g.SetColCount(2);
        g.SetRowCount(c.dataRows + 2);
        g.SetCells(0, 0, QStringLiteral("head"));
        for (int r = 1; r <= c.dataRows; ++r) g.SetCells(0, r, QStringLiteral("d%1").arg(r));
        g.SetCells(0, c.dataRows + 1, QStringLiteral("total"));
        g.SetCells(1, c.dataRows + 1, QStringLiteral("3"));
        c.footer(g);
        if (c.insert)
            g.InsertFromCSV(path);
        else
            g.LoadFromCSV(path);
        QStringList firstColumn;
        for (int r = 0; r < g.RowCount(); ++r) firstColumn << g.Cells(0, r);
        EXPECT_EQ(firstColumn, c.firstColumn);
        const int footer = int(firstColumn.indexOf(QStringLiteral("total")));
        if (footer >= 0) EXPECT_EQ(g.Cells(1, footer), QStringLiteral("3"));
        EXPECT_EQ(g.Cells(1, int(firstColumn.indexOf(QStringLiteral("y")))), QStringLiteral("2"));
    }
}

TEST(CsvFile, RefusedFilesLeaveTheGridAsItWas) {
    QTemporaryDir dir;
    const QString path = dir.filePath("big.csv");
    QByteArray wide = QByteArray(20'000, ',') + "\r\n";  // more columns than a grid may have
    WriteBytes(path, wide);
    TExStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetCells(1, 1, QStringLiteral("keep"));
    EXPECT_THROW(g.LoadFromCSV(path), EExGridError);
    EXPECT_EQ(g.ColCount(), 3);
    EXPECT_EQ(g.RowCount(), 3);
    EXPECT_EQ(g.Cells(1, 1), QStringLiteral("keep"));
}

TEST(CsvFile, ProgressRisesEachValueOnceTo100) {
    QTemporaryDir dir;
    TExStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(250);
    for (int r = 0; r < 250; ++r) g.SetCells(1, r, QString::number(r));
    std::vector<int> reported;
    g.OnFileProgress = [&](TObject*, short progress) { reported.push_back(progress); };
    const QString path = dir.filePath("p.csv");
    for (int pass = 0; pass < 2; ++pass) {
        reported.clear();
        if (pass == 0)
            g.SaveToCSV(path);
        else
            g.LoadFromCSV(path);
        ASSERT_FALSE(reported.empty());
        EXPECT_EQ(reported.back(), 100) << pass;
        for (std::size_t i = 1; i < reported.size(); ++i) EXPECT_GT(reported[i], reported[i - 1]) << pass;
    }
}

}  // namespace

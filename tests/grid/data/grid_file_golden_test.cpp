// Every text format of the grid, byte for byte, on one small grid: CSV in each setting,
// the text format as a file and on a stream, the cell stream, fixed width and the ASCII
// table. A golden file that is missing is written when VASTRELON_WRITE_GOLDEN is set, to
// be looked at before it is committed.

#include "grid/core/string_grid.h"
#include "file_bytes.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

QString Golden(const QString& name) { return QStringLiteral(GRID_FILES_GOLDEN_FOLDER "/") + name; }

void FillFixture(TExStringGrid& g) {
    g.SetColCount(4);
    g.SetRowCount(4);
    const char* texts[4][4] = {{"Name", "Note", "Value", "hidden"},
                               {"a,b", "say \"hi\"", "1.5", "h1"},
                               {"x\r\ny", "bare\nLF", "  leading", "h2"},
                               {"", "Grüße €", "日本語", "h3"}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) g.SetCells(c, r, QString::fromUtf8(texts[r][c]));
    g.SetColWidths(1, 80);
    g.HideColumn(3);
}

TEST(GridFileGolden, EachFormatWritesItsBytes) {
    QTemporaryDir dir;
    struct Case {
        const char* golden;
        std::function<void(TExStringGrid&, const QString&)> write;
    };
    const Case cases[] = {
        {"csv/defaults.csv", [](TExStringGrid& g, const QString& f) { g.SaveToCSV(f); }},
        {"csv/unicode.csv", [](TExStringGrid& g, const QString& f) { g.SaveToCSV(f, true); }},
        {"csv/always_quotes.csv", [](TExStringGrid& g, const QString& f) { g.SetAlwaysQuotes(true), g.SaveToCSV(f); }},
        {"csv/no_empty_quotes.csv",
         [](TExStringGrid& g, const QString& f) { g.SetQuoteEmptyCells(false), g.SaveToCSV(f); }},
        {"csv/java.csv", [](TExStringGrid& g, const QString& f) { g.SetJavaCSV(true), g.SaveToCSV(f); }},
        {"csv/semicolon.csv",
         [](TExStringGrid& g, const QString& f) { g.SetDelimiter(QLatin1Char(';')), g.SaveToCSV(f); }},
        {"csv/oem.csv", [](TExStringGrid& g, const QString& f) { g.SetOemConvert(true), g.SaveToCSV(f); }},
        {"csv/hidden_cells.csv", [](TExStringGrid& g, const QString& f) { g.SetSaveHiddenCells(true), g.SaveToCSV(f); }},
        {"text/file.txt", [](TExStringGrid& g, const QString& f) { g.SaveToFile(f); }},
        {"text/file_unicode.txt", [](TExStringGrid& g, const QString& f) { g.SaveToFile(f, true); }},
        {"text/stream.bin",
         [](TExStringGrid& g, const QString& f) {
             QFile file(f);
             file.open(QIODevice::WriteOnly);
             g.SaveToStream(file);
         }},
        {"cell_stream/block.bin",
         [](TExStringGrid& g, const QString& f) {
             g.SaveToBinFile(f);
             // The block names the grid it came from, a number of each grid: zeroed here.
             QByteArray bytes = ReadBytes(f);
             const qsizetype id = bytes.indexOf(QByteArray("\x02" "ID\x01", 4));
             ASSERT_GE(id, 0);
             bytes.replace(id + 4, 4, QByteArray(4, '\0'));
             WriteBytes(f, bytes);
         }},
        {"fixed/widths.txt",
         [](TExStringGrid& g, const QString& f) {
             TIntList widths(0, 0);
             widths.Add(4);
             g.SaveToFixed(f, &widths);
         }},
        {"ascii/table.txt",
         [](TExStringGrid& g, const QString& f) {
             g.OnGetAlignment = [](TObject*, int, int ACol, TAlignment& HAlign, TVAlignment&) {
                 if (ACol == 2) HAlign = taRightJustify;
             };
             g.SetMultilinecells(true);
             g.SaveToASCII(f);
         }},
    };
    for (const Case& c : cases) {
        TExStringGrid g(nullptr);
        FillFixture(g);
        const QString written = dir.filePath(QStringLiteral("out"));
        c.write(g, written);
        const QString golden = Golden(QString::fromLatin1(c.golden));
        if (!QFile::exists(golden) && qEnvironmentVariableIsSet("VASTRELON_WRITE_GOLDEN")) {
            QDir().mkpath(QFileInfo(golden).absolutePath());
            WriteBytes(golden, ReadBytes(written));
        }
        ASSERT_TRUE(QFile::exists(golden)) << c.golden;
        EXPECT_EQ(ReadBytes(written), ReadBytes(golden)) << c.golden;
    }
}

}  // namespace

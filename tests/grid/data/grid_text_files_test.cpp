// The text format as a file, fixed width, the ASCII table, the cell block as a file and
// cells read as numbers.

#include "grid/core/string_grid.h"
#include "platform/file_errors.h"
#include "file_bytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

namespace {

const QStringList kTexts = {"plain", "a,b", "say \"hi\"", "x\r\ny", "bare\nLF", "tab\there", "  leading",
                            "",      "Grüße €", "日本語", "&lt;", QString(5000, QLatin1Char('x'))};

TEST(TextFormatFile, GivesBackEveryTextInBothEncodings) {
    QTemporaryDir dir;
    for (bool unicode : {false, true}) {
        TExStringGrid source(nullptr);
        source.SetMultilinecells(true);
        source.SetColCount(3);
        source.SetRowCount(int(kTexts.size()));
        source.SetColWidths(2, 91);
        for (int i = 0; i < kTexts.size(); ++i) source.SetCells(i % 3, i, kTexts[i]);
        const QString path = dir.filePath(unicode ? "u.txt" : "a.txt");
        source.SaveToFile(path, unicode);
        TExStringGrid target(nullptr);
        target.SetMultilinecells(true);
        target.SetCells(0, 0, QStringLiteral("overwritten?"));
        target.LoadFromFile(path);
        ASSERT_EQ(target.RowCount(), source.RowCount());
        EXPECT_EQ(target.ColWidths(2), 91);
        for (int i = 0; i < kTexts.size(); ++i) EXPECT_EQ(target.Cells(i % 3, i), kTexts[i]) << i << unicode;
        // A bare LF no longer breaks the record into a line for (0, 0).
        EXPECT_EQ(target.Cells(0, 0), kTexts[0]);
    }
}

TEST(TextFormatFile, HiddenColumnsComeBackWithSaveHiddenCells) {
    QTemporaryDir dir;
    TExStringGrid source(nullptr);
    source.SetColCount(4);
    source.SetRowCount(2);
    for (int c = 0; c < 4; ++c) source.SetCells(c, 1, QString::number(c));
    source.HideColumn(1);
    source.SetSaveHiddenCells(true);
    const QString path = dir.filePath("h.txt");
    source.SaveToFile(path);
    TExStringGrid target(nullptr);
    target.SetSaveHiddenCells(true);
    target.LoadFromFile(path);
    EXPECT_EQ(target.AllColCount(), 4);
    for (int c = 0; c < 4; ++c) EXPECT_EQ(target.AllCells(c, 1), QString::number(c)) << c;
}

TEST(TextFormatFile, LayoutAndRefusedFiles) {
    QTemporaryDir dir;
    TExStringGrid g(nullptr);
    g.SetColCount(2);
    g.SetRowCount(3);
    g.SetColWidths(0, 64);
    g.SetColWidths(1, 64);
    g.SetCells(1, 2, QStringLiteral("a,b"));
    const QString path = dir.filePath("t.txt");
    g.SaveToFile(path);
    EXPECT_EQ(ReadBytes(path), QByteArray("2,3\r\ncw 0,64\r\ncw 1,64\r\n1,2,a,b\r\n"));

    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case refused[] = {
        {"empty", ""},
        {"no columns", "0,5\r\n1,1,x\r\n"},
        {"no rows", "3\r\n"},
        {"a billion rows", "2,1000000000\r\n1,1,x\r\n"},
        {"too many columns", "100000,2\r\n"},
    };
    for (const Case& c : refused) {
        WriteBytes(path, c.bytes);
        EXPECT_THROW(g.LoadFromFile(path), EExGridError) << c.name;
        EXPECT_EQ(g.ColCount(), 2) << c.name;
        EXPECT_EQ(g.RowCount(), 3) << c.name;
        EXPECT_EQ(g.Cells(1, 2), QStringLiteral("a,b")) << c.name;
    }
    try {
        WriteBytes(path, "");
        g.LoadFromFile(path);
    } catch (const EExGridError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("File contains no data or corrupt file ") + path);
    }
    // Cells and widths outside the header's grid are dropped, lenient numbers read.
    WriteBytes(path, " 2x,2\r\ncw 9,50\r\ncw 1,33\r\n5,5,out\r\n1,1,in\r\nnocomma\r\n");
    g.LoadFromFile(path);
    EXPECT_EQ(g.ColCount(), 2);
    EXPECT_EQ(g.ColWidths(1), 33);
    EXPECT_EQ(g.Cells(1, 1), QStringLiteral("in"));
    EXPECT_EQ(g.Cells(0, 0), QStringLiteral("nocomma"));
    EXPECT_THROW(g.LoadFromFile(dir.filePath("none.txt")), EFOpenError);
}

TEST(FixedWidth, WidthsAreAppendedAndFittingTextsComeBack) {
    QTemporaryDir dir;
    TExStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(2);
    g.SetCells(0, 0, QStringLiteral("ab"));
    g.SetCells(1, 0, QStringLiteral("long text"));
    g.SetCells(2, 0, QStringLiteral("z"));
    g.SetCells(0, 1, QStringLiteral("abcd"));
    g.SetCells(1, 1, QStringLiteral("é"));
    TIntList widths(0, 0);
    widths.Add(3);
    const QString path = dir.filePath("f.txt");
    g.SaveToFixed(path, &widths);
    EXPECT_EQ(widths.StrValue(), QStringLiteral("3,10,2"));
    EXPECT_EQ(QString::fromUtf8(ReadBytes(path)), QStringLiteral("ab long text z \r\nabcé           \r\n"));

    TIntList starts(0, 0);
    starts.SetStrValue(QStringLiteral("14,1,4"));  // sorted when loading
    TExStringGrid back(nullptr);
    back.LoadFromFixed(path, &starts, true, -1);
    EXPECT_EQ(back.Cells(0, 0), QStringLiteral("ab"));
    EXPECT_EQ(back.Cells(1, 0), QStringLiteral("long text"));
    EXPECT_EQ(back.Cells(0, 1), QStringLiteral("abc"));  // cut to the width saved
    EXPECT_EQ(back.Cells(1, 1), QStringLiteral("é"));
    back.LoadFromFixed(path, &starts, false, 0);  // one line
    EXPECT_EQ(back.Cells(1, 0), QStringLiteral("long text "));

    TIntList one(0, 0);
    one.Add(1);
    back.SetCells(0, 0, QStringLiteral("kept"));
    EXPECT_THROW(back.LoadFromFixed(path, &one, true, -1), EExGridError);
    EXPECT_EQ(back.Cells(0, 0), QStringLiteral("kept"));
    EXPECT_THROW(back.LoadFromFixed(dir.filePath("none"), &starts, true, -1), EExGridError);
}

TEST(AsciiTable, ColumnsArePaddedAlignedAndMultiLine) {
    QTemporaryDir dir;
    TExStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(2);
    g.SetCells(0, 0, QStringLiteral("12345"));
    g.SetCells(0, 1, QStringLiteral("ab"));
    g.SetCells(1, 0, QStringLiteral("x\r\nyy"));
    g.SetCells(2, 1, QString(300, QLatin1Char('w')));
    g.OnGetAlignment = [](TObject*, int ARow, int ACol, TAlignment& HAlign, TVAlignment&) {
        if (ACol == 0 && ARow == 1) HAlign = taRightJustify;
    };
    const QString path = dir.filePath("a.txt");
    g.SaveToASCII(path);
    QStringList lines = QString::fromUtf8(ReadBytes(path)).split(QStringLiteral("\r\n"));
    // Without Multilinecells only a cell's first line counts, for the width too.
    EXPECT_EQ(lines[0], QStringLiteral("12345 x ") + QString(301, QLatin1Char(' ')));
    EXPECT_EQ(lines[1].left(9), QStringLiteral("   ab   w"));
    EXPECT_EQ(lines[1].size(), 6 + 2 + 301);

    g.SetMultilinecells(true);
    g.SaveToASCII(path, true);
    const QByteArray bytes = ReadBytes(path);
    EXPECT_TRUE(bytes.startsWith("\xFF\xFE"));
    lines = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2), (bytes.size() - 2) / 2)
                .split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines[1], QStringLiteral("      yy"));
    g.AppendToASCII(path);
    EXPECT_EQ(QString::fromUtf8(ReadBytes(path)).count(QStringLiteral("\r\n")), 2 * 3);
}

TEST(CellBlockFile, RestoresCountsAndCells) {
    QTemporaryDir dir;
    TExStringGrid source(nullptr);
    source.SetColCount(4);
    source.SetRowCount(5);
    source.SetCells(2, 3, QStringLiteral("x\r\ny"));
    source.SetColWidths(3, 77);
    const QString path = dir.filePath("b.bin");
    source.SaveToBinFile(path);
    TExStringGrid target(nullptr);
    target.LoadFromBinFile(path);
    EXPECT_EQ(target.ColCount(), 4);
    EXPECT_EQ(target.RowCount(), 5);
    EXPECT_EQ(target.ColWidths(3), 77);
    EXPECT_EQ(target.Cells(2, 3), QStringLiteral("x\r\ny"));
    WriteBytes(path, "not a block");
    EXPECT_THROW(target.LoadFromBinFile(path), EExGridError);
    EXPECT_EQ(target.Cells(2, 3), QStringLiteral("x\r\ny"));
}

TEST(CellToReal, NumbersInTheLocalesForm) {
    TExStringGrid g(nullptr);
    struct Case {
        QString text;
        double value;
    };
    const Case cases[] = {{"", 0}, {"12", 12}, {"12a", 12}, {"-3.5", -3.5}, {"(2)", -2}, {"1,234.5", 1234.5}};
    for (const Case& c : cases) {
        g.SetCells(1, 1, c.text);
        EXPECT_DOUBLE_EQ(g.CellToReal(1, 1), c.value) << c.text.toStdString();
    }
    g.SetCells(1, 1, QStringLiteral("1.2.3"));
    try {
        g.CellToReal(1, 1);
        ADD_FAILURE() << "no error";
    } catch (const EExGridError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Error at position: 4 in Cell [1, 1]."));
    }
}

// Random bytes with fixed seeds through every reader: each ends, loads or raises a named
// error, and a refusal changes nothing.
TEST(GridFileReaders, RandomInputEndsCleanly) {
    QTemporaryDir dir;
    const QString path = dir.filePath("r");
    const char alphabet[] = "0123456789,;\"\r\n \t~^|cw\x0b\xc3\xa9\xff";
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::mt19937 random(seed);
        QByteArray bytes;
        const int size = int(random() % 400);
        for (int i = 0; i < size; ++i)
            bytes += seed % 3 == 0 ? char(random() % 256) : alphabet[random() % (sizeof alphabet - 1)];
        WriteBytes(path, bytes);
        for (int reader = 0; reader < 3; ++reader) {
            TExStringGrid g(nullptr);
            g.SetColCount(3);
            g.SetRowCount(3);
            g.SetCells(1, 1, QStringLiteral("snapshot"));
            TIntList starts(0, 0);
            starts.SetStrValue(QStringLiteral("1,3,7"));
            try {
                if (reader == 0) g.LoadFromCSV(path);
                if (reader == 1) g.LoadFromFile(path);
                if (reader == 2) g.LoadFromFixed(path, &starts, true, -1);
            } catch (const EExGridError&) {
                EXPECT_EQ(g.ColCount(), 3);
                EXPECT_EQ(g.RowCount(), 3);
                EXPECT_EQ(g.Cells(1, 1), QStringLiteral("snapshot"));
            }
            EXPECT_LE(qint64(g.ColCount()) * g.RowCount(), 20'000'000) << seed << " " << reader;
        }
    }
}

}  // namespace

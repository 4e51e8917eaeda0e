// Our CSV files as LibreOffice reads them: each setting's file goes through a headless
// LibreOffice (its own profile, several files per start, since a start costs seconds),
// which writes it again as CSV with every text quoted; that file loads as the grid that
// was saved. Skipped when soffice is missing.

#include "grid/core/string_grid.h"
#include "grid/data/libreoffice_conversion.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Converts the files with the CSV filter options Options, in one LibreOffice run, into Out.
bool ConvertCsv(const QStringList& Files, const QString& Options, const QString& Profile, const QString& Out) {
    return ConvertWithLibreOffice(Files,
                                  {QStringLiteral("--infilter=CSV:") + Options, QStringLiteral("--convert-to"),
                                   QStringLiteral("csv:Text - txt - csv (StarCalc):") + Options + QStringLiteral(",,0,true")},
                                  Profile, Out);
}

void FillFixture(TExStringGrid& g) {
    const QStringList texts = {"Name", "Note",    "Value",   "a,b",    "say \"hi\"", "1.5",
                               "bare\nLF", "  leading", "", "", "Grüße €", "日本語"};
    g.SetColCount(3);
    g.SetRowCount(4);
    for (int i = 0; i < texts.size(); ++i) g.SetCells(i % 3, i / 3, texts[i]);
}

TEST(CsvLibreOffice, LibreOfficeReadsEverySettingsFileAndItsCsvLoadsBack) {
    if (!HaveLibreOffice())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("in"));
    QDir(dir.path()).mkpath(QStringLiteral("out"));
    struct Setting {
        const char* name;
        std::function<void(TExStringGrid&)> apply;
        bool unicode;
    };
    const Setting comma[] = {
        {"defaults", [](TExStringGrid&) {}, false},
        {"bom", [](TExStringGrid&) {}, true},
        {"always_quotes", [](TExStringGrid& g) { g.SetAlwaysQuotes(true); }, false},
    };
    TExStringGrid source(nullptr);
    FillFixture(source);
    QStringList files;
    for (const Setting& s : comma) {
        TExStringGrid g(nullptr);
        FillFixture(g);
        s.apply(g);
        files << dir.filePath(QStringLiteral("in/") + s.name + QStringLiteral(".csv"));
        g.SaveToCSV(files.back(), s.unicode);
    }
    ASSERT_TRUE(ConvertCsv(files, QStringLiteral("44,34,76,1"), dir.filePath("profile"), dir.filePath("out")));
    TExStringGrid semicolon(nullptr);
    FillFixture(semicolon);
    semicolon.SetDelimiter(QLatin1Char(';'));
    const QString semicolonFile = dir.filePath(QStringLiteral("in/semicolon.csv"));
    semicolon.SaveToCSV(semicolonFile);
    ASSERT_TRUE(ConvertCsv({semicolonFile}, QStringLiteral("59,34,76,1"), dir.filePath("profile"), dir.filePath("out")));
    files << semicolonFile;

    for (const QString& file : files) {
        const QString converted = dir.filePath(QStringLiteral("out/") + QFileInfo(file).fileName());
        ASSERT_TRUE(QFile::exists(converted)) << converted.toStdString();
        TExStringGrid back(nullptr);
        back.LoadFromCSV(converted);
        ASSERT_EQ(back.RowCount(), source.RowCount()) << file.toStdString();
        for (int r = 0; r < source.RowCount(); ++r)
            for (int c = 0; c < source.ColCount(); ++c)
                EXPECT_EQ(back.Cells(c, r), source.Cells(c, r)) << file.toStdString() << " " << c << "," << r;
    }
}

}  // namespace

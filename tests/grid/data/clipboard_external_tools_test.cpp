// The clipboard's payloads judged by other programs: tidy reads its HTML without an
// error, and LibreOffice reads its exact text/plain bytes back into the same cells. A
// test whose tool is missing is skipped with the reason (scripts/install-deps installs
// them).

#include "grid/core/string_grid.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ToolGrid : public TExStringGrid {
public:
    ToolGrid() : TExStringGrid(nullptr) {
        const QStringList texts{"plain", "tab\there", "two\r\nlines", "\"lead", "say \"hi\"", "", "日本語 ✓", "a & <b>"};
        SetColCount(3);
        SetRowCount(int(texts.size()) + 1);
        for (int i = 0; i < texts.size(); ++i) {
            SetCells(1, i + 1, texts[i]);
            SetCells(2, i + 1, QString::number(i));
        }
    }
};

bool WriteFile(const QString& Path, const QByteArray& Bytes) {
    QFile file(Path);
    return file.open(QIODevice::WriteOnly) && file.write(Bytes) == Bytes.size();
}

// LibreOffice's CSV: fields end at the separator, rows at LF; quoted fields keep their
// LF line breaks, separators and doubled quotes.
QList<QStringList> ReadLibreOfficeCsv(const QString& csv, QChar separator) {
    QList<QStringList> rows;
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < csv.size(); ++i) {
        const QChar ch = csv.at(i);
        if (quoted) {
            if (ch == QLatin1Char('"') && i + 1 < csv.size() && csv.at(i + 1) == QLatin1Char('"')) field += ch, ++i;
            else if (ch == QLatin1Char('"')) quoted = false;
            else field += ch;
        } else if (ch == QLatin1Char('"')) {
            quoted = true;
        } else if (ch == separator) {
            fields << field;
            field.clear();
        } else if (ch == QLatin1Char('\n')) {
            fields << field;
            field.clear();
            rows << fields;
            fields.clear();
        } else if (ch != QLatin1Char('\r')) {
            field += ch;
        }
    }
    return rows;
}

// Converts a file of the folder with its own LibreOffice profile; the converted file's path.
QString ConvertWithLibreOffice(const QString& soffice, const QTemporaryDir& dir, const QString& name,
                               const QString& inFilter, const QString& outFilter) {
    QDir(dir.path()).mkdir(QStringLiteral("out"));
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(soffice, {QStringLiteral("-env:UserInstallation=file://") + dir.filePath(QStringLiteral("profile")),
                            QStringLiteral("--headless"), QStringLiteral("--infilter=") + inFilter,
                            QStringLiteral("--convert-to"), outFilter, QStringLiteral("--outdir"),
                            dir.filePath(QStringLiteral("out")), dir.filePath(name)});
    process.waitForFinished(120000);
    return dir.filePath(QStringLiteral("out/") + QFileInfo(name).completeBaseName() + QStringLiteral(".csv"));
}

TEST(ClipboardExternalTools, TidyFindsNoErrorInTheClipboardHtml) {
    const QString tidy = QStandardPaths::findExecutable(QStringLiteral("tidy"));
    if (tidy.isEmpty()) GTEST_SKIP() << "tidy is not installed";
    ToolGrid g;
    QTemporaryDir dir;
    g.SetSelection({1, 1, 2, g.RowCount() - 1});
    g.CopySelectionToClipboard();
    const QString selection = QGuiApplication::clipboard()->mimeData()->html();
    g.CopyToClipBoardAsHTML();
    const QString document = QGuiApplication::clipboard()->mimeData()->html();
    g.HTMLSettings()->XHTML = true;
    const QString xhtml = g.SaveToHTMLString(QString());
    int index = 0;
    for (const QString& html : {selection, document, xhtml}) {
        const QString path = dir.filePath(QStringLiteral("clip%1.html").arg(index++));
        ASSERT_TRUE(WriteFile(path, html.toUtf8()));
        QProcess process;
        process.start(tidy, {QStringLiteral("-q"), QStringLiteral("-e"), QStringLiteral("-utf8"), path});
        ASSERT_TRUE(process.waitForFinished(30000));
        // Exit code 2 means errors; 1 only warnings (such as a fragment without a title).
        EXPECT_LT(process.exitCode(), 2) << html.toStdString() << process.readAllStandardError().toStdString();
    }
}

TEST(ClipboardExternalTools, LibreOfficeReadsTheCopiedTextBackIntoTheSameCells) {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    ToolGrid g;
    g.SetSelection({1, 1, 2, g.RowCount() - 1});
    g.CopySelectionToClipboard();
    const QByteArray bytes = QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("text/plain"));
    QTemporaryDir dir;
    ASSERT_TRUE(WriteFile(dir.filePath(QStringLiteral("clip.csv")), bytes));
    // Tab-separated, double quotes, UTF-8 in; comma-separated, quoted, UTF-8 out.
    const QString output = ConvertWithLibreOffice(soffice, dir, QStringLiteral("clip.csv"), QStringLiteral("CSV:9,34,76,1"),
                                                  QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1"));
    QFile converted(output);
    ASSERT_TRUE(converted.open(QIODevice::ReadOnly)) << output.toStdString();
    const QList<QStringList> rows = ReadLibreOfficeCsv(QString::fromUtf8(converted.readAll()), QLatin1Char(','));
    // Each row must give the grid's row back.
    ASSERT_EQ(rows.size(), g.RowCount() - 1);
    for (int row = 1; row < g.RowCount(); ++row)
        for (int c = 0; c < rows[row - 1].size() && c < 2; ++c)
            EXPECT_EQ(QString(rows[row - 1][c]).replace(QStringLiteral("\n"), QStringLiteral("\r\n")), g.Cells(c + 1, row))
                << row << "," << c;
}

// The cells of ToolGrid's two data columns as LibreOffice should end up holding them.
QList<QStringList> ToolGridRows(const ToolGrid& g) {
    QList<QStringList> rows;
    for (int r = 1; r < g.RowCount(); ++r) rows << QStringList{g.Cells(1, r), g.Cells(2, r)};
    return rows;
}

// A comma-separated file of the rows, every field quoted, for LibreOffice to read.
QByteArray QuotedCsv(const QList<QStringList>& rows) {
    QString text;
    for (const QStringList& row : rows) {
        QStringList fields;
        for (QString field : row) fields << QLatin1Char('"') + field.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
        text += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

TEST(ClipboardExternalTools, ATabFileLibreOfficeWritesPastesIntoTheSameCells) {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    ToolGrid fixture;
    QList<QStringList> rows = ToolGridRows(fixture);
    // LibreOffice keeps a cell's line break as LF; the grid's cell holds CR LF.
    for (QStringList& row : rows) row[0].replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QTemporaryDir dir;
    ASSERT_TRUE(WriteFile(dir.filePath(QStringLiteral("fixture.csv")), QuotedCsv(rows)));
    // Comma-separated in, tab-separated out, both UTF-8 with double quotes.
    const QString output = ConvertWithLibreOffice(soffice, dir, QStringLiteral("fixture.csv"), QStringLiteral("CSV:44,34,76,1"),
                                                  QStringLiteral("csv:Text - txt - csv (StarCalc):9,34,76,1"));
    QFile tabFile(output);
    ASSERT_TRUE(tabFile.open(QIODevice::ReadOnly)) << output.toStdString();
    auto* data = new QMimeData;
    data->setData(QStringLiteral("text/plain"), tabFile.readAll());
    QGuiApplication::clipboard()->setMimeData(data);

    TExStringGrid target(nullptr);
    target.SetColCount(3);
    target.SetRowCount(fixture.RowCount());
    target.SetOptions(target.Options().Include(goEditing));
    // As Ctrl+V does: at the selection's top-left cell.
    target.SetSelection({1, 1, 1, 1});
    target.PasteSelectionFromClipboard();
    for (int r = 1; r < fixture.RowCount(); ++r)
        for (int c = 1; c <= 2; ++c) EXPECT_EQ(target.Cells(c, r), fixture.Cells(c, r)) << c << "," << r;
}

TEST(ClipboardExternalTools, LibreOfficeReadsTheCopiedHtmlIntoTheSameCells) {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    ToolGrid g;
    g.SetSelection({1, 1, 2, g.RowCount() - 1});
    g.CopySelectionToClipboard();
    const QString html = QGuiApplication::clipboard()->mimeData()->html();
    QTemporaryDir dir;
    ASSERT_TRUE(WriteFile(dir.filePath(QStringLiteral("clip.html")), html.toUtf8()));
    const QString output = ConvertWithLibreOffice(soffice, dir, QStringLiteral("clip.html"), QStringLiteral("HTML (StarCalc)"),
                                                  QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1"));
    QFile converted(output);
    ASSERT_TRUE(converted.open(QIODevice::ReadOnly)) << output.toStdString();
    const QList<QStringList> rows = ReadLibreOfficeCsv(QString::fromUtf8(converted.readAll()), QLatin1Char(','));
    ASSERT_EQ(rows.size(), g.RowCount() - 1) << html.toStdString();
    for (int r = 1; r < g.RowCount(); ++r) {
        QString expected = g.Cells(1, r);
        // HTML keeps no tab: a browser or a spreadsheet shows it as a blank.
        expected.replace(QLatin1Char('\t'), QLatin1Char(' '));
        EXPECT_EQ(QString(rows[r - 1].value(0)).replace(QStringLiteral("\n"), QStringLiteral("\r\n")), expected) << r;
        EXPECT_EQ(rows[r - 1].value(1), g.Cells(2, r)) << r;
    }
}

}  // namespace

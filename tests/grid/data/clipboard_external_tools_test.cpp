// The clipboard's payloads judged by other programs: tidy reads its HTML without an
// error, and LibreOffice reads its exact text/plain bytes back into the same cells. A
// test whose tool is missing is skipped with the reason (scripts/install-deps installs
// them).

#include "grid/core/string_grid.h"

#include <QClipboard>
#include <QDir>
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
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("out")));
    QProcess process;
    process.setWorkingDirectory(dir.path());
    // Tab-separated, double quotes, UTF-8 in; comma-separated, quoted, UTF-8 out.
    process.start(soffice, {QStringLiteral("-env:UserInstallation=file://") + dir.filePath(QStringLiteral("profile")),
                            QStringLiteral("--headless"), QStringLiteral("--infilter=CSV:9,34,76,1"),
                            QStringLiteral("--convert-to"), QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1"),
                            QStringLiteral("--outdir"), dir.filePath(QStringLiteral("out")), dir.filePath(QStringLiteral("clip.csv"))});
    ASSERT_TRUE(process.waitForFinished(120000));
    QFile converted(dir.filePath(QStringLiteral("out/clip.csv")));
    ASSERT_TRUE(converted.open(QIODevice::ReadOnly)) << process.readAllStandardError().toStdString();
    const QString csv = QString::fromUtf8(converted.readAll());
    // LibreOffice's CSV: fields end at commas, rows at LF, quoted fields keep their LF
    // line breaks and doubled quotes. Each row must give the grid's row back.
        int row = 1;
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
        } else if (ch == QLatin1Char(',')) {
            fields << field;
            field.clear();
        } else if (ch == QLatin1Char('\n')) {
            fields << field;
            field.clear();
            for (int c = 0; c < fields.size() && c < 2; ++c)
                EXPECT_EQ(QString(fields[c]).replace(QStringLiteral("\n"), QStringLiteral("\r\n")), g.Cells(c + 1, row))
                    << row << "," << c;
            fields.clear();
            ++row;
        } else if (ch != QLatin1Char('\r')) {
            field += ch;
        }
    }
    EXPECT_EQ(row, g.RowCount());
}

}  // namespace

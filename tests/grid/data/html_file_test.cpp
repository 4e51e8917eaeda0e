// HTML files of the grid: header and footer lines around the document, every character
// kept in the ASCII and the Unicode file, appending, opening the written file, and the
// second opinions of tidy and xmllint.

#include "grid/core/string_grid.h"
#include "grid/data/data_test_files.h"
#include "grid/data/html_settings.h"
#include "platform/url_opener.h"

#include <QStringDecoder>
#include <QUrl>
#include <algorithm>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A small grid with what each golden case shows: a merged area, a link, a line break.
void FillGrid(TExStringGrid& g) {
    g.SetColCount(3);
    g.SetRowCount(4);
    g.SetURLShow(true);
    g.SetCells(0, 0, QStringLiteral("Name"));
    g.SetCells(1, 0, QStringLiteral("Wert €"));
    g.SetCells(2, 0, QStringLiteral("Link"));
    g.SetCells(1, 1, QStringLiteral("a < b & c"));
    g.SetCells(2, 1, QStringLiteral("http://example.org/x"));
    g.SetCells(0, 2, QStringLiteral("x\r\ny"));
    g.SetCells(1, 2, QStringLiteral("Ελληνικά"));
    g.MergeCells(1, 2, 2, 2);
}

TEST(HtmlFile, GoldenCasesAndTheirSecondOpinions) {
    struct Case {
        const char* Golden;
        bool Xhtml;
        bool Unicode;
        QList<int> Widths;
    };
    const Case cases[] = {
        {"defaults.html", false, false, {}},
        {"xhtml.html", true, false, {}},
        {"xhtml_unicode.html", true, true, {}},
        {"widths.html", false, false, {50, 80}},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Golden);
        TExStringGrid g(nullptr);
        FillGrid(g);
        g.HTMLSettings()->XHTML = c.Xhtml;
        for (int w : c.Widths) g.HTMLSettings()->ColWidths()->Add(w);
        const QString path = dir.filePath(QLatin1String(c.Golden));
        g.SaveToHTML(path, false, c.Unicode);
        EXPECT_EQ(ReadWholeFile(path), ReadWholeFile(DataGoldenPath(QStringLiteral("html"), QLatin1String(c.Golden))));
        if (!c.Unicode) {
            const QByteArray bytes = ReadWholeFile(path);
            EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char ch) { return uchar(ch) < 0x80; }));
            EXPECT_TRUE(bytes.contains("&#8364;")) << "the euro sign is kept as a reference";
        }
        if (HaveProgram("tidy") && !c.Unicode) {
            const auto [code, output] = RunProgram(QStringLiteral("tidy"), {QStringLiteral("-q"), QStringLiteral("-e"), path});
            EXPECT_LT(code, 2) << output.toStdString();
        }
        if (HaveProgram("xmllint") && c.Xhtml) {
            const auto [code, output] = RunProgram(QStringLiteral("xmllint"), {QStringLiteral("--noout"), QStringLiteral("--nonet"), path});
            EXPECT_EQ(code, 0) << output.toStdString();
            const auto [xpathCode, text] = RunProgram(QStringLiteral("xmllint"),
                {QStringLiteral("--nonet"), QStringLiteral("--xpath"),
                 QStringLiteral("string(//*[local-name()='td' and @rowspan])"), path});
            EXPECT_EQ(QString::fromUtf8(text).trimmed(), QStringLiteral("Ελληνικά"));
        }
    }
    if (!HaveProgram("tidy") || !HaveProgram("xmllint"))
        GTEST_SKIP() << "tidy or xmllint (libxml2-utils) is not installed: the second opinions were skipped";
}

TEST(HtmlFile, HeaderFooterAppendAndShow) {
    QTemporaryDir dir;
    const QString header = dir.filePath(QStringLiteral("header.txt"));
    const QString footer = dir.filePath(QStringLiteral("footer.txt"));
    WriteWholeFile(header, "<html><body>\r\n<h1>Title \xC3\xA9</h1>\r\n");
    WriteWholeFile(footer, "</body></html>\r\n");
    TExStringGrid g(nullptr);
    g.SetColCount(1);
    g.SetRowCount(1);
    g.SetCells(0, 0, QStringLiteral("cell"));
    g.HTMLSettings()->HeaderFile = header;
    g.HTMLSettings()->FooterFile = footer;
    QStringList opened;
    SetUrlOpener([&](const QString& url) { opened << url; });
    const QString path = dir.filePath(QStringLiteral("out.html"));
    g.SaveToHTML(path, false, true);
    g.HTMLSettings()->AutoPreview = true;
    g.AppendToHTML(path, false, true);
    SetUrlOpener({});
    const QByteArray bytes = ReadWholeFile(path);
    ASSERT_TRUE(bytes.startsWith("\xFF\xFE"));
    QStringDecoder utf16(QStringConverter::Utf16LE);
    const QString text = utf16(bytes.mid(2));
    EXPECT_TRUE(text.startsWith(QStringLiteral("<html><body>\r\n<h1>Title é</h1>\r\n<style")));
    EXPECT_EQ(text.count(QStringLiteral("<h1>Title é</h1>")), 2);
    EXPECT_EQ(text.count(QStringLiteral(">cell</td>")), 2);
    EXPECT_TRUE(text.endsWith(QStringLiteral("</body></html>\r\n")));
    EXPECT_EQ(opened, QStringList{QUrl::fromLocalFile(path).toString()});

    // A header file that cannot be read raises and leaves the file alone.
    g.HTMLSettings()->HeaderFile = dir.filePath(QStringLiteral("missing.txt"));
    EXPECT_THROW(g.SaveToHTML(path, false, false), Exception);
    EXPECT_EQ(ReadWholeFile(path), bytes);
}

}  // namespace

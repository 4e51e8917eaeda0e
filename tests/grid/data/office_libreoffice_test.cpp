// Our workbooks and documents as LibreOffice reads them, and a workbook LibreOffice made
// as we read it: each group starts LibreOffice as few times as it can (a start costs
// seconds), each run with its own profile. Skipped when soffice is missing.

#include "grid/core/string_grid.h"
#include "grid/data/data_test_files.h"
#include "grid/data/libreoffice_conversion.h"
#include "platform/format_settings.h"
#include "platform/string_list.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kAllSheetsToCsv = QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true,true,false,false,false,-1");

QStringList Cells(const TExStringGrid& g) {
    QStringList cells;
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < g.ColCount(); ++c) cells << g.Cells(c, r);
    return cells;
}

TEST(OfficeLibreOffice, WorkbooksGoBothWays) {
    if (!HaveLibreOffice()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    const TFormatSettings saved = FormatSettings();
    FormatSettings().DecimalSeparator = QLatin1Char(',');
    FormatSettings().ShortDateFormat = QStringLiteral("dd.MM.yyyy");
    QTemporaryDir dir;
    const QString profile = dir.filePath(QStringLiteral("profile"));

    // A workbook of two sheets that LibreOffice makes from a flat fixture.
    ASSERT_TRUE(ConvertWithLibreOffice({DataGoldenPath(QStringLiteral("office"), QStringLiteral("two_sheets.fods"))},
                                       {QStringLiteral("--convert-to"), QStringLiteral("xlsx")}, profile, dir.path()));
    const QString book = dir.filePath(QStringLiteral("two_sheets.xlsx"));
    TExStringGrid g(nullptr);
    EXPECT_EQ(g.GetXLSSheets(book)->Text(), QStringLiteral("Notes\nValues\n"));
    g.LoadFromXLSSheet(book, QStringLiteral("Values"));
    EXPECT_EQ(Cells(g), QStringList({"Name", "When", "Amount", "Pump", "05.03.2024", "1234,5"}));
    FormatSettings() = saved;

    // Its "Values" replaced by ours; and a grid of 800 columns, past "ZZ", with hard texts.
    g.SetCells(1, 1, QStringLiteral("changed, \"quoted\""));
    g.SaveToXLSSheet(book, QStringLiteral("Values"));
    TExStringGrid wide(nullptr);
    wide.SetColCount(800);
    wide.SetRowCount(3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 800; ++c) wide.SetCells(c, r, QStringLiteral("c%1r%2").arg(c).arg(r));
    const QStringList hard = {"a,b;c", "say \"hi\"", "two\nlines", "  leading", "", "Ελληνικά 中文 €", "&lt;", "tab\there"};
    for (int i = 0; i < hard.size(); ++i) wide.SetCells(i, 1, hard[i]);
    const QString widePath = dir.filePath(QStringLiteral("wide.xlsx"));
    wide.SaveToXLS(widePath);
    ASSERT_TRUE(ConvertWithLibreOffice({book, widePath}, {QStringLiteral("--convert-to"), kAllSheetsToCsv}, profile,
                                       dir.filePath(QStringLiteral("csv"))));

    // Each CSV file loaded into a grid as large as the one expected.
    const auto csv = [&](const char* Name, const TExStringGrid& Expected) {
        TExStringGrid back(nullptr);
        back.SetColCount(Expected.ColCount());
        back.SetRowCount(Expected.RowCount());
        back.LoadFromCSV(dir.filePath(QStringLiteral("csv/") + QLatin1String(Name)));
        EXPECT_EQ(back.ColCount(), Expected.ColCount()) << Name;
        EXPECT_EQ(Cells(back), Cells(Expected)) << Name;
    };
    TExStringGrid notes(nullptr);
    notes.SetColCount(1);
    notes.SetRowCount(1);
    notes.SetCells(0, 0, QStringLiteral("keep me"));
    csv("two_sheets-Notes.csv", notes);
    csv("two_sheets-Values.csv", g);
    csv("wide-Sheet1.csv", wide);
}

// The HTML's text with tags and blanks between them removed, entities resolved.
QString HtmlText(const QString& Html) {
    QString text = Html;
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<")).replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text.simplified();
}

TEST(OfficeLibreOffice, DocumentsHoldTheTableInOrderWithItsAlignment) {
    if (!HaveLibreOffice()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    QTemporaryDir dir;
    TExStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(2);
    const QStringList texts = {"Name", "Value", "Unit", "Pump & <valve>", "12,5", "bar"};
    for (int i = 0; i < texts.size(); ++i) g.SetCells(i % 3, i / 3, texts[i]);
    g.OnGetAlignment = [](TObject*, int, int ACol, TAlignment& HAlign, TVAlignment&) {
        if (ACol == 1) HAlign = taRightJustify;
        if (ACol == 2) HAlign = taCenter;
    };
    g.SaveToDOC(dir.filePath(QStringLiteral("new.docx")));
    // A document LibreOffice wrote, with a bookmark in its middle paragraph, gets the
    // table after it; one without the bookmark at its end.
    const QByteArray fodt =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><office:document "
        "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
        "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" office:version=\"1.2\" "
        "office:mimetype=\"application/vnd.oasis.opendocument.text\"><office:body><office:text>"
        "<text:p>Before</text:p><text:p>Mark<text:bookmark text:name=\"Here\"/></text:p><text:p>After</text:p>"
        "</office:text></office:body></office:document>";
    WriteWholeFile(dir.filePath(QStringLiteral("marked.fodt")), fodt);
    WriteWholeFile(dir.filePath(QStringLiteral("plain.fodt")), fodt);
    const QString profile = dir.filePath(QStringLiteral("profile"));
    ASSERT_TRUE(ConvertWithLibreOffice({dir.filePath(QStringLiteral("marked.fodt")), dir.filePath(QStringLiteral("plain.fodt"))},
                                       {QStringLiteral("--convert-to"), QStringLiteral("docx")}, profile, dir.path()));
    g.AppendToDoc(dir.filePath(QStringLiteral("marked.docx")), QStringLiteral("Here"));
    g.AppendToDoc(dir.filePath(QStringLiteral("plain.docx")), QStringLiteral("Here2"));
    ASSERT_TRUE(ConvertWithLibreOffice({dir.filePath(QStringLiteral("new.docx")), dir.filePath(QStringLiteral("marked.docx")),
                                        dir.filePath(QStringLiteral("plain.docx"))},
                                       {QStringLiteral("--convert-to"), QStringLiteral("html")}, profile,
                                       dir.filePath(QStringLiteral("html"))));
    const auto html = [&](const char* Name) {
        return QString::fromUtf8(ReadWholeFile(dir.filePath(QStringLiteral("html/") + QLatin1String(Name))));
    };
    const QString table = texts.join(QLatin1Char(' '));
    EXPECT_EQ(HtmlText(html("new.html")).section(QLatin1String("Name"), 1).prepend(QLatin1String("Name")).left(table.size()), table);
    EXPECT_TRUE(HtmlText(html("marked.html")).contains(QStringLiteral("Before Mark ") + table + QStringLiteral(" After")))
        << HtmlText(html("marked.html")).toStdString();
    EXPECT_TRUE(HtmlText(html("plain.html")).contains(QStringLiteral("Before Mark After ") + table))
        << HtmlText(html("plain.html")).toStdString();
    // The value column's cells are right-aligned, the unit's centred.
    const QString page = html("new.html");
    for (const auto& [text, align] : {std::pair{"12,5", "right"}, {"Value", "right"}, {"bar", "center"}, {"Unit", "center"}}) {
        const QRegularExpression cell(QStringLiteral("align=\"?%1\"?[^>]*>\\s*(<[^>]*>\\s*)*%2<").arg(QLatin1String(align), QLatin1String(text)),
                                      QRegularExpression::CaseInsensitiveOption);
        EXPECT_TRUE(cell.match(page).hasMatch()) << text << "\n" << page.toStdString();
    }
}

}  // namespace

// Workbooks and documents of the grid: texts that come back through a workbook, sheets
// of other producers read cell by cell, files that must change nothing, a sheet added to
// a workbook that keeps its other parts, and tables put into documents.

#include "grid/core/string_grid.h"
#include "grid/data/data_grid_fixture.h"
#include "grid/data/data_test_files.h"
#include "grid/data/spreadsheet_references.h"
#include "platform/file_errors.h"
#include "platform/format_settings.h"
#include "platform/string_list.h"
#include "platform/zip_archive.h"

#include <pugixml.hpp>

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList Snapshot(const TExStringGrid& g) {
    QStringList cells{QString::number(g.ColCount()), QString::number(g.RowCount()), QString::number(g.FixedCols()),
                      QString::number(g.FixedRows())};
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < g.ColCount(); ++c) cells << g.Cells(c, r);
    return cells;
}

// An archive of the given parts, as another producer would write it.
QByteArray Package(const std::vector<std::pair<QString, QByteArray>>& Parts) {
    TZipArchive archive;
    for (const auto& [name, data] : Parts) archive.Put(name, data);
    return archive.Finish();
}

const QByteArray kRootRels =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"R1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
    "Target=\"/xl/workbook.xml\"/></Relationships>";

// A workbook of two worksheets and a chart sheet, the second worksheet active, written
// with prefixes, shared strings and styles as other programs write them.
QByteArray ForeignWorkbook(const QByteArray& SecondSheetData) {
    const QByteArray ns = "xmlns:x=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"";
    return Package({
        {"[Content_Types].xml", "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>"},
        {"_rels/.rels", kRootRels},
        {"xl/workbook.xml",
         "<x:workbook " + ns +
             " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
             "<x:bookViews><x:workbookView activeTab=\"2\"/></x:bookViews><x:sheets>"
             "<x:sheet name=\"First\" sheetId=\"1\" r:id=\"a\"/><x:sheet name=\"Chart\" sheetId=\"2\" r:id=\"b\"/>"
             "<x:sheet name=\"Second\" sheetId=\"3\" r:id=\"c\"/></x:sheets></x:workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"a\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" Target=\"worksheets/one.xml\"/>"
         "<Relationship Id=\"b\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/chartsheet\" Target=\"chartsheets/c.xml\"/>"
         "<Relationship Id=\"c\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" Target=\"worksheets/two.xml\"/>"
         "<Relationship Id=\"s\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings\" Target=\"strings.xml\"/>"
         "<Relationship Id=\"t\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" Target=\"styles.xml\"/>"
         "<Relationship Id=\"k\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/calcChain\" Target=\"calcChain.xml\"/>"
         "</Relationships>"},
        {"xl/calcChain.xml", "<x:calcChain " + ns + "><x:c r=\"B4\" i=\"3\"/></x:calcChain>"},
        {"xl/strings.xml", "<x:sst " + ns +
                               "><x:si><x:t>plain</x:t></x:si><x:si><x:r><x:t xml:space=\"preserve\">rich </x:t></x:r>"
                               "<x:r><x:t>runs_x000D_</x:t></x:r><x:rPh><x:t>hint</x:t></x:rPh></x:si></x:sst>"},
        {"xl/styles.xml", "<x:styleSheet " + ns +
                              "><x:numFmts><x:numFmt numFmtId=\"170\" formatCode=\"dd/mm/yyyy\\ hh:mm\"/>"
                              "<x:numFmt numFmtId=\"171\" formatCode=\"&quot;d&quot;0.00\"/></x:numFmts>"
                              "<x:cellXfs><x:xf numFmtId=\"0\"/><x:xf numFmtId=\"14\"/><x:xf numFmtId=\"170\"/>"
                              "<x:xf numFmtId=\"171\"/><x:xf numFmtId=\"20\"/></x:cellXfs></x:styleSheet>"},
        // Part names are compared without regard to case.
        {"xl/Worksheets/One.xml", "<x:worksheet " + ns + "><x:sheetData><x:row r=\"1\"><x:c r=\"A1\" t=\"s\"><x:v>0</x:v></x:c></x:row></x:sheetData></x:worksheet>"},
        {"xl/worksheets/two.xml", "<x:worksheet " + ns + "><x:sheetData>" + SecondSheetData + "</x:sheetData></x:worksheet>"},
    });
}

class OfficeFiles : public ::testing::Test {
protected:
    OfficeFiles() : FSaved(FormatSettings()) {
        FormatSettings().DecimalSeparator = QLatin1Char(',');
        FormatSettings().ShortDateFormat = QStringLiteral("dd.MM.yyyy");
        FormatSettings().TimeSeparator = QLatin1Char(':');
    }
    ~OfficeFiles() override { FormatSettings() = FSaved; }

    QString Path(const char* Name) const { return FDir.filePath(QLatin1String(Name)); }

    QTemporaryDir FDir;
    TFormatSettings FSaved;
};

TEST(SpreadsheetReferences, ColumnLettersForEveryColumnAndReferencesBack) {
    const struct {
        int Number;
        const char* Letters;
    } columns[] = {{1, "A"}, {26, "Z"}, {27, "AA"}, {52, "AZ"}, {702, "ZZ"}, {703, "AAA"}, {16384, "XFD"}};
    for (const auto& c : columns) {
        EXPECT_EQ(ColumnLetters(c.Number), QLatin1String(c.Letters));
        int column = 0, row = 0;
        ASSERT_TRUE(ParseCellReference(QString(QLatin1String(c.Letters) + QStringLiteral("7")), column, row));
        EXPECT_EQ(column, c.Number);
        EXPECT_EQ(row, 7);
    }
    int column = 0, row = 0;
    EXPECT_TRUE(ParseCellReference(u"xfd1048576", column, row));
    for (const char* bad : {"XFE1", "A0", "A1048577", "1A", "", "A", "AAAAA1", "A1B", "A99999999999"})
        EXPECT_FALSE(ParseCellReference(QString::fromLatin1(bad), column, row)) << bad;
}

TEST_F(OfficeFiles, EveryTextComesBackThroughAWorkbook) {
    const QStringList texts = {"a,b;c", "say \"hi\"", "line1\r\nline2", "bare\nLF", "lone\rCR", "tab\there",
                               "  leading blanks", " ", "", "Ελληνικά Русский 中文 €ŒŸ 😀", "&lt;", "a&b x<y z>w",
                               "_x0041_ stays", QString(QChar(1)) + "control", QString(5000, QLatin1Char('x')), "=1+2"};
    TExStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(int(texts.size()) + 1);
    for (qsizetype i = 0; i < texts.size(); ++i) g.SetCells(1 + int(i % 2), 1 + int(i / 2), texts[i]);
    g.SetCells(2, g.RowCount() - 1, QStringLiteral("last"));
    g.SaveToXLS(Path("texts.xls"));
    TExStringGrid back(nullptr);
    back.LoadFromXLS(Path("texts.xls"));
    // A sheet keeps line breaks as line feeds.
    QStringList expected = Snapshot(g);
    expected.replaceInStrings(QStringLiteral("\r\n"), QStringLiteral("\n")).replaceInStrings(QStringLiteral("\r"), QStringLiteral("\n"));
    EXPECT_EQ(Snapshot(back), expected);
    EXPECT_EQ(back.GetXLSSheets(Path("texts.xls"))->Text(), QStringLiteral("Sheet1\n"));
}

TEST_F(OfficeFiles, SharedFixtureSavesItsShownCellsFromTheSaveRange) {
    DataGridFixture g;
    g.SetSaveFixedCells(false);
    g.SaveToXLS(Path("fixture.xlsx"));
    TExStringGrid back(nullptr);
    back.SetSaveFixedCells(true);
    back.LoadFromXLS(Path("fixture.xlsx"));
    ASSERT_EQ(back.ColCount(), g.ColCount() - g.SaveStartCol());
    ASSERT_EQ(back.RowCount(), g.RowCount() - g.SaveStartRow());
    for (int r = 0; r < back.RowCount(); ++r)
        for (int c = 0; c < back.ColCount(); ++c) {
            QString saved;
            g.SaveCell(RealCol(g.RealColIndex(c + g.SaveStartCol())), DisplRow(r + g.SaveStartRow()), saved);
            EXPECT_EQ(back.Cells(c, r), saved) << c << "," << r;
        }
}

TEST_F(OfficeFiles, ForeignSheetsReadValueByValueInTheirUsedRange) {
    // Used range B2:D4: a string, a formula's cached text, numbers, dates by their
    // formats, booleans, an error, cells without a reference of their own.
    const QByteArray data =
        "<x:row r=\"2\"><x:c r=\"B2\" t=\"s\"><x:v>1</x:v></x:c><x:c r=\"C2\"><x:v>1234.5</x:v></x:c>"
        "<x:c r=\"D2\" s=\"1\"><x:v>45356</x:v></x:c></x:row>"
        "<x:row r=\"3\"><x:c r=\"B3\" s=\"2\"><x:v>45356.75</x:v></x:c><x:c r=\"C3\" t=\"b\"><x:v>1</x:v></x:c>"
        "<x:c r=\"D3\" t=\"e\"><x:v>#DIV/0!</x:v></x:c></x:row>"
        "<x:row><x:c r=\"B4\" t=\"str\"><x:f>A1</x:f><x:v>formula</x:v></x:c><x:c s=\"3\"><x:v>-2.5E-7</x:v></x:c>"
        "<x:c s=\"4\"><x:v>0.5</x:v></x:c></x:row>";
    WriteWholeFile(Path("foreign.xlsx"), ForeignWorkbook(data));
    TExStringGrid g(nullptr);
    g.SetColCount(6);
    g.SetRowCount(6);
    g.SetSaveFixedCells(false);
    g.SetCells(3, 2, QStringLiteral("kept"));  // where the error value lands
    g.LoadFromXLS(Path("foreign.xlsx"));
    EXPECT_EQ(Snapshot(g), QStringList({"4", "4", "1", "1",
                                        "",  "",                "",          "",
                                        "",  "rich runs\r",     "1234,5",    "05.03.2024",
                                        "",  "05.03.2024 18:00:00", "True",  "kept",
                                        "",  "formula",         "-2,5e-07",  "12:00:00"}));
    EXPECT_EQ(g.GetXLSSheets(Path("foreign.xlsx"))->Text(), QStringLiteral("First\nSecond\n"));
    g.LoadFromXLSSheet(Path("foreign.xlsx"), QStringLiteral("First"));
    EXPECT_EQ(Snapshot(g), QStringList({"2", "2", "1", "1", "", "", "", "plain"}));
    // With the fixed cells saved, the range starts in the first cell; a sheet holding
    // one value loads it there.
    g.SetSaveFixedCells(true);
    WriteWholeFile(Path("one.xlsx"), ForeignWorkbook("<x:row r=\"5\"><x:c r=\"C5\"><x:v>7</x:v></x:c></x:row>"));
    g.LoadFromXLS(Path("one.xlsx"));
    EXPECT_EQ(Snapshot(g), QStringList({"1", "1", "0", "0", "7"}));
}

TEST_F(OfficeFiles, FilesThatCannotLoadChangeNothing) {
    const QByteArray legacy = QByteArray::fromHex("D0CF11E0A1B11AE1") + QByteArray(504, '\0');
    // 40 MB of blanks pack into some ten kilobytes.
    const QByteArray bomb = ForeignWorkbook("<x:row r=\"1\"><x:c r=\"A1\" t=\"inlineStr\"><x:is><x:t>" +
                                            QByteArray(40 << 20, ' ') + "</x:t></x:is></x:c></x:row>");
    const struct {
        const char* Name;
        QByteArray Bytes;
        QString Sheet;
        QString Error;
    } cases[] = {
        {"legacy binary workbook", legacy, "", "Incorrect XLS file"},
        {"text", "a,b\r\n", "", "Incorrect XLS file"},
        {"archive without a workbook", Package({{"a.txt", "x"}}), "", "Incorrect XLS file"},
        {"cut archive", ForeignWorkbook("").left(300), "", "Incorrect XLS file"},
        {"unpacks to too much", bomb, "", "Incorrect XLS file"},
        {"broken sheet", ForeignWorkbook("<x:row r=\"1\"><x:c r=\"A1\">"), "", "Incorrect XLS file"},
        {"reference past the sheet", ForeignWorkbook("<x:row r=\"1\"><x:c r=\"XFE1\"/></x:row>"), "", "Incorrect XLS file"},
        {"shared string missing", ForeignWorkbook("<x:row r=\"1\"><x:c r=\"A1\" t=\"s\"><x:v>9</x:v></x:c></x:row>"), "",
         "Incorrect XLS file"},
        {"no number", ForeignWorkbook("<x:row r=\"1\"><x:c r=\"A1\"><x:v>abc</x:v></x:c></x:row>"), "", "Incorrect XLS file"},
        {"the whole sheet", ForeignWorkbook("<x:row r=\"1\"><x:c r=\"A1\"><x:v>1</x:v></x:c></x:row>"
                                            "<x:row r=\"1048576\"><x:c r=\"XFD1048576\"><x:v>2</x:v></x:c></x:row>"),
         "", "The file holds more cells than a grid can take"},
        {"unknown sheet", ForeignWorkbook(""), "Third", "Excel worksheet Third not found"},
        {"chart sheet by name", ForeignWorkbook(""), "Chart", "Excel worksheet Chart not found"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        WriteWholeFile(Path("in.xlsx"), c.Bytes);
        TExStringGrid g(nullptr);
        g.SetColCount(3);
        g.SetRowCount(2);
        g.SetCells(1, 1, QStringLiteral("kept"));
        const QStringList before = Snapshot(g);
        try {
            c.Sheet.isEmpty() ? g.LoadFromXLS(Path("in.xlsx")) : g.LoadFromXLSSheet(Path("in.xlsx"), c.Sheet);
            ADD_FAILURE() << "no error";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.Error);
        }
        EXPECT_EQ(Snapshot(g), before);
    }
    TExStringGrid g(nullptr);
    EXPECT_THROW(g.LoadFromXLS(Path("missing.xlsx")), EFOpenError);
    EXPECT_THROW(g.GetXLSSheets(Path("missing.xlsx")), EFOpenError);
    // A single cell in the sheet's last corner is a range of one cell, which the fixed
    // ones are kept beside.
    WriteWholeFile(Path("corner.xlsx"), ForeignWorkbook("<x:row r=\"1048576\"><x:c r=\"XFD1048576\"><x:v>2</x:v></x:c></x:row>"));
    g.SetSaveFixedCells(false);
    g.LoadFromXLS(Path("corner.xlsx"));
    EXPECT_EQ(Snapshot(g), QStringList({"2", "2", "1", "1", "", "", "", "2"}));
}

TEST_F(OfficeFiles, DatabaseFilesAreRefusedBeforeAnythingChanges) {
    TExStringGrid g(nullptr);
    g.SetCells(1, 1, QStringLiteral("kept"));
    const QStringList before = Snapshot(g);
    for (const bool table : {true, false}) {
        try {
            table ? g.LoadFromMDBTable(Path("db.mdb"), QStringLiteral("T")) : g.LoadFromMDBSQL(Path("db.mdb"), QStringLiteral("SELECT 1"));
            ADD_FAILURE() << "no error";
        } catch (const EExGridError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("MDB database access is not supported on this platform"));
        }
    }
    EXPECT_EQ(Snapshot(g), before);
}

QByteArray PartOf(const QString& File, const QString& Part) {
    const TZipArchive archive(ReadWholeFile(File));
    return archive.Read(Part, 1 << 24);
}

TEST_F(OfficeFiles, ASheetIsAddedOrReplacedAndTheWorkbookKeepsItsOtherParts) {
    TExStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(2);
    g.SetCells(0, 0, QStringLiteral("one"));
    const QString book = Path("book.xlsx");
    g.SaveToXLSSheet(book, QStringLiteral("Data"));  // no file yet: a new workbook
    WriteWholeFile(book, ForeignWorkbook("<x:row r=\"1\"><x:c r=\"A1\"><x:v>5</x:v></x:c></x:row>"));
    const QByteArray first = PartOf(book, QStringLiteral("xl/worksheets/one.xml"));
    const QByteArray strings = PartOf(book, QStringLiteral("xl/strings.xml"));
    g.SaveToXLSSheet(book, QStringLiteral("Added"));
    EXPECT_TRUE(TZipArchive(ReadWholeFile(book)).Contains(QStringLiteral("xl/calcChain.xml")));
    g.SetCells(2, 1, QStringLiteral("C2"));
    g.SaveToXLSSheet(book, QStringLiteral("Second"));
    // The replaced sheet's formulas are gone, and so is the list of formula cells.
    EXPECT_FALSE(TZipArchive(ReadWholeFile(book)).Contains(QStringLiteral("xl/calcChain.xml")));
    EXPECT_FALSE(PartOf(book, QStringLiteral("xl/_rels/workbook.xml.rels")).contains("calcChain"));
    EXPECT_EQ(g.GetXLSSheets(book)->Text(), QStringLiteral("First\nSecond\nAdded\n"));
    EXPECT_EQ(PartOf(book, QStringLiteral("xl/worksheets/one.xml")), first);
    EXPECT_EQ(PartOf(book, QStringLiteral("xl/strings.xml")), strings);
    EXPECT_TRUE(PartOf(book, QStringLiteral("xl/worksheets/two.xml")).contains("<c r=\"C2\" t=\"inlineStr\"><is><t>C2</t>"));
    TExStringGrid back(nullptr);
    back.LoadFromXLSSheet(book, QStringLiteral("Added"));
    EXPECT_EQ(back.Cells(0, 0), QStringLiteral("one"));
    back.LoadFromXLS(book);  // the active sheet
    EXPECT_EQ(back.Cells(2, 1), QStringLiteral("C2"));

    // A file that holds no workbook, a bad name and a grid wider than a sheet: the file
    // stays as it was.
    const QString text = Path("notes.xlsx");
    WriteWholeFile(text, "not a workbook");
    EXPECT_THROW(g.SaveToXLSSheet(text, QStringLiteral("Data")), Exception);
    EXPECT_EQ(ReadWholeFile(text), QByteArray("not a workbook"));
    const QByteArray kept = ReadWholeFile(book);
    EXPECT_THROW(g.SaveToXLSSheet(book, QStringLiteral("a/b")), EExGridError);
    g.SetColCount(kSheetColumns + 1);
    EXPECT_THROW(g.SaveToXLSSheet(book, QStringLiteral("Data")), EExGridError);
    EXPECT_EQ(ReadWholeFile(book), kept);
    // A save that cannot write raises instead of ending as if it had.
    g.SetColCount(2);
    EXPECT_THROW(g.SaveToXLS(Path("no folder/book.xlsx")), EFCreateError);
    EXPECT_THROW(g.SaveToDOC(Path("no folder/doc.docx")), EFCreateError);
}

// The texts of a document's body: paragraphs as "p:" and their text, tables as rows of
// cells, each cell "text|alignment".
QStringList BodyOf(const QString& File) {
    const QByteArray xml = PartOf(File, QStringLiteral("word/document.xml"));
    pugi::xml_document doc;
    EXPECT_TRUE(doc.load_buffer(xml.constData(), std::size_t(xml.size()), pugi::parse_default | pugi::parse_ws_pcdata));
    struct Texts : pugi::xml_tree_walker {
        QString t;
        bool for_each(pugi::xml_node& n) override {
            const QLatin1String name(n.name());
            if (name == QLatin1String("w:t")) t += QString::fromUtf8(n.text().get());
            if (name == QLatin1String("w:br")) t += QLatin1Char('\n');
            if (name == QLatin1String("w:tab")) t += QLatin1Char('\t');
            return true;
        }
    };
    const auto text = [](pugi::xml_node p) {
        Texts walker;
        p.traverse(walker);
        return walker.t;
    };
    QStringList body;
    for (pugi::xml_node n = doc.document_element().child("w:body").first_child(); n; n = n.next_sibling()) {
        if (QLatin1String(n.name()) == QLatin1String("w:p")) body << QStringLiteral("p:") + text(n);
        if (QLatin1String(n.name()) == QLatin1String("w:tbl"))
            for (pugi::xml_node tr = n.child("w:tr"); tr; tr = tr.next_sibling("w:tr")) {
                QStringList row;
                for (pugi::xml_node tc = tr.child("w:tc"); tc; tc = tc.next_sibling("w:tc"))
                    row << text(tc) + QLatin1Char('|') +
                               QString::fromUtf8(tc.child("w:p").child("w:pPr").child("w:jc").attribute("w:val").value());
                body << row.join(QLatin1Char(';'));
            }
        if (QLatin1String(n.name()) == QLatin1String("w:sectPr")) body << QStringLiteral("sectPr");
    }
    return body;
}

void FillDocumentGrid(TExStringGrid& g) {
    g.SetColCount(3);
    g.SetRowCount(2);
    g.SetCells(0, 0, QStringLiteral("Name"));
    g.SetCells(1, 0, QStringLiteral("Value"));
    g.SetCells(2, 0, QStringLiteral("Unit"));
    g.SetCells(0, 1, QStringLiteral("two\nlines & <more>"));
    g.SetCells(1, 1, QStringLiteral("12,5"));
    g.SetCells(2, 1, QStringLiteral("Ω"));
    g.OnGetAlignment = [](TObject*, int, int ACol, TAlignment& HAlign, TVAlignment&) {
        if (ACol == 1) HAlign = taRightJustify;
        if (ACol == 2) HAlign = taCenter;
    };
    g.SetCaption(QStringLiteral("Rules"));
}

TEST_F(OfficeFiles, DocumentsGetTheTableWithItsAlignment) {
    TExStringGrid g(nullptr);
    FillDocumentGrid(g);
    g.SaveToDOC(Path("new.doc"));
    const QString header = QStringLiteral("Name|;Value|right;Unit|center");
    const QString row = QStringLiteral("two\nlines & <more>|;12,5|right;Ω|center");
    EXPECT_EQ(BodyOf(Path("new.doc")), QStringList({header, row, "p:Rules", "sectPr"}));

    const auto fixture = [&](const QByteArray& Body) {
        WriteWholeFile(Path("fixture.docx"),
                       Package({{"_rels/.rels",
                                 "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                                 "<Relationship Id=\"x\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                                 "relationships/officeDocument\" Target=\"word/document.xml\"/></Relationships>"},
                                {"word/document.xml",
                                 "<?xml version=\"1.0\"?>\n<w:document xmlns:w=\"http://schemas.openxmlformats.org/"
                                 "wordprocessingml/2006/main\"><w:body><w:p><w:r><w:t>Before</w:t></w:r></w:p>" +
                                     Body + "<w:p><w:r><w:t>After</w:t></w:r></w:p><w:sectPr/></w:body></w:document>"},
                                {"word/styles.xml", "<styles/>"}}));
    };
    const QByteArray marked = "<w:p><w:r><w:t>Mark</w:t></w:r><w:bookmarkStart w:id=\"0\" w:name=\"Here\"/>"
                              "<w:bookmarkEnd w:id=\"0\"/></w:p>";
    const QByteArray inTable = "<w:tbl><w:tr><w:tc><w:p><w:bookmarkStart w:id=\"0\" w:name=\"Here\"/></w:p></w:tc></w:tr></w:tbl>";
    const struct {
        const char* Name;
        QByteArray Body;
        QString Bookmark;
        QStringList Expected;
    } cases[] = {
        {"after the bookmark's paragraph", marked, "Here", {"p:Rules", "p:Before", "p:Mark", header, row, "p:After", "sectPr"}},
        {"a bookmark the document lacks", marked, "There",
         {"p:Rules", "p:Before", "p:Mark", "p:After", header, row, "p:", "sectPr"}},
        {"a bookmark inside a table", inTable, "Here", {"p:Rules", "p:Before", "|", "p:", header, row, "p:After", "sectPr"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        fixture(c.Body);
        const QByteArray styles = PartOf(Path("fixture.docx"), QStringLiteral("word/styles.xml"));
        g.AppendToDoc(Path("fixture.docx"), c.Bookmark);
        EXPECT_EQ(BodyOf(Path("fixture.docx")), c.Expected);
        EXPECT_EQ(PartOf(Path("fixture.docx"), QStringLiteral("word/styles.xml")), styles);
    }

    // Legacy and broken documents raise and stay as they were.
    const QByteArray legacy = QByteArray::fromHex("D0CF11E0A1B11AE1") + QByteArray(504, '\0');
    for (const QByteArray& bytes : {legacy, QByteArray("text"), Package({{"word/document.xml", "<w:document/>"}})}) {
        WriteWholeFile(Path("old.doc"), bytes);
        try {
            g.AppendToDoc(Path("old.doc"), QString());
            ADD_FAILURE() << "no error";
        } catch (const EExGridError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Incorrect DOC file"));
        }
        EXPECT_EQ(ReadWholeFile(Path("old.doc")), bytes);
    }
    EXPECT_THROW(g.AppendToDoc(Path("missing.docx"), QString()), EFOpenError);
}

}  // namespace

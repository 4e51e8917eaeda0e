// XML files of the grid: the written form against its golden file, round trips of hard
// texts in every encoding the writer knows (checked by xmllint too), the reading walk's
// cases, and files that must change nothing.

#include "grid/core/string_grid.h"
#include "grid/data/data_grid_fixture.h"
#include "grid/data/data_test_files.h"
#include "grid/data/grid_xml_reader.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList Snapshot(const TExStringGrid& g) {
    QStringList cells{QString::number(g.ColCount()), QString::number(g.RowCount())};
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < g.ColCount(); ++c) cells << g.Cells(c, r);
    return cells;
}

// Texts that break naive writers and readers.
QStringList HardTexts() {
    return {QStringLiteral("a,b;c"),
            QStringLiteral("say \"hi\""),
            QStringLiteral("line1\r\nline2"),
            QStringLiteral("bare\nLF"),
            QStringLiteral("lone\rCR"),
            QStringLiteral("tab\there"),
            QStringLiteral("  leading blanks"),
            QStringLiteral(" "),
            QString(),
            QStringLiteral("Ελληνικά Русский 中文 €ŒŸ 😀"),
            QStringLiteral("&lt;"),
            QStringLiteral("a&b x<y z>w"),
            QStringLiteral("$amp"),
            QString(5000, QLatin1Char('x'))};
}

TEST(GridXml, WritesTheGoldenFormAndReadsItBack) {
    TExStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetCells(0, 0, QStringLiteral("a&b"));
    g.SetCells(1, 0, QStringLiteral("x<y"));
    g.SetCells(0, 1, QStringLiteral("Ünïcödé €"));
    g.SetCells(2, 1, QStringLiteral("\"q\""));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("grid.xml"));
    g.SaveToXML(path, QStringLiteral("LIST"), QStringLiteral("ROW"), nullptr, true);
    EXPECT_EQ(ReadWholeFile(path), ReadWholeFile(DataGoldenPath(QStringLiteral("xml"), QStringLiteral("defaults.xml"))));

    TStringList names;
    names.Add(QStringLiteral("Name"));
    names.Add(QStringLiteral("Value"));
    g.SetXMLEncoding(QStringLiteral("UTF-8"));
    g.SaveToXML(path, QStringLiteral("LIST"), QStringLiteral("ROW"), &names, false);
    EXPECT_EQ(ReadWholeFile(path), ReadWholeFile(DataGoldenPath(QStringLiteral("xml"), QStringLiteral("field_names_no_empty_cells.xml"))));

    TExStringGrid back(nullptr);
    back.LoadFromXML(DataGoldenPath(QStringLiteral("xml"), QStringLiteral("defaults.xml")), false, false);
    EXPECT_EQ(Snapshot(back), Snapshot(g));
}

TEST(GridXml, EveryHardTextComesBackInEveryEncoding) {
    const QStringList texts = HardTexts();
    TExStringGrid g(nullptr);
    g.SetColCount(4);
    g.SetRowCount(int(texts.size()) / 2 + 2);
    for (qsizetype i = 0; i < texts.size(); ++i) g.SetCells(1 + int(i % 2), 1 + int(i / 2), texts[i]);
    g.SetCells(3, 0, QStringLiteral("header"));
    QTemporaryDir dir;
    for (const char* encoding : {"UTF-8", "UTF-16", "ISO-8859-1", "windows-1252", "US-ASCII"}) {
        SCOPED_TRACE(encoding);
        g.SetXMLEncoding(QString::fromLatin1(encoding));
        const QString path = dir.filePath(QStringLiteral("texts-%1.xml").arg(QLatin1String(encoding)));
        g.SaveToXML(path, QStringLiteral("LIST"), QStringLiteral("ROW"), nullptr, true);
        TExStringGrid back(nullptr);
        back.LoadFromXML(path, false, false);
        EXPECT_EQ(Snapshot(back), Snapshot(g));
        if (HaveProgram("xmllint")) {
            const auto [code, output] = RunProgram(QStringLiteral("xmllint"), {QStringLiteral("--noout"), QStringLiteral("--nonet"), path});
            EXPECT_EQ(code, 0) << output.toStdString();
            const auto [xpathCode, xpathOut] =
                RunProgram(QStringLiteral("xmllint"), {QStringLiteral("--nonet"), QStringLiteral("--xpath"), QStringLiteral("string(/LIST/ROW[6]/FIELD2)"), path});
            EXPECT_EQ(xpathCode, 0);
            EXPECT_EQ(QString::fromUtf8(xpathOut).trimmed(), texts[9]);
        }
    }
    if (!HaveProgram("xmllint")) GTEST_SKIP() << "xmllint (libxml2-utils) is not installed: the second opinion was skipped";
}

TEST(GridXml, SharedFixtureKeepsMergedAreaAndHiddenColumnOnRequest) {
    DataGridFixture g;
    g.SetSaveHiddenCells(true);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fixture.xml"));
    g.SaveToXML(path, QStringLiteral("LIST"), QStringLiteral("ROW"), nullptr, true);
    const QString text = QString::fromLatin1(ReadWholeFile(path));
    // The merged area's covered cell is written empty, keeping the row's places; the
    // hidden column comes last.
    const QString row2 = text.section(QStringLiteral("<ROW>"), 3, 3);
    EXPECT_TRUE(row2.contains(QStringLiteral("<FIELD3>&quot;&quot;</FIELD3>"))) << row2.toStdString();
    EXPECT_TRUE(row2.contains(QStringLiteral("<FIELD5>2,2</FIELD5>")));
}

TEST(GridXml, ReadingWalkCases) {
    struct Case {
        const char* Name;
        QByteArray Xml;
        bool LevelToRow;
        bool LoadFieldDescr;
        QStringList Expected;  // ColCount, RowCount, then the cells row by row
    };
    const Case cases[] = {
        {"single field record names row 0 after the record",
         "<L><REC><F>v</F></REC><REC><F>w</F></REC></L>", false, true, {"1", "3", "REC", "v", "w"}},
        {"empty element moves on without widening",
         "<L><R><A>1</A><B/><C>3</C></R></L>", false, false, {"3", "1", "1", "", "3"}},
        {"quoted empty is empty, blank leaf text kept, indentation dropped",
         "<L>\n  <R>\n    <A>\"\"</A>\n    <B> </B>\n  </R>\n</L>", false, false, {"2", "1", "", " "}},
        {"entities decoded once, old ampersand form still read",
         "<L><R><A>&amp;lt;</A><B>a$amp;b</B><C><![CDATA[<c>]]></C></R></L>", false, false, {"3", "1", "&lt;", "a&b", "<c>"}},
        {"levels to rows with attributes",
         "<L><G name=\"g1\"><I id=\"1\"/><I id=\"2\"/></G></L>", true, true,
         {"4", "4", "name", "id", "", "id", "g1", "", "", "", "", "1", "", "", "", "", "", "2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TExStringGrid g(nullptr);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("in.xml"));
        WriteWholeFile(path, c.Xml);
        g.LoadFromXML(path, c.LevelToRow, c.LoadFieldDescr);
        EXPECT_EQ(Snapshot(g), c.Expected);
    }
}

TEST(GridXml, FailedReadsChangeNothing) {
    struct Case {
        const char* Name;
        QByteArray Xml;
        QString Error;
    };
    QByteArray wide = "<L><R>";
    for (int i = 0; i < 17000; ++i) wide += "<F>x</F>";
    wide += "</R></L>";
    const Case cases[] = {
        {"mismatched end tag", "<?xml version=\"1.0\" ?>\r\n<L>\r\n<R>\r\n<A>1</B>\r\n</R></L>",
         "XMLDOM Parsing error 14 on line 4"},
        {"unclosed", "<L>\n<R>", "XMLDOM Parsing error 14 on line 2"},
        {"empty file", "", "XMLDOM Parsing error 16 on line 1"},
        {"bad attribute", "<L a=1/>", "XMLDOM Parsing error 12 on line 1"},
        {"wider than the grid may grow", wide, "The XML file would make the grid larger than 20000000 cells"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TExStringGrid g(nullptr);
        g.SetColCount(3);
        g.SetRowCount(2);
        g.SetCells(1, 1, QStringLiteral("kept"));
        const QStringList before = Snapshot(g);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("in.xml"));
        WriteWholeFile(path, c.Xml);
        try {
            g.LoadFromXML(path, false, false);
            ADD_FAILURE() << "no error";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.Error);
        }
        EXPECT_EQ(Snapshot(g), before);
    }
    TExStringGrid g(nullptr);
    EXPECT_THROW(g.LoadFromXML(QStringLiteral("/nonexistent/x.xml"), false, false), Exception);
}

TEST(GridXml, DeepNestingReadsWithoutRecursion) {
    QByteArray deep;
    constexpr int depth = 200000;
    for (int i = 0; i < depth; ++i) deep += "<a><b/>";
    for (int i = 0; i < depth; ++i) deep += "</a>";
    TXmlReadSettings settings;
    settings.LevelToRow = true;
    const TXmlReadCells cells = ReadXmlCells(deep, settings);
    EXPECT_GT(cells.MaxRow, depth / 2);
}

TEST(GridXml, UnknownEncodingOrBadNameRaisesBeforeWriting) {
    TExStringGrid g(nullptr);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.xml"));
    g.SetXMLEncoding(QStringLiteral("KOI8-R"));
    EXPECT_THROW(g.SaveToXML(path, QStringLiteral("LIST"), QStringLiteral("ROW"), nullptr, true), EExGridError);
    g.SetXMLEncoding(QStringLiteral("US-ASCII"));
    EXPECT_THROW(g.SaveToXML(path, QStringLiteral("A LIST"), QStringLiteral("ROW"), nullptr, true), EExGridError);
    EXPECT_THROW(g.SaveToXML(path, QStringLiteral("LISTÄ"), QStringLiteral("ROW"), nullptr, true), EExGridError);
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_THROW(g.SaveToXML(dir.filePath(QStringLiteral("no/such/dir.xml")), QStringLiteral("L"), QStringLiteral("R"), nullptr, true),
                 EExGridError);
}

TEST(GridXml, ProgressRisesToOneHundredOnce) {
    TExStringGrid g(nullptr);
    g.SetRowCount(301);
    QList<short> seen;
    g.OnFileProgress = [&](TObject*, short progress) { seen << progress; };
    QTemporaryDir dir;
    g.SaveToXML(dir.filePath(QStringLiteral("p.xml")), QStringLiteral("L"), QStringLiteral("R"), nullptr, true);
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.front(), 0);
    EXPECT_EQ(seen.back(), 100);
    for (qsizetype i = 1; i < seen.size(); ++i) EXPECT_GT(seen[i], seen[i - 1]);
}

}  // namespace

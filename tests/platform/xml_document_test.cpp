#include "platform/xml_document.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

TEST(XmlDocument, WritesNoDeclarationAndKeepsAttributeOrderAndComments) {
    TXMLDocument doc;
    TXMLNode root = doc.AddChild("Root");
    doc.AddComment("SW_VERSION = 1.709");
    TXMLNode row = root.AddChild("row");
    row.SetAttribute("z", "1");
    row.SetAttribute("a", "2");
    const QString xml = doc.SaveToString();
    EXPECT_FALSE(xml.startsWith("<?xml"));
    EXPECT_TRUE(xml.contains("<row z=\"1\" a=\"2\" />")) << xml.toStdString();
    EXPECT_TRUE(xml.contains("<!--SW_VERSION = 1.709-->"));
}

TEST(XmlDocument, MissingChildOrAttributeRaisesAndFindNodeDoesNot) {
    TXMLDocument doc;
    ASSERT_TRUE(doc.LoadFromString("<r><a x=\"1\">text</a></r>"));
    const TXMLNode root = doc.DocumentElement();
    EXPECT_EQ(root.ChildNodes("a").Text(), "text");
    EXPECT_EQ(root.ChildNodes("a").Attribute("x"), "1");
    EXPECT_THROW(root.ChildNodes("b"), EXMLError);
    EXPECT_THROW(root.ChildNodes("a").Attribute("y"), EXMLError);
    EXPECT_TRUE(root.FindNode("b").IsNull());
}

TEST(XmlDocument, FirstTopLevelNodeIsTheRootEvenWhenItIsAComment) {
    TXMLDocument doc;
    ASSERT_TRUE(doc.LoadFromString("<!-- note --><r/>"));
    EXPECT_TRUE(doc.DocumentElement().IsComment());
}

TEST(XmlDocument, BrokenOrMissingFilesLoadAsEmptyAndSavingReplacesWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath("f.xml");
    TXMLDocument doc;
    EXPECT_FALSE(doc.LoadFromFile(path));
    QFile broken(path);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("<r><unclosed></r>");
    broken.close();
    EXPECT_FALSE(doc.LoadFromFile(path));
    EXPECT_TRUE(doc.DocumentElement().IsNull());

    doc.AddChild("ok").SetText("\u00e8 & <");
    ASSERT_TRUE(doc.SaveToFile(path));
    TXMLDocument again;
    ASSERT_TRUE(again.LoadFromFile(path));
    EXPECT_EQ(again.DocumentElement().Text(), "\u00e8 & <");
    EXPECT_FALSE(doc.SaveToFile(dir.filePath("missing/folder/f.xml")));
}

TEST(XmlDocument, HostileDocumentsLoadSafely) {
    QTemporaryDir dir;
    const QString secret = dir.filePath("secret.txt");
    {
        QFile file(secret);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("SECRET");
    }
    // Entities are never expanded: a document that declares any, whether from another file
    // or of the exponential kind, is refused; so is one that names an entity of an
    // external subset that is never read.
    const QString entities =
        "<!DOCTYPE r [<!ENTITY xxe SYSTEM \"file://" + secret + "\">"
        "<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
        "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]>"
        "<r x=\"&d;\">&xxe;&d;&d;&d;</r>";
    TXMLDocument doc;
    for (const QString& text : {entities, QStringLiteral("<!DOCTYPE r [<!ENTITY a \"b\">]><r/>"),
                                "<!DOCTYPE r SYSTEM \"file://" + secret + "\"><r>&xxe;</r>"}) {
        EXPECT_FALSE(doc.LoadFromString(text)) << text.toStdString();
        EXPECT_TRUE(doc.DocumentElement().IsNull());
    }

    // Deep nesting is read and walked without running out of stack.
    const int depth = 200000;
    QString deep = QString("<a>").repeated(depth) + QString("</a>").repeated(depth);
    ASSERT_TRUE(doc.LoadFromString(deep));
    TXMLNode node = doc.DocumentElement();
    int levels = 0;
    for (; !node.IsNull(); node = node.FindNode("a")) ++levels;
    EXPECT_EQ(levels, depth);
    EXPECT_FALSE(doc.LoadFromString(deep.chopped(4)));
    EXPECT_TRUE(doc.DocumentElement().IsNull());

    // A file too large to be one of the program's is refused before it is read.
    const QString huge = dir.filePath("huge.xml");
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<r/>");  // what follows reads as the end of the text
        ASSERT_TRUE(file.resize(TXMLDocument::Max_File_Size + 1));  // sparse: takes no disk space
    }
    EXPECT_FALSE(doc.LoadFromFile(huge));
    EXPECT_TRUE(doc.DocumentElement().IsNull());
}

TEST(XmlDocument, TextJoinsTextAndCdataPartsAndRowsReadInOneWalk) {
    TXMLDocument doc;
    ASSERT_TRUE(doc.LoadFromString("<r><a>1.1<![CDATA[.2<&]]>0</a><b><![CDATA[x]]></b>"
                                   "<row B=\"2\" A=\"1\" C=\"\u00e8 &amp; &lt;\"/></r>"));
    const TXMLNode root = doc.DocumentElement();
    EXPECT_EQ(root.ChildNodes("a").Text(), "1.1.2<&0");
    EXPECT_EQ(root.ChildNodes("b").Text(), "x");
    EXPECT_EQ(root.NodeNameUtf8(), "r");

    const char* const names[] = {"A", "B", "C", "D"};
    std::optional<QString> values[4];
    values[3] = QStringLiteral("stale");
    root.ChildNodes("row").ReadAttributes(names, values);
    EXPECT_EQ(values[0], QStringLiteral("1"));
    EXPECT_EQ(values[1], QStringLiteral("2"));
    EXPECT_EQ(values[2], QString::fromUtf8("\u00e8 & <"));
    EXPECT_FALSE(values[3].has_value());
}

// Rows read one after the other into the same values: each gets its own texts, whether
// a text repeats the previous row's, grows, shrinks, turns empty, leaves ASCII or is missing.
TEST(XmlDocument, RowsReadInSequenceGetTheirOwnTexts) {
    TXMLDocument doc;
    ASSERT_TRUE(doc.LoadFromString(QString::fromUtf8(
        "<r><row A=\"Y\" B=\"No\" C=\"abc\"/><row A=\"Y\" B=\"N\" C=\"abcd\"/><row A=\"\" B=\"N\u00f6\" C=\"abc\"/>"
        "<row B=\"No\"/><row A=\"Y\" B=\"No\" C=\"Ab\"/></r>")));
    const char* const names[] = {"A", "B", "C"};
    const std::optional<QString> expected[][3] = {
        {QStringLiteral("Y"), QStringLiteral("No"), QStringLiteral("abc")},
        {QStringLiteral("Y"), QStringLiteral("N"), QStringLiteral("abcd")},
        {QString(), QString::fromUtf8("N\u00f6"), QStringLiteral("abc")},
        {std::nullopt, QStringLiteral("No"), std::nullopt},
        {QStringLiteral("Y"), QStringLiteral("No"), QStringLiteral("Ab")},
    };
    std::optional<QString> values[3];
    int r = 0;
    for (TXMLNode row = doc.DocumentElement().FindNode("row"); !row.IsNull(); row = row.NextSibling(), ++r) {
        ASSERT_LT(r, 5);
        row.ReadAttributes(names, values);
        for (int c = 0; c < 3; ++c) EXPECT_EQ(values[c], expected[r][c]) << "row " << r << " column " << c;
    }
    EXPECT_EQ(r, 5);
}

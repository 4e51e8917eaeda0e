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

#include "editors/rule_file_reader.h"
#include "test_support.h"

namespace {

class RuleFileReaderTest : public ProgramFolderTest {
protected:
    TRuleFile Open(const QByteArray& content) {
        WriteFile("rules.xml", content);
        return Open_Rule_File(Document, PathIn("rules.xml"));
    }
    TXMLDocument Document;
};

TEST_F(RuleFileReaderTest, TheRootIsTheFirstElementWhateverPrecedesIt) {
    const TRuleFile file = Open("<?xml version=\"1.0\"?>\n<!-- made by hand -->\n<SNMP_Trap><SNMP_Trap_Read/></SNMP_Trap>"
                                "<!--SW_VERSION = 1.000-->");
    ASSERT_TRUE(file.Loaded());
    EXPECT_EQ(file.Root.NodeName(), "SNMP_Trap");
    EXPECT_TRUE(file.Message.isEmpty());
    EXPECT_FALSE(Find_Rule_List(file.Root, "SNMP_Trap_Read").IsNull());
    EXPECT_TRUE(Find_Rule_List(file.Root, "SNMP_Trap_Write").IsNull());
}

TEST_F(RuleFileReaderTest, FilesThatCannotBeReadGiveAMessageNamingThem) {
    EXPECT_EQ(Open_Rule_File(Document, PathIn("none.xml")).State, TRuleFileState::Missing);
    EXPECT_TRUE(Open_Rule_File(Document, PathIn("none.xml")).Message.isEmpty());

    const TRuleFile broken = Open("<Root><row a=\"1\"></Root>");
    EXPECT_EQ(broken.State, TRuleFileState::NotWellFormed);
    EXPECT_TRUE(broken.Message.contains(PathIn("rules.xml"))) << broken.Message.toStdString();
    EXPECT_TRUE(broken.Message.contains("not well-formed"));

    const TRuleFile comments = Open("<?xml version=\"1.0\"?><!-- only a comment -->");
    EXPECT_EQ(comments.State, TRuleFileState::NotWellFormed);
    EXPECT_TRUE(comments.Message.contains(PathIn("rules.xml")));
}

TEST_F(RuleFileReaderTest, RowsTakeDefaultsAndStopAtAMissingRequiredAttribute) {
    const TRuleFile file = Open("<R><L><row A=\"1\" B=\" x \"/><!-- note --><other A=\"2\"/><row B=\"3\"/>"
                                "<row A=\"4\" B=\"4\"/></L></R>");
    ASSERT_TRUE(file.Loaded());
    const TXMLNode list = Find_Rule_List(file.Root, "L");
    // Every element child is a row, whatever its name; texts stay as they stand.
    const TRuleRows withDefaults = Read_Rule_List(list, {{"A", QString("?")}, {"B", QString()}}, 10, "f.xml", "L");
    ASSERT_EQ(withDefaults.Rows.size(), 4u);
    EXPECT_EQ(withDefaults.Rows[0], QStringList({"1", " x "}));
    EXPECT_EQ(withDefaults.Rows[1], QStringList({"2", ""}));
    EXPECT_EQ(withDefaults.Rows[2], QStringList({"?", "3"}));
    EXPECT_TRUE(withDefaults.Message.isEmpty());

    const TRuleRows strict = Read_Rule_List(list, {{"A", {}}, {"B", {}}}, 10, "f.xml", "L");
    ASSERT_EQ(strict.Rows.size(), 1u);
    EXPECT_EQ(strict.Message, "Row 2 of the list \"L\" in the file \"f.xml\" lacks the attribute \"B\".");

    const TRuleRows limited = Read_Rule_List(list, {{"A", QString()}}, 3, "f.xml", "L");
    EXPECT_EQ(limited.Rows.size(), 3u);
    EXPECT_EQ(limited.Rows_Left_Out, 1);
    EXPECT_EQ(limited.Message, "The list \"L\" in the file \"f.xml\" holds 4 rows; only the first 3 are read.");

    const TRuleRows missing = Read_Rule_List(TXMLNode(), {{"A", QString()}}, 3, "f.xml", "M");
    EXPECT_TRUE(missing.Rows.empty());
    EXPECT_EQ(missing.Message, "The file \"f.xml\" has no list \"M\".");
}

}  // namespace

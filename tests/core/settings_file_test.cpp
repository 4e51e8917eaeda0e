#include "core/program_state.h"
#include "core/settings_file.h"
#include "core/text_table.h"
#include "platform/xml_document.h"

#include "test_support.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>

class SettingsFileTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        Set_Program_Folders(ProgramDir());
    }
    void Read(const QByteArray& content) {
        WriteFile("Vastrelon.xml", content);
        TXMLDocument xml;
        Read_Settings(xml);
    }
};

TEST_F(SettingsFileTest, MissingOrBrokenFileGivesDefaults) {
    for (const QByteArray& content : {QByteArray(), QByteArray("<Conf_Settings><lastproj>"),
                                      QByteArray("<!-- c --><Conf_Settings><lastlang><language>X</language></lastlang></Conf_Settings>"),
                                      QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR<Conf_Settings>", 24)}) {
        Project_Name = "stale";
        Enable_Internet = true;
        if (content.isEmpty()) {
            TXMLDocument xml;
            Read_Settings(xml);
        } else {
            Read(content);
        }
        EXPECT_EQ(Project_Name, "");
        EXPECT_EQ(Last_IP_Address, "192.168.2.205");
        EXPECT_EQ(Language_Name, "English");
        EXPECT_FALSE(Enable_Internet);
    }
}

TEST_F(SettingsFileTest, APipeOrDeviceInPlaceOfTheFileGivesDefaultsWithoutBlocking) {
    // Reading either would never end: a pipe without a writer blocks, /dev/zero has no end.
    ASSERT_EQ(::mkfifo(QFile::encodeName(PathIn("Vastrelon.xml")).constData(), 0600), 0);
    ASSERT_TRUE(QDir().mkpath(PathIn("LANGUAGE")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), PathIn("LANGUAGE/Zero.lng")));
    Project_Name = "stale";
    TXMLDocument xml;
    Read_Settings(xml);
    EXPECT_EQ(Project_Name, "");
    EXPECT_EQ(Language_Name, "English");

    Language_Name = "Zero";
    Init_Language();
    EXPECT_EQ(Language_Name, "English");
    EXPECT_EQ(LangText(0), "Begin");
}

TEST_F(SettingsFileTest, EachValueFallsBackOnItsOwn) {
    Read("<Conf_Settings><lastproj><projectname>Plant</projectname></lastproj>"
         "<lastipadd><ipaddress><b>10.0.0.9</b></ipaddress></lastipadd>"
         "<lastlang><language></language></lastlang>"
         "<lastinternet><enable_internet>1</enable_internet><enable_update>true</enable_update>"
         "<Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastinternet></Conf_Settings>");
    EXPECT_EQ(Project_Name, "Plant");
    EXPECT_EQ(Last_IP_Address, "192.168.2.205");  // no single text to read
    EXPECT_EQ(Language_Name, "");                 // present but empty: not the default
    EXPECT_TRUE(Enable_Internet);
    EXPECT_FALSE(Enable_Update);  // only "1" counts
    EXPECT_FALSE(Enable_Jump_Field);
    EXPECT_TRUE(Enable_Auto_Size);

    Read("<Conf_Settings><lastipadd><ipaddress>10.0.0.9</ipaddress></lastipadd></Conf_Settings>");
    EXPECT_EQ(Last_IP_Address, "10.0.0.9");
    EXPECT_FALSE(Enable_Internet);
}

TEST_F(SettingsFileTest, WriterProducesTheDocumentTheReaderReads) {
    Project_Name = "Sala \u00e8 & <B>";
    Last_IP_Address = "10.1.2.3";
    Language_Name = "Italiano";
    Enable_Internet = true;
    Enable_Jump_Field = true;
    Update_Option = 2;
    TXMLDocument xml;
    ASSERT_TRUE(Write_Settings(xml));
    const QByteArray written = ReadFile("Vastrelon.xml");
    EXPECT_TRUE(written.startsWith("<Conf_Settings>")) << written.toStdString();
    const int order[] = {int(written.indexOf("<lastproj>")), int(written.indexOf("<lastipadd>")),
                         int(written.indexOf("<lastlang>")), int(written.indexOf("<enable_internet>1")),
                         int(written.indexOf("<enable_update>0")), int(written.indexOf("<enable_jump_field_tables>1")),
                         int(written.indexOf("<Double_Click_Auto_Size>0"))};
    for (std::size_t i = 1; i < std::size(order); ++i) EXPECT_LT(order[i - 1], order[i]) << i;
    EXPECT_FALSE(written.contains("Update_Option"));

    Reset_Program_State();
    Set_Program_Folders(ProgramDir());
    Read_Settings(xml);
    EXPECT_EQ(Project_Name, "Sala \u00e8 & <B>");
    EXPECT_EQ(Last_IP_Address, "10.1.2.3");
    EXPECT_EQ(Language_Name, "Italiano");
    EXPECT_TRUE(Enable_Internet);
    EXPECT_TRUE(Enable_Jump_Field);
    EXPECT_FALSE(Enable_Update);
}

TEST_F(SettingsFileTest, ConfigurationPathsAreEmptyWithoutAConfiguration) {
    Project_Folder.clear();
    Build_Configuration_Paths();
    for (const ConfigurationFile& file : Configuration_Files()) EXPECT_TRUE(file.path->isEmpty()) << file.fileName;
    Project_Folder = PathIn("PROJECTS/A");
    Build_Configuration_Paths();
    EXPECT_EQ(File_ParGen, PathIn("PROJECTS/A/ParGen.xml"));
    EXPECT_EQ(File_SNMP_Manager, PathIn("PROJECTS/A/SNMP_Manager.xml"));
    EXPECT_EQ(Configuration_Files().size(), 15u);
}

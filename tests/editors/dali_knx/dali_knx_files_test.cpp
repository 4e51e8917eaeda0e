// The three files of the DALI and KNX editors read into cell tables and written back:
// golden folders, hostile files, and agreement with the compiler.

#include "editors/dali_knx/dali_access_file.h"
#include "editors/dali_knx/knx_access_file.h"
#include "editors/golden_files.h"

#include "config/configuration_compiler.h"
#include "config/rule_cell_rules.h"
#include "platform/file_system.h"
#include "platform/xml_quick_check.h"
#include "editors/configuration_fixture.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <cstring>

namespace {

QString Golden(const QString& relative) { return QStringLiteral(DALI_KNX_GOLDEN_FOLDER "/") + relative; }

class DALIKNXFilesTest : public ConfigurationFixture {
protected:
    // Loads the three files of a folder and saves them unchanged into the configuration.
    void Load_And_Save(const QString& folder) {
        const TDALIAccessLoad dali = Read_DALI_Access_File(folder + "/DALI_Access.xml", TDALIOptionDefaults{});
        const TDALI2AccessLoad dali2 = Read_DALI2_Access_File(folder + "/DALI2_Access.xml");
        const TKNXAccessLoad knx = Read_KNX_Access_File(folder + "/KNX_SetAccess.xml");
        for (const TRuleFileProblem* problem : {&dali.Problem, &dali2.Problem, &knx.Problem})
            EXPECT_TRUE(problem->Ok()) << problem->Message.toStdString();
        ASSERT_TRUE(Save_DALI_Access_Files(File_DALI_Access, File_DALI2_Access, dali.Tables, dali2.Tables).Ok);
        ASSERT_TRUE(Save_KNX_Access_File(File_KNX_SetAccess, knx.Rules));
    }
};

// A realistic configuration, with texts holding "<", "&", quotes, outer blanks and
// letters beyond ASCII, reads and writes back byte for byte; every file is well-formed
// for an independent parser, and the quick pass vouches for it (no file the editors
// write waits for the full parser).
TEST_F(DALIKNXFilesTest, GoldenConfigurationRoundTripsByteForByte) {
    for (const char* name : {"realistic", "special_texts"}) {
        const QString folder = Golden(QString::fromUtf8(name));
        ASSERT_TRUE(QFileInfo::exists(folder + "/KNX_SetAccess.xml")) << name;
        Load_And_Save(folder);
        for (const QString& file : {QStringLiteral("DALI_Access.xml"), QStringLiteral("DALI2_Access.xml"),
                                    QStringLiteral("KNX_SetAccess.xml")}) {
            const QString written = PathIn("PROJECTS/Plant/" + file);
            EXPECT_EQ(Read_Whole_File(written), Read_Whole_File(folder + "/" + file)) << name << " " << file.toStdString();
            EXPECT_TRUE(Passes_Xmllint(written));
            const QByteArray bytes = Read_Whole_File(written);
            EXPECT_EQ(Quick_Xml_Check(bytes.constData(), std::size_t(bytes.size())), TXmlQuickVerdict::Well_Formed)
                << name << " " << file.toStdString();
        }
    }
}

// What the tables show of the special texts: every character as typed.
TEST_F(DALIKNXFilesTest, SpecialTextsReadAsTyped) {
    const TKNXAccessLoad knx = Read_KNX_Access_File(Golden("special_texts/KNX_SetAccess.xml"));
    ASSERT_EQ(knx.Rules.size(), 2u);
    EXPECT_EQ(knx.Rules[0][KNX_Mnemonic], QString::fromUtf8(" <Küche> & \"Licht\" 'Flur' "));
    EXPECT_EQ(knx.Rules[1][KNX_Source_Address], QString::fromUtf8(" 1.1.2 "));
    const TDALI2AccessLoad dali2 = Read_DALI2_Access_File(Golden("special_texts/DALI2_Access.xml"));
    ASSERT_EQ(dali2.Tables.Functions.size(), 1u);
    EXPECT_EQ(dali2.Tables.Functions[0][Fun_Mnemonic], QString::fromUtf8("Größe < 5 & > 2"));
}

// A file without any configuration: the tables reset, and saving writes the layout the
// compiler and the editors expect: 307 DALI elements, two empty DALI-2 lists, an empty KNX list.
TEST_F(DALIKNXFilesTest, NoFilesSaveEmptyTables) {
    const TDALIAccessLoad dali = Read_DALI_Access_File(File_DALI_Access, Read_DALI_Option_Defaults(File_ParGen));
    EXPECT_TRUE(dali.Problem.Ok());
    ASSERT_EQ(dali.Tables.Devices.size(), 64u);
    ASSERT_EQ(dali.Tables.Groups.size(), 17u);
    EXPECT_EQ(dali.Tables.Devices[5], (QStringList{"N", "", "Normal", "N", "None"}));
    EXPECT_EQ(dali.Tables.Groups[16], (QStringList{"Normal", "N", "None"}));
    ASSERT_TRUE(Save_DALI_Access_Files(File_DALI_Access, File_DALI2_Access, dali.Tables, {}).Ok);
    ASSERT_TRUE(Save_KNX_Access_File(File_KNX_SetAccess, {}));
    TXMLDocument document;
    ASSERT_TRUE(document.LoadFromFile(File_DALI_Access));
    EXPECT_EQ(document.DocumentElement().ChildCount(), 307);
    EXPECT_EQ(document.DocumentElement().Child(306).NodeName(), "DALI_GROUP_16_RECALL_LEVEL");
    EXPECT_EQ(document.DocumentElement().Child(2).NodeName(), "DALI_ID_DEVICE_0_MIN_MAN_VALUE");
    EXPECT_TRUE(document.Child(1).IsComment());
    EXPECT_EQ(Read_Whole_File(File_DALI2_Access),
              "<DALI2_Access>\n  <DALI2_Functions_Rules />\n  <DALI2_SetAccess_Rules />\n</DALI2_Access>\n"
              "<!--SW_VERSION = 1.709-->\n");
    EXPECT_EQ(Read_Whole_File(File_KNX_SetAccess),
              "<BACnet_to_KNX>\n  <KNX_in_Write />\n</BACnet_to_KNX>\n<!--SW_VERSION = 1.709-->\n");
    for (const QString& file : {File_DALI_Access, File_DALI2_Access, File_KNX_SetAccess}) EXPECT_TRUE(Passes_Xmllint(file));
}

// The four ParGen.xml flags give every row its options before the file applies; a device
// element other than "1" reads as off, option texts outside the lists as the first item.
TEST_F(DALIKNXFilesTest, DALIDeviceOptionsAndTheirDefaults) {
    WriteFile("PROJECTS/Plant/ParGen.xml", "<Par_Gen><DALI_DIMMING_MODE>1</DALI_DIMMING_MODE>"
                                           "<DALI_ALLOW_MINMAX_VALUES>1</DALI_ALLOW_MINMAX_VALUES>"
                                           "<DALI_RECALL_MINMAX_LEVEL>1</DALI_RECALL_MINMAX_LEVEL>"
                                           "<DALI_RECALL_OLDVALUES_LEVEL>1</DALI_RECALL_OLDVALUES_LEVEL></Par_Gen>");
    WriteFile("PROJECTS/Plant/DALI_Access.xml",
              "<DALI_Access><DALI_ID_DEVICE_5>Y</DALI_ID_DEVICE_5><DALI_ID_DEVICE_6>1</DALI_ID_DEVICE_6>"
              "<DALI_ID_DEVICE_5_RECALL_LEVEL>Recall Everything</DALI_ID_DEVICE_5_RECALL_LEVEL>"
              "<DALI_ID_DEVICE_6_DIMMING_MODE>start break</DALI_ID_DEVICE_6_DIMMING_MODE>"
              "<DALI_ID_DEVICE_06_MIN_MAN_VALUE>0</DALI_ID_DEVICE_06_MIN_MAN_VALUE>"
              "<DALI_GROUP_16_MIN_MAN_VALUE>0</DALI_GROUP_16_MIN_MAN_VALUE>"
              "<DALI_GROUP_3_RECALL_LEVEL><![CDATA[Recall Min-Max]]> Level for Switch</DALI_GROUP_3_RECALL_LEVEL>"
              "</DALI_Access>");
    const TDALIAccessLoad dali = Read_DALI_Access_File(File_DALI_Access, Read_DALI_Option_Defaults(File_ParGen));
    EXPECT_TRUE(dali.Problem.Ok()) << dali.Problem.Message.toStdString();
    const QString old_value = QStringLiteral("Recall Old Value Level for Switch");
    EXPECT_EQ(dali.Tables.Devices[0], (QStringList{"N", "", "Start Break", "Y", old_value}));
    EXPECT_EQ(dali.Tables.Devices[5], (QStringList{"N", "", "Start Break", "Y", "None"}));
    EXPECT_EQ(dali.Tables.Devices[6], (QStringList{"Y", "", "Normal", "Y", old_value}));  // "06" is no name of device 6
    EXPECT_EQ(dali.Tables.Groups[16], (QStringList{"Start Break", "N", old_value}));
    EXPECT_EQ(dali.Tables.Groups[3][Group_Recall_Level], "Recall Min-Max Level for Switch");
}

// Each case of a file the editors cannot show or save whole: the message names the file
// and what is wrong, the tables show what could be read, and the count of rows that
// saving would drop is told; the file itself stays as it was.
TEST_F(DALIKNXFilesTest, HostileFilesAreReportedWithWhatCouldBeRead) {
    const auto knx_row = [](const QByteArray& source, const QByteArray& extra = "") {
        return "<row Enable=\"Y\" Source_Address=\"" + source + "\" Destination_Address=\"1/2/3\" APCI=\"Write\" "
               "Extended=\"N\" ReTest=\"N\" On_Change=\"N\" Poll_Time=\"\" Position=\"0\" Bit_Mode=\"No\" Length=\"1\" "
               "Mnemonic=\"m\" " + extra + "/>";
    };
    const auto knx_file = [](const QByteArray& rows) {
        return "<BACnet_to_KNX><KNX_in_Write>" + rows + "</KNX_in_Write></BACnet_to_KNX><!--SW_VERSION = 1.709-->";
    };
    QByteArray many_knx, many_inputs, many_functions;
    for (int i = 0; i < 1030; ++i) many_knx += knx_row("1.1." + QByteArray::number(i % 200));
    for (int i = 0; i < 260; ++i) many_inputs += "<row Enable=\"Y\" DeviceSensor=\"Device\" Type=\"Dimmer\"/>";
    for (int i = 0; i < 252; ++i) many_functions += "<row Function=\"Toggle\"/>";
    QByteArray too_large = "<BACnet_to_KNX><KNX_in_Write>";
    too_large += QByteArray(int(TXMLDocument::Max_File_Size), ' ');
    too_large += "</KNX_in_Write></BACnet_to_KNX>";

    struct Case {
        const char* name;
        const char* file;
        QByteArray xml;
        const char* message;  // a part of the message
        int shown;            // rows shown (KNX rules, set-access rows or functions)
        int lost;             // rows saving would drop
        bool whole_file;
    };
    const Case cases[] = {
        {"not well-formed", "KNX_SetAccess.xml", "<BACnet_to_KNX><KNX_in_Write>", "is not well-formed XML", 0, 0, true},
        {"too large", "KNX_SetAccess.xml", too_large, "is too large", 0, 0, true},
        {"comment first", "KNX_SetAccess.xml", "<!-- hand made -->" + knx_file(knx_row("1.1.1")),
         "does not begin with its root element \"BACnet_to_KNX\"", 0, 0, true},
        {"no list", "KNX_SetAccess.xml", "<BACnet_to_KNX><KNX_in_Read/></BACnet_to_KNX>", "has no list \"KNX_in_Write\"", 0, 0, false},
        {"missing attribute", "KNX_SetAccess.xml",
         knx_file(knx_row("1.1.1") + knx_row("1.1.2") + "<row Enable=\"Y\" Source_Address=\"1.1.3\"/>" + knx_row("1.1.4")),
         "Row 3 of the list \"KNX_in_Write\" in the file", 2, 2, false},
        {"too many KNX rows", "KNX_SetAccess.xml", knx_file(many_knx), "holds more rows than the table (1024)", 1024, 6, false},
        {"blank source address", "KNX_SetAccess.xml",
         knx_file(knx_row("1.1.1") + knx_row(" ") + knx_row("1.1.3") + "<other/>" + knx_row("1.1.4")),
         "Row 2 of the list \"KNX_in_Write\"", 4, 3, false},
        {"junk values", "KNX_SetAccess.xml", knx_file(knx_row("\xC3\xA9\x01") + knx_row("1.1.1", "Priority=\"&#x1F600;\"")),
         "is not well-formed XML", 0, 0, true},
        {"DALI-2 without root", "DALI2_Access.xml", "<DALI_Access/>", "has no root element \"DALI2_Access\"", 0, 0, true},
        {"DALI-2 without a list", "DALI2_Access.xml",
         "<!-- first --><DALI2_Access><DALI2_SetAccess_Rules><row Enable=\"Y\" DeviceSensor=\"Device\"/>"
         "</DALI2_SetAccess_Rules></DALI2_Access>",
         "has no list \"DALI2_Functions_Rules\"", 1, 0, false},
        {"too many inputs", "DALI2_Access.xml",
         "<DALI2_Access><DALI2_Functions_Rules/><DALI2_SetAccess_Rules>" + many_inputs +
             "</DALI2_SetAccess_Rules></DALI2_Access>",
         "holds more rows than the table (256)", 256, 4, false},
        {"too many functions", "DALI2_Access.xml",
         "<DALI2_Access><DALI2_Functions_Rules>" + many_functions +
             "</DALI2_Functions_Rules><DALI2_SetAccess_Rules/></DALI2_Access>",
         "holds more rows than the table (250)", 250, 2, false},
        {"blank Dev/Sen", "DALI2_Access.xml",
         "<DALI2_Access><DALI2_Functions_Rules/><DALI2_SetAccess_Rules><row DeviceSensor=\"Device\"/><row/>"
         "<row DeviceSensor=\"Sensor\"/></DALI2_SetAccess_Rules></DALI2_Access>",
         "has an empty Dev/Sen", 3, 2, false},
        {"blank Function", "DALI2_Access.xml",
         "<DALI2_Access><DALI2_Functions_Rules><row Function=\" \"/><row Function=\"Toggle\"/></DALI2_Functions_Rules>"
         "<DALI2_SetAccess_Rules/></DALI2_Access>",
         "Row 1 of the list \"DALI2_Functions_Rules\" in the file", 2, 2, false},
        {"DALI not well-formed", "DALI_Access.xml", "<DALI_Access><DALI_ID_DEVICE_0>1</DALI_Access>", "is not well-formed XML",
         0, 0, true},
        {"DALI comment first", "DALI_Access.xml", "<!-- x --><DALI_Access/>", "does not begin with its root element", 0, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = PathIn(QStringLiteral("PROJECTS/Plant/") + c.file);
        WriteFile(QStringLiteral("PROJECTS/Plant/") + c.file, c.xml);
        TRuleFileProblem problem;
        int shown = 0;
        if (std::strcmp(c.file, "KNX_SetAccess.xml") == 0) {
            const TKNXAccessLoad load = Read_KNX_Access_File(path);
            problem = load.Problem;
            shown = int(load.Rules.size());
        } else if (std::strcmp(c.file, "DALI2_Access.xml") == 0) {
            const TDALI2AccessLoad load = Read_DALI2_Access_File(path);
            problem = load.Problem;
            shown = int(std::max(load.Tables.Functions.size(), load.Tables.Set_Access.size()));
        } else {
            const TDALIAccessLoad load = Read_DALI_Access_File(path, {});
            problem = load.Problem;
            EXPECT_EQ(load.Tables.Devices.size(), 64u);  // the defaults stand
        }
        EXPECT_TRUE(problem.Message.contains(QString::fromUtf8(c.message))) << problem.Message.toStdString();
        EXPECT_TRUE(problem.Message.contains(path)) << problem.Message.toStdString();
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(problem.Rows_Lost, c.lost);
        EXPECT_EQ(problem.Whole_File, c.whole_file);
        EXPECT_EQ(Read_Whole_File(path), c.xml);
    }
}

// Loading shows a flag as "Y" where the compiler counts it on, a Priority outside the
// four names as "Normal", and the defaults of missing optional attributes.
TEST_F(DALIKNXFilesTest, KNXCellsShowWhatTheCompilerReads) {
    WriteFile("PROJECTS/Plant/KNX_SetAccess.xml",
              "<BACnet_to_KNX><KNX_in_Write><row Enable=\" y \" Source_Address=\"1.1.1\" Destination_Address=\"1/2/3\" "
              "APCI=\"read\" Priority=\"low\" Extended=\"y\" ReTest=\" Y\" On_Change=\"n\" On_Timer=\"y\" Poll_Time=\"5\" "
              "Position=\"3\" Bit_Mode=\"No\" Length=\"1\" Mnemonic=\"\"/></KNX_in_Write></BACnet_to_KNX>");
    const TKNXAccessLoad knx = Read_KNX_Access_File(File_KNX_SetAccess);
    ASSERT_TRUE(knx.Problem.Ok()) << knx.Problem.Message.toStdString();
    ASSERT_EQ(knx.Rules.size(), 1u);
    EXPECT_EQ(knx.Rules[0], (QStringList{"Y", "1.1.1", "1/2/3", "read", "Normal", "None", "", "Y", " Y", "N", "n", "Y", "5",
                                         "3", "No", "1", "0", ""}));
    // DALI-2: ticked only where the compiler takes the rule.
    WriteFile("PROJECTS/Plant/DALI2_Access.xml",
              "<DALI2_Access><DALI2_Functions_Rules/><DALI2_SetAccess_Rules><row Enable=\"y\" DeviceSensor=\"Device\"/>"
              "<row DeviceSensor=\"Device\"/><row Enable=\"Y\" DeviceSensor=\"Sensor\" Type=\"Push Button\"/>"
              "</DALI2_SetAccess_Rules></DALI2_Access>");
    const TDALI2AccessLoad dali2 = Read_DALI2_Access_File(File_DALI2_Access);
    ASSERT_EQ(dali2.Tables.Set_Access.size(), 3u);
    EXPECT_EQ(dali2.Tables.Set_Access[0][Set_Enable], "N");
    EXPECT_EQ(dali2.Tables.Set_Access[1][Set_Enable], "N");
    EXPECT_EQ(dali2.Tables.Set_Access[2], (QStringList{"Y", "Sensor", "Push Button", "", "", "", "", "", "", "", "", ""}));
}

}  // namespace

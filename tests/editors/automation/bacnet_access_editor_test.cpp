// The BACnet client rule editor: its object, property and data-type rules, the checks of
// both tables, the BACnet type and the file.

#include "editors/automation/bacnet_access_check.h"
#include "editors/automation/bacnet_access_editor.h"

#include "core/text_table.h"
#include "editors/configuration_fixture.h"
#include "editors/rule_check_message.h"
#include "editors/golden_files.h"
#include "grid/core/column_grid.h"
#include "platform/dialogs.h"
#include "platform/standard_controls.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>

namespace {

void Write_File(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

TEST(BACnetRules, ObjectTypesPropertiesAndDataTypes) {
    EXPECT_EQ(Check_Object_Type(" analog value ", 0), 12);
    EXPECT_EQ(Check_Object_Type("Accumulator", 0), 1);
    EXPECT_EQ(Check_Object_Type("Accumulator", 1), -1);
    EXPECT_EQ(Check_Object_Type("Binary Input", 1), -1);
    EXPECT_EQ(Check_Object_Type("128", 1), 128);
    EXPECT_EQ(Check_Object_Type("1023", 0), 1023);
    EXPECT_EQ(Check_Object_Type("1024", 0), -1);
    EXPECT_EQ(Check_Object_Type("127", 0), -1);
    EXPECT_EQ(Check_Object_Type("", 0), -1);

    struct PropertyCase {
        const char* text;
        int read_write, object, result;
    };
    const PropertyCase properties[] = {
        {"present value (85)", 1, 3, 100}, {"Units (117)", 0, 12, 4},   {"Units (117)", 0, 13, -1},
        {"Units (117)", 1, 12, -1},        {"Scale (187)", 0, 1, 1},    {"Scale (187)", 0, 2, -1},
        {"PreScale (185)", 0, 1, 5},       {"Polarity (84)", 0, 7, 1},  {"Number of States (74)", 0, 11, 4},
        {"Object Type (79)", 0, 4, 2},     {"512", 1, 3, 200},          {"511", 0, 3, -1},
        {"4194303", 0, 3, 200},            {"4194304", 1, 3, -1},       {"Status Flags (111)", 1, 3, -1},
    };
    for (const PropertyCase& test : properties)
        EXPECT_EQ(Check_Property(test.text, test.read_write, test.object), test.result) << test.text << " " << test.object;

    EXPECT_EQ(Check_Data_Type("Real", 10, 100), -1);
    EXPECT_EQ(Aspected_Data_Type_Value(10, 100), "Unsigned Int");
    EXPECT_EQ(Check_Data_Type(" unsigned int", 10, 100), 4);
    EXPECT_EQ(Check_Data_Type("Boolean", 3, 200), 1000);
    EXPECT_EQ(Check_Data_Type("anything", 500, 100), 1);
    EXPECT_EQ(Aspected_Data_Type_Value(14, 100), "");
    EXPECT_EQ(Check_Num_Byte_Max("boolean"), 1);
    EXPECT_EQ(Check_Num_Byte_Max("Bit String"), 120);
    EXPECT_EQ(Check_Num_Byte_Max("Character String"), 255);
    EXPECT_EQ(Check_Num_Byte_Max("unknown"), 255);
}

QStringList Valid_Read() {
    return {"Y", "192.168.0.20", "Analog Value", "7", "Present Value (85)", "4", "N", "", "", "", "1000", "3",
            "Device 1", "", "N", "None", "Room"};
}
QStringList Valid_Write() {
    return {"Y", "192.168.0.20", "Analog Value", "Real", "7", "Present Value (85)", "8", "4", "N", "", "", "",
            "Y", "N", "", "3", "Device 1", "", "N", "None", "Room"};
}

class BACnetCheckTest : public ConfigurationFixture {
protected:
    void SetUp() override {
        ConfigurationFixture::SetUp();
        Load_Default_Texts();
    }
};

// Each check: the table, the cells changed in row 1, the BACnet type and the whole message.
TEST_F(BACnetCheckTest, EachRowCheckGivesItsMessage) {
    const QString read = LangText(1437) + "1";
    const QString write = LangText(1446) + "1";
    struct Case {
        const char* name;
        bool inWrite;
        std::vector<std::pair<int, QString>> cells;
        int type;
        QString message;  // empty: passes
    };
    const std::vector<Case> cases = {
        {"valid", false, {}, 0, {}},
        {"bad IP", false, {{BRd_Device, "192.168.0"}}, 0, read + LangText(1438)},
        {"slave 255", false, {{BRd_Device, "255"}}, 1, read + LangText(1439)},
        {"slave 254", false, {{BRd_Device, "254"}}, 1, {}},
        {"type 2 tests no device", false, {{BRd_Device, ""}}, 2, {}},
        {"object", false, {{BRd_Object_Type, "Lamp"}}, 0, read + LangText(1440)},
        {"instance max", false, {{BRd_Instance, "4294967295"}}, 0, {}},
        {"instance too big", false, {{BRd_Instance, "4294967296"}}, 0, read + LangText(1441)},
        {"instance empty", false, {{BRd_Instance, ""}}, 0, read + LangText(1441)},
        {"units of binary value", false, {{BRd_Object_Type, "Binary Value"}, {BRd_Property, "Units (117)"}}, 0,
         read + LangText(1442)},
        {"nbyte", false, {{BRd_NumByte, "256"}}, 0, read + LangText(1443)},
        {"D Len 6 with port", false, {{BRd_Enable_Destination, "y"}, {BRd_Destination_Network, "5"},
                                       {BRd_Destination_Length, "6"}, {BRd_Destination_Address, "192.168.0.15:47808"}}, 0, {}},
        {"D Len 6 without port", false, {{BRd_Enable_Destination, "Y"}, {BRd_Destination_Network, "5"},
                                          {BRd_Destination_Length, "6"}, {BRd_Destination_Address, "192.168.0.15"}}, 0,
         read + LangText(1474)},
        {"D Net 0", false, {{BRd_Enable_Destination, "Y"}, {BRd_Destination_Network, "0"}}, 0, read + LangText(1470)},
        {"D Len 3", false, {{BRd_Enable_Destination, "Y"}, {BRd_Destination_Network, "5"}, {BRd_Destination_Length, "3"}}, 0,
         read + LangText(1471)},
        {"D Len M9", false, {{BRd_Enable_Destination, "Y"}, {BRd_Destination_Network, "5"}, {BRd_Destination_Length, "M9"}}, 0,
         read + LangText(1486)},
        {"M3 too few", false, {{BRd_Enable_Destination, "Y"}, {BRd_Destination_Network, "5"},
                               {BRd_Destination_Length, "m3"}, {BRd_Destination_Address, "1, 2"}}, 0, read + LangText(1488)},
        {"M3 too many", false, {{BRd_Enable_Destination, "Y"}, {BRd_Destination_Network, "5"},
                                {BRd_Destination_Length, "M3"}, {BRd_Destination_Address, "1,2,3,4"}}, 0, read + LangText(1484)},
        {"M3 byte 300", false, {{BRd_Enable_Destination, "Y"}, {BRd_Destination_Network, "5"},
                                {BRd_Destination_Length, "M3"}, {BRd_Destination_Address, "1,300,3"}}, 0, read + LangText(1482)},
        {"max err 65535", false, {{BRd_MaxError, "65535"}}, 0, {}},
        {"max err 65536", false, {{BRd_MaxError, "65536"}}, 0, read + LangText(1445)},
        {"disabled with trailing blank", false, {{BRd_Enable, "Y "}, {BRd_Object_Type, "x"}}, 0, {}},
        {"write valid", true, {}, 0, {}},
        {"write read-only object", true, {{BWr_Object_Type, "Analog Input"}}, 0, write + LangText(1449)},
        {"write expected type", true, {{BWr_Object_Type, "Positive Integer Value"}}, 0,
         write + LangText(1458) + "Unsigned Int"},
        {"write no expected type", true, {{BWr_Object_Type, "Life Safety Point"}}, 0, write + LangText(1452)},
        {"write proprietary property boolean", true, {{BWr_Property, "512"}, {BWr_Data_Type, "Boolean"}, {BWr_NumByte, "2"}},
         0, write + LangText(1454) + "1"},
        {"write character string 255", true, {{BWr_Property, "512"}, {BWr_Data_Type, "Character String"}, {BWr_NumByte, "255"}},
         0, {}},
        {"write priority", true, {{BWr_Priority, "17"}}, 0, write + LangText(1453)},
        {"write timer needs poll time", true, {{BWr_OnTimer, "y"}, {BWr_PollTime, ""}}, 0, write + LangText(1455)},
        {"write D Len 6 without port", true, {{BWr_Enable_Destination, "Y"}, {BWr_Destination_Network, "5"},
                                               {BWr_Destination_Length, "6"}, {BWr_Destination_Address, "1.2.3.4"}}, 0,
         write + LangText(1479)},
        {"write M2 empty address", true, {{BWr_Enable_Destination, "Y"}, {BWr_Destination_Network, "5"},
                                          {BWr_Destination_Length, "M2"}, {BWr_Destination_Address, " "}}, 0,
         write + LangText(1489)},
    };
    for (const Case& test : cases) {
        QStringList r = Valid_Read(), w = Valid_Write();
        if (test.type == 1) r[BRd_Device] = w[BWr_Device] = "1";
        for (const auto& [column, text] : test.cells) (test.inWrite ? w : r)[column] = text;
        const std::optional<TRuleCheckError> error = Check_BACnet_Rules({r}, {w}, test.type);
        if (test.message.isNull()) {
            EXPECT_FALSE(error) << test.name << ": " << Message_Of(error).toStdString();
        } else {
            ASSERT_TRUE(error) << test.name;
            EXPECT_EQ(error->Message, test.message) << test.name;
        }
    }
}

TEST_F(BACnetCheckTest, NByteHint) {
    TCellTable read{Valid_Read()};
    EXPECT_EQ(Str_Hint_Read(read, 1, 6), "");  // Analog Value's Present Value: no hint
    read[0][BRd_Object_Type] = "Binary Input";
    EXPECT_EQ(Str_Hint_Read(read, 1, 6), "1");
    read[0][BRd_Property] = "Object Type (79)";
    EXPECT_EQ(Str_Hint_Read(read, 1, 6), "2");
    EXPECT_EQ(Str_Hint_Read(read, 1, 5), "");
    EXPECT_EQ(Str_Hint_Read(read, 0, 6), "");
}

class BACnetEditorTest : public BACnetCheckTest {
protected:
    void SetUp() override {
        BACnetCheckTest::SetUp();
        SetMessageDialogResponder([this](const MessageDialogRequest& request) {
            Messages.push_back(request.text);
            return mrYes;
        });
        Editor = std::make_unique<TFBACnetAccess>(nullptr);
    }
    void TearDown() override {
        Editor.reset();
        SetMessageDialogResponder({});
        BACnetCheckTest::TearDown();
    }
    void Show(const char* bacnetType) {
        QFile::remove(File_ParGen);
        if (bacnetType) Write_File(File_ParGen, QByteArray("<Par_Gen><BACnet_Type>") + bacnetType + "</BACnet_Type></Par_Gen>");
        Editor->hide();
        Editor->show();
        QCoreApplication::processEvents();
    }
    void Put(TExColumnGrid& grid, int row, const QStringList& cells) {
        for (int c = 0; c < cells.size(); ++c) grid.SetCells(c + 1, row, cells[c]);
    }

    std::unique_ptr<TFBACnetAccess> Editor;
    std::vector<QString> Messages;
};

TEST_F(BACnetEditorTest, TheBACnetTypeChoosesTheDeviceColumnAndKey) {
    Show(nullptr);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0], LangText(1457));
    EXPECT_EQ(Editor->App_BACnet_Type, 0);
    EXPECT_EQ(Editor->ACG1->Cells(2, 0), LangText(1409));

    Show("1");
    EXPECT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Editor->ACG1->Cells(2, 0), LangText(1410));
    EXPECT_EQ(Editor->ACG2->Cells(2, 0), LangText(1422));
    EXPECT_FALSE(Editor->ACG1->IsHiddenColumn(2));

    // Type 2: the device column is hidden, Object Type is the key, the device is still written.
    Show("2");
    EXPECT_TRUE(Editor->ACG1->IsHiddenColumn(2));
    EXPECT_TRUE(Editor->ACG2->IsHiddenColumn(2));
    QStringList rule = Valid_Read();
    rule[BRd_Device] = "";
    Put(*Editor->ACG1, 1, rule);
    Editor->Btn_OKClick(nullptr);
    ASSERT_EQ(Editor->ModalResult(), mrOk) << (Messages.size() > 1 ? Messages.back().toStdString() : "");
    const QByteArray saved = Read_Whole_File(File_BACnet_Master_Access);
    EXPECT_EQ(saved.count("<row "), 1);
    EXPECT_TRUE(saved.contains("IP_Address_Slave_ID=\"\""));
    EXPECT_TRUE(saved.contains("StartBit=\"\" Swap=\"N\" ConvertFrom=\"None\" Mnemonic=\"Room\""));

    Show("0");
    EXPECT_FALSE(Editor->ACG1->IsHiddenColumn(2));
    EXPECT_TRUE(Editor->ACG1->IsHiddenColumn(14));
    EXPECT_EQ(Editor->ACG1->Cells(3, 1), "Analog Value");
}

TEST_F(BACnetEditorTest, PositionListsFollowTheDALI2Rules) {
    Write_File(File_DALI2_Access,
               "<DALI2_Access><DALI2_SetAccess_Rules>"
               "<row Enable=\"Y\" Position=\"P1\"/><row Enable=\"N\" Position=\"P2\"/><row Position=\"P3\"/><row Enable=\"Y\"/>"
               "</DALI2_SetAccess_Rules></DALI2_Access>");
    Show("0");
    const TStringList* read = Editor->ACG1->Columns()->Items(13)->ComboItems();
    const TStringList* write = Editor->ACG2->Columns()->Items(17)->ComboItems();
    EXPECT_EQ(read->Count(), 97);
    EXPECT_EQ(read->Strings(80), "Broadcast");
    ASSERT_EQ(write->Count(), 66);
    EXPECT_EQ(write->Strings(64), "P1");
    EXPECT_EQ(write->Strings(65), "P3");

    Write_File(File_DALI2_Access, "<DALI2_Access/>");
    Show("0");
    EXPECT_EQ(Editor->ACG2->Columns()->Items(17)->ComboItems()->Count(), 64);
}

TEST_F(BACnetEditorTest, FailuresKeepTheWindowOpen) {
    Show("0");
    Messages.clear();
    QStringList rule = Valid_Write();
    rule[BWr_Enable_Destination] = "Y";
    rule[BWr_Destination_Network] = "5";
    rule[BWr_Destination_Length] = "M2";
    Put(*Editor->ACG2, 1, rule);
    Editor->Btn_OKClick(nullptr);
    // An empty destination address says so, as too few bytes, instead of refusing silently.
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0], LangText(1446) + "1" + LangText(1489));
    EXPECT_EQ(Editor->ModalResult(), mrNone);
    // The write page and the address cell become current.
    EXPECT_EQ(Editor->PageControl1->ActivePageIndex(), 1);
    EXPECT_EQ(Editor->ACG2->Row(), 1);
    EXPECT_EQ(Editor->ACG2->RealColIndex(Editor->ACG2->Col()), BWr_Destination_Address + 1);
    EXPECT_FALSE(QFile::exists(File_BACnet_Master_Access));
}

}  // namespace

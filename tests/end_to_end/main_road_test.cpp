// The main road as a user walks it: an empty program folder, a new configuration,
// the general parameters edited and saved, the image compiled and the device updated
// through the (fake) updater, and the settings kept for the next start.

#include "app/create_windows.h"
#include "app/main_window.h"
#include "app/new_project_dialog.h"
#include "core/program_state.h"
#include "config/device_update_dialog.h"
#include "config/general_parameters_form.h"
#include "editors/dali_knx/dali_access_editor.h"
#include "editors/dali_knx/dali2_access_file.h"
#include "editors/dali_knx/grid_user_input.h"
#include "editors/dali_knx/knx_access_editor.h"
#include "editors/dali_knx/knx_access_file.h"
#include "grid/core/column_grid.h"
#include "platform/application.h"
#include "platform/file_system.h"
#include "platform/icmp_client.h"
#include "platform/tick_clock.h"

#include "test_support.h"

#include <QFile>
#include <QTabBar>
#include <QTest>
#include <QtEndian>
#include <cstring>

namespace {

class MainRoadTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        // The device answers every echo at once; the clock only moves when the code waits.
        SetTickClock({[this] { return Now; }, [this](int ms) { Now += ms; }});
        SetIcmpEchoFunction([this](const QString& host, const QByteArray&, std::uint16_t, int) {
            PingedHosts.push_back(host);
            return 64;
        });
        // The updater stands outside the product: a script that keeps what it was given.
        WriteFile("Ethernet_Update.exe",
                  "#!/bin/sh\ncd \"$(dirname \"$0\")\"\ncp Ethernet_Update.xml updater_job.xml\n");
        QFile::setPermissions(PathIn("Ethernet_Update.exe"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void TearDown() override {
        Application()->DestroyComponents();
        SetIcmpEchoFunction({});
        SetTickClock({});
        ProgramFolderTest::TearDown();
    }

    static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    static void Retype(TEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    // Compiles and updates the device at 10.1.2.3, as a user does from the main window.
    void Compile_And_Update() {
        WhenShownModally(FBoot, [&] {
            const QStringList address = {"10", "1", "2", "3"};
            for (int i = 0; i < 4; ++i) Retype(FBoot->E_IP[std::size_t(i)], address[i]);
            Click(FBoot->Btn_Update);
            Click(FBoot->Btn_Cancel);
        });
        Click(FVastreloneFirmWare->Btn_CreateBin);
    }

    std::int64_t Now = 5000000;
    std::vector<QString> PingedHosts;
};

TEST_F(MainRoadTest, FromAnEmptyFolderToAnUpdatedDevice) {
    Create_All_Windows(*Application());
    FVastreloneFirmWare->show();
    TFVastreloneFirmWare* main = FVastreloneFirmWare;

    // Step 1: a new configuration, named and confirmed with Enter.
    WhenShownModally(FNew_Project, [&] {
        QTest::keyClicks(FNew_Project->E_New_Proj, QStringLiteral("Hall"));
        QTest::keyClick(FNew_Project->E_New_Proj, Qt::Key_Return);
    });
    Click(main->Btn_New);
    ASSERT_TRUE(DirectoryExists(PathIn("PROJECTS/Hall/bin")));
    EXPECT_EQ(main->L_Name_Conf_L2->Caption(), "Hall");

    // Step 2: the general parameters, one value changed and saved.
    WhenShownModally(FParGen, [&] {
        Retype(FParGen->E_ID_DEV_KNX, QStringLiteral("1.1.10"));
        Click(FParGen->Btn_OK);
    });
    Click(main->Btn_Prm_Gen);
    EXPECT_FALSE(FParGen->isVisible());
    EXPECT_TRUE(ReadFile("PROJECTS/Hall/ParGen.xml").contains("<KNX_ID_DEV>1.1.10</KNX_ID_DEV>"));

    // Step 5: compile and update the device at a new address.
    WhenShownModally(FBoot, [&] {
        const QStringList address = {"10", "1", "2", "3"};
        for (int i = 0; i < 4; ++i) Retype(FBoot->E_IP[std::size_t(i)], address[i]);
        Click(FBoot->Btn_Update);
        Click(FBoot->Btn_Cancel);
    });
    Click(main->Btn_CreateBin);
    EXPECT_TRUE(Messages.empty()) << Messages.front().text.toStdString();
    EXPECT_EQ(ReadFile("PROJECTS/Hall/bin/bank.bin").size(), 35072);
    ASSERT_FALSE(PingedHosts.empty());
    EXPECT_EQ(PingedHosts.front(), "10.1.2.3");
    const QByteArray job = ReadFile("updater_job.xml");
    EXPECT_TRUE(job.contains("<IP_Address_Dev>10.1.2.3</IP_Address_Dev>")) << job.toStdString();

    // Closing keeps the configuration and the address for the next start.
    main->Close();
    Application()->DestroyComponents();
    Create_All_Windows(*Application());
    EXPECT_EQ(FVastreloneFirmWare->L_Name_Conf_L2->Caption(), "Hall");
    EXPECT_EQ(Last_IP_Address, "10.1.2.3");
}

}  // namespace

namespace {

// The image's fields as the device reads them: little-endian at fixed offsets.
struct Image {
    QByteArray Bytes;
    std::uint32_t U32(int at) const { return qFromLittleEndian<quint32>(Bytes.constData() + at); }
    std::uint16_t U16(int at) const { return qFromLittleEndian<quint16>(Bytes.constData() + at); }
    std::uint8_t U8(int at) const { return std::uint8_t(Bytes.at(at)); }
    float F32(int at) const {
        const quint32 bits = U32(at);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
};

// Where the tables lie in bank.bin and how a record is laid out.
constexpr int Knx_Table = 0, Knx_Record = 24;
constexpr int Input_Table = 24576, Input_Record = 20;
constexpr int Function_Table = 29696, Function_Record = 12;
constexpr int Parameters = 32768, Dali_Block = 34816;

struct TypedKnxRule {
    int Record;
    std::uint32_t Poll, TimeOut;
    std::uint8_t Priority, Length;
    std::uint16_t Flags, Apci, Source, Destination, Position;
    float Factor;
};

void Expect_Knx_Record(const Image& image, const TypedKnxRule& rule) {
    SCOPED_TRACE(testing::Message() << "KNX record " << rule.Record);
    const int at = Knx_Table + rule.Record * Knx_Record;
    EXPECT_EQ(image.U32(at + 0), rule.Poll);
    EXPECT_EQ(image.U32(at + 4), rule.TimeOut);
    EXPECT_EQ(image.U8(at + 8), rule.Priority);
    EXPECT_EQ(image.U8(at + 9), rule.Length);
    EXPECT_EQ(image.U16(at + 10), rule.Flags);
    EXPECT_EQ(image.U16(at + 12), rule.Apci);
    EXPECT_EQ(image.U16(at + 14), rule.Source);
    EXPECT_EQ(image.U16(at + 16), rule.Destination);
    EXPECT_EQ(image.U16(at + 18), rule.Position);
    EXPECT_EQ(image.F32(at + 20), rule.Factor);
}

// The texts of a grid row from column 1, to compare a table before and after a restart.
QStringList Row_Texts(TExStringGrid& grid, int row) {
    QStringList texts;
    for (int c = 1; c < grid.TotalColCount(); ++c) texts << grid.Cells(c, row);
    return texts;
}

void Click_Page(TPageControl* pages, TTabSheet* page) {
    QTabBar* tabs = pages->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(pages->indexOf(page)).center());
}

TEST_F(MainRoadTest, RulesTypedInEveryEditorReachTheDeviceImage) {
    Create_All_Windows(*Application());
    FVastreloneFirmWare->resize(1200, 700);
    FVastreloneFirmWare->show();
    TFVastreloneFirmWare* main = FVastreloneFirmWare;

    WhenShownModally(FNew_Project, [&] {
        QTest::keyClicks(FNew_Project->E_New_Proj, QStringLiteral("Hall"));
        QTest::keyClick(FNew_Project->E_New_Proj, Qt::Key_Return);
    });
    Click(main->Btn_New);
    WhenShownModally(FParGen, [&] {
        Retype(FParGen->E_ID_DEV_KNX, QStringLiteral("1.1.10"));
        Click(FParGen->Btn_OK);
    });
    Click(main->Btn_Prm_Gen);

    // DALI devices and groups: check boxes, combos and a group header menu.
    std::vector<QStringList> devices_typed, groups_typed, functions_typed, inputs_typed;
    WhenShownModally(FDALI_Access, [&] {
        TFDALI_Access& dali = *FDALI_Access;
        dali.resize(1200, 700);
        QCoreApplication::processEvents();
        TExColumnGrid& devices = *dali.ACG_DALI_Device;
        TExColumnGrid& groups = *dali.ACG_DALI_GroupBroad;
        EXPECT_EQ(Row_Texts(devices, 6), QStringList({"N", "", "Normal", "N", "None"})) << "a new configuration";
        devices.FocusCell(1, 1);  // device 0 enabled
        QTest::keyClick(&devices, Qt::Key_Space);
        devices.FocusCell(1, 6);  // device 5: enabled, Start Break, min-max, recall min-max
        QTest::keyClick(&devices, Qt::Key_Space);
        devices.FocusCell(devices.DisplColIndex(Dev_Dimming_Mode + 1), 6);
        Choose_Combo_Item(devices, 1);
        devices.FocusCell(devices.DisplColIndex(Dev_Min_Max_Value + 1), 6);
        QTest::keyClick(&devices, Qt::Key_Space);
        devices.FocusCell(devices.DisplColIndex(Dev_Recall_Level + 1), 6);
        Choose_Combo_Item(devices, 1);
        Click_Cell(groups, 1, 0, Qt::RightButton);
        EXPECT_TRUE(dali.PM_DimMode_GB->isVisible());
        Click_Menu_Item(dali.PM_DimMode_GB, 1);  // every group "Start Break"
        devices_typed = {Row_Texts(devices, 1), Row_Texts(devices, 6)};
        EXPECT_EQ(devices_typed[1], QStringList({"Y", "", "Start Break", "Y", "Recall Min-Max Level for Switch"}));
        EXPECT_EQ(Row_Texts(groups, 17), QStringList({"Start Break", "N", "None"}));

        // DALI-2 functions: combos chosen, the Event choice setting the Condition, values typed.
        Click_Page(dali.PC_DALI, dali.TS_Functions);
        TExColumnGrid& functions = *dali.ACG;
        const auto function_col = [&functions](int column) { return functions.DisplColIndex(column + 1); };
        struct FunctionInput {
            int Function, Event, Channel;
            QString Brightness, Mnemonic;
        };
        const FunctionInput function_inputs[] = {{5, 2, 3, "200", "Lights"}, {8, 4, 7, "", "Stairs"}};
        for (int r = 1; r <= 2; ++r) {
            const FunctionInput& input = function_inputs[r - 1];
            functions.FocusCell(function_col(Fun_Function), r);
            Choose_Combo_Item(functions, input.Function);
            functions.FocusCell(function_col(Fun_Value), r);
            Choose_Combo_Item(functions, input.Event);
            functions.FocusCell(function_col(Fun_Channel), r);
            Choose_Combo_Item(functions, input.Channel);
            if (!input.Brightness.isEmpty()) {
                functions.FocusCell(function_col(Fun_Val), r);
                Type_Cell(functions, input.Brightness);
            }
            functions.FocusCell(function_col(Fun_Mnemonic), r);
            Type_Cell(functions, input.Mnemonic);
            functions_typed.push_back(Row_Texts(functions, r));
        }
        EXPECT_EQ(functions_typed[0],
                  QStringList({"Set Out", "When Equal to Value", "Short Press", "DALI Channel 3", "200", "", "Lights"}));
        EXPECT_EQ(functions_typed[1],
                  QStringList({"Toggle", "When Equal to Value", "Long Press Start", "DALI Channel 7", "", "", "Stairs"}));

        // DALI-2 input rules: a device rule and a sensor rule, the sensor rule copied to a
        // third row that is then disabled.
        Click_Page(dali.PC_DALI, dali.TS_Set_Access);
        TExStringGrid& inputs = *dali.ASG;
        struct InputRule {
            int Sensor, Type;
            QString Channel, Instance, Command, Send, TimeOut;
            int Function;
            QString Position;
            int Bytes;
            QString Mnemonic;
        };
        const InputRule input_rules[] = {{0, 4, "3", "0", "10", "1000", "5000", 1, "0", 0, "Lamp"},
                                         {1, 1, "5", "1", "0", "0", "0", 2, "4", 1, "Button"}};
        for (int r = 1; r <= 2; ++r) {
            const InputRule& rule = input_rules[r - 1];
            const auto at = [&inputs, r](int column) { inputs.FocusCell(column + 1, r); };
            at(Set_DeviceSensor);
            Choose_Combo_Item(inputs, rule.Sensor);
            at(Set_Type);
            Choose_Combo_Item(inputs, rule.Type);
            at(Set_ChannelNumber);
            for (const QString& text : {rule.Channel, rule.Instance, rule.Command, rule.Send, rule.TimeOut})
                Type_Cell(inputs, text);  // Enter walks on with its option on
            at(Set_Function);
            Choose_Combo_Item(inputs, rule.Function);
            at(Set_Position);
            Type_Cell(inputs, rule.Position);
            at(Set_NumBytes);
            Choose_Combo_Item(inputs, rule.Bytes);
            at(Set_Mnemonic);
            Type_Cell(inputs, rule.Mnemonic);
        }
        inputs.FocusCell(3, 2);
        Click(dali.Btn_CopyRow);
        inputs.FocusCell(3, 3);
        Click(dali.Btn_PasteRow);
        inputs.FocusCell(1, 3);
        QTest::keyClick(&inputs, Qt::Key_Space);
        for (int r = 1; r <= 3; ++r) inputs_typed.push_back(Row_Texts(inputs, r));
        EXPECT_EQ(inputs_typed[0],
                  QStringList({"", "Device", "Dimmer", "3", "0", "10", "1000", "5000", "1 - Lights", "0", "1", "Lamp"}));
        EXPECT_EQ(inputs_typed[1].mid(1),
                  QStringList({"Sensor", "Push Button", "5", "1", "0", "0", "0", "2 - Stairs", "4", "2", "Button"}));
        EXPECT_EQ(inputs_typed[2].mid(1), inputs_typed[1].mid(1));
        Click(dali.Btn_OK);
    });
    Enable_Jump_Field = true;
    Click(main->Btn_DALI_Access);
    EXPECT_FALSE(FDALI_Access->isVisible());
    ASSERT_TRUE(Messages.empty()) << Messages.front().text.toStdString();

    // KNX rules by keys and mouse, with Copy, Paste, Insert and Delete.
    std::vector<QStringList> knx_typed;
    WhenShownModally(FKNXAccess, [&] {
        TFKNXAccess& knx = *FKNXAccess;
        TExColumnGrid& rules = *knx.ACG_KNX_in_Write;
        struct KnxInput {
            QString Source, Destination;
            int Apci, Priority, Format;
            QString Factor;
            std::array<bool, 5> Flags;  // Extended, ReTest, On_Command, On_Change, On_Timer
            QString Poll, Position;
            int Bit_Mode;
            QString Length, TimeOut, Mnemonic;
        };
        const auto type_rule = [&](int r, const KnxInput& input) {
            rules.FocusCell(KNX_Source_Address + 1, r);
            Type_Cell(rules, input.Source);
            Type_Cell(rules, input.Destination);
            Choose_Combo_Item(rules, input.Apci);
            rules.FocusCell(KNX_Priority + 1, r);
            Choose_Combo_Item(rules, input.Priority);
            rules.FocusCell(KNX_Format + 1, r);
            Choose_Combo_Item(rules, input.Format);
            if (!input.Factor.isEmpty()) {
                rules.FocusCell(KNX_MultiplicationFactor + 1, r);
                Type_Cell(rules, input.Factor);
            }
            for (int f = 0; f < 5; ++f) {
                rules.FocusCell(KNX_Extended + 1 + f, r);
                QTest::keyClick(&rules, Qt::Key_Space);  // "Y"
                if (!input.Flags[std::size_t(f)]) QTest::keyClick(&rules, Qt::Key_Space);
            }
            if (!input.Poll.isEmpty()) {
                rules.FocusCell(KNX_Poll_Time + 1, r);
                Type_Cell(rules, input.Poll);
            }
            rules.FocusCell(KNX_Position + 1, r);
            Choose_Combo_Item(rules, input.Position.toInt());
            rules.FocusCell(KNX_Bit_Mode + 1, r);
            Choose_Combo_Item(rules, input.Bit_Mode);
            rules.FocusCell(KNX_Length + 1, r);
            Type_Cell(rules, input.Length);
            Type_Cell(rules, input.TimeOut);
            Type_Cell(rules, input.Mnemonic);
        };
        type_rule(1, {"1.1.20", "1/2/3", 1, 3, 1, "1.5", {true, false, true, true, true}, "2000", "10", 0, "2", "500",
                      "Hall lamp"});
        type_rule(2, {"1.1.21", "2/5", 0, 1, 0, "", {false, true, false, false, false}, "", "20", 4, "1", "0", "Door"});
        rules.FocusCell(3, 1);
        Click(knx.Btn_CopyRow);
        rules.FocusCell(3, 3);
        Click(knx.Btn_PasteRow);
        rules.FocusCell(3, 2);
        Click(knx.Btn_InsRow);
        type_rule(2, {"1.1.30", "3.1.1", 0, 2, 6, "", {false, false, false, true, false}, "", "30", 0, "4", "100",
                      "Meter"});
        rules.FocusCell(3, 4);
        Click(knx.Btn_DelRow);  // the copy of the first rule
        for (int r = 1; r <= 4; ++r) knx_typed.push_back(Row_Texts(rules, r));
        EXPECT_EQ(knx_typed[0], QStringList({"Y", "1.1.20", "1/2/3", "Write", "Low", "Swap16", "1.5", "Y", "N", "Y", "Y",
                                             "Y", "2000", "10", "No", "2", "500", "Hall lamp"}));
        EXPECT_EQ(knx_typed[1][KNX_Source_Address], "1.1.30");
        EXPECT_EQ(knx_typed[2][KNX_Source_Address], "1.1.21");
        EXPECT_EQ(knx_typed[3][KNX_Source_Address], "");
        Click(knx.Btn_OK);
    });
    Click(main->Btn_KNX_Access);
    Enable_Jump_Field = false;
    EXPECT_FALSE(FKNXAccess->isVisible());
    for (const MessageDialogRequest& message : Messages)
        EXPECT_EQ(message.type, mtConfirmation) << message.text.toStdString();
    Messages.clear();

    Compile_And_Update();
    EXPECT_TRUE(Messages.empty()) << Messages.front().text.toStdString();
    ASSERT_FALSE(PingedHosts.empty());
    const Image image{ReadFile("PROJECTS/Hall/bin/bank.bin")};
    ASSERT_EQ(image.Bytes.size(), 35072);

    // KNX: flags 0x1 on change, 0x2 re-test, 0x8 on command, 0x10 extended, 0x20 group
    // address, 0x40 bit mode, the format code in the top nibble; priorities 0 system,
    // 1 normal, 2 urgent, 3 low; APCI 0x80 write.
    EXPECT_EQ(image.U32(Parameters + 456), 3u);
    Expect_Knx_Record(image, {0, 2000, 500, 3, 2, 0x1000 | 0x39, 0x80, 0x1114, 1 * 2048 + 2 * 256 + 3,
                              10, 1.5f});
    Expect_Knx_Record(image, {1, 0, 100, 1, 4, 0x6000 | 0x1, 0, 0x111E, 3 * 4096 + 1 * 256 + 1, 30, 1.0f});
    Expect_Knx_Record(image, {2, 0, 0, 2, 1, 0x2 | 0x20 | 0x40, 0, 0x1115, 2 * 2048 + 5, 20 * 8 + 3, 1.0f});
    Expect_Knx_Record(image, {3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1.0f});

    // DALI-2 input rules: the packed word is instance + channel × 256 + type × 16384 +
    // sensor × 262144 + two bytes × 536870912; the disabled third row is not there.
    EXPECT_EQ(image.U32(Parameters + 1576), 2u);
    EXPECT_EQ(image.U32(Parameters + 120), 5u) << "highest position + 1";
    struct InputRecord {
        std::uint32_t Word, Send, TimeOut;
        std::uint16_t Position;
        std::uint8_t Command;
        std::uint32_t Function;
    };
    const InputRecord input_records[] = {{0 + 3 * 256 + 4 * 16384, 1000, 5000, 0, 10, 1},
                                         {1 + 5 * 256 + 1 * 16384 + 262144 + 536870912u, 0, 0, 4, 0, 2},
                                         {0, 0, 0, 0, 0, 0}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(testing::Message() << "input record " << i);
        const int at = Input_Table + i * Input_Record;
        EXPECT_EQ(image.U32(at), input_records[i].Word);
        EXPECT_EQ(image.U32(at + 4), input_records[i].Send);
        EXPECT_EQ(image.U32(at + 8), input_records[i].TimeOut);
        EXPECT_EQ(image.U16(at + 12), input_records[i].Position);
        EXPECT_EQ(image.U8(at + 14), input_records[i].Command);
        EXPECT_EQ(image.U32(at + 16), input_records[i].Function);
    }

    // DALI-2 functions from record 1: Set Out 17, Toggle 20; condition 1 "When Equal to
    // Value"; Short Press 2.0, Long Press Start 9.0; the channel number.
    struct FunctionRecord {
        std::uint8_t Next, Code, Condition;
        float Value;
        std::uint8_t Channel, Brightness;
    };
    const FunctionRecord function_records[] = {{0, 0, 0, 0.0f, 0, 0}, {0, 17, 1, 2.0f, 3, 200}, {0, 20, 1, 9.0f, 7, 0},
                                               {0, 0, 0, 0.0f, 0, 0}};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(testing::Message() << "function record " << k);
        const int at = Function_Table + k * Function_Record;
        EXPECT_EQ(image.U8(at), function_records[k].Next);
        EXPECT_EQ(image.U8(at + 1), function_records[k].Code);
        EXPECT_EQ(image.U8(at + 2), function_records[k].Condition);
        EXPECT_EQ(image.F32(at + 4), function_records[k].Value);
        EXPECT_EQ(image.U8(at + 8), function_records[k].Channel);
        EXPECT_EQ(image.U8(at + 9), function_records[k].Brightness);
    }

    // DALI option words: 0x8000 enabled (always for groups), 0x1 Start Break, 0x4 min-max,
    // 0x8 recall min-max.
    EXPECT_EQ(image.U16(Dali_Block + 4 + 2 * 0), 0x8000);
    EXPECT_EQ(image.U16(Dali_Block + 4 + 2 * 1), 0x0000);
    EXPECT_EQ(image.U16(Dali_Block + 4 + 2 * 5), 0x8000 | 0x1 | 0x4 | 0x8);
    for (int g = 0; g < 17; ++g) EXPECT_EQ(image.U16(Dali_Block + 132 + 2 * g), 0x8001) << "group entry " << g;

    // Started again, every editor shows the same tables.
    FVastreloneFirmWare->Close();
    Application()->DestroyComponents();
    Create_All_Windows(*Application());
    WhenShownModally(FDALI_Access, [&] {
        EXPECT_EQ(Row_Texts(*FDALI_Access->ACG_DALI_Device, 1), devices_typed[0]);
        EXPECT_EQ(Row_Texts(*FDALI_Access->ACG_DALI_Device, 6), devices_typed[1]);
        EXPECT_EQ(Row_Texts(*FDALI_Access->ACG_DALI_GroupBroad, 9), QStringList({"Start Break", "N", "None"}));
        for (int r = 1; r <= 2; ++r) EXPECT_EQ(Row_Texts(*FDALI_Access->ACG, r), functions_typed[std::size_t(r - 1)]);
        for (int r = 1; r <= 3; ++r) EXPECT_EQ(Row_Texts(*FDALI_Access->ASG, r), inputs_typed[std::size_t(r - 1)]);
        Click(FDALI_Access->Btn_Cancel);
    });
    Click(FVastreloneFirmWare->Btn_DALI_Access);
    WhenShownModally(FKNXAccess, [&] {
        for (int r = 1; r <= 4; ++r)
            EXPECT_EQ(Row_Texts(*FKNXAccess->ACG_KNX_in_Write, r), knx_typed[std::size_t(r - 1)]) << r;
        Click(FKNXAccess->Btn_Cancel);
    });
    Click(FVastreloneFirmWare->Btn_KNX_Access);
}

}  // namespace

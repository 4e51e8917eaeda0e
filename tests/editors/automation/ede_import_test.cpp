// Importing the objects of an EDE file into the BACnet client tables: the rules made of
// the picked objects, the picker dialog and the whole road from the BACnet editor, by
// calls and by the user's clicks and keys.

#include "editors/automation/bacnet_access_check.h"
#include "editors/automation/bacnet_access_editor.h"
#include "editors/automation/bacnet_ede_import.h"
#include "editors/automation/ede_import_dialog.h"

#include "controls/lb_button.h"
#include "core/text_table.h"
#include "editors/configuration_fixture.h"
#include "editors/dali_knx/grid_user_input.h"
#include "grid/core/column_grid.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/standard_controls.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTest>
#include <QTimer>

namespace {

const QByteArray EDE_File_Bytes =
    "#Engineering-Data-Exchange - B.I.G.-EU\r\nPROJECT_NAME;Plant\r\nVERSION_OF_REFERENCEFILE;1\r\n"
    "TIMESTAMP_OF_LAST_CHANGE;2024-05-02\r\nAUTHOR_OF_LAST_CHANGE;tester\r\nVERSION_OF_LAYOUT;2.2\r\n"
    "# mandatory;mandatory;mandatory;mandatory;mandatory;optional\r\n"
    "# keyname;device obj.-instance;object-name;object-type;object-instance;description\r\n"
    "k1;100;Temp;0;1;Room temperature;;;;N;;;;;;\r\n"
    "k2;100;Setpoint;2;2;Set point;;;;Y;;;;;;\r\n"
    "k3;100;Device;8;100;The device;;;;N;;;;;;\r\n"
    "k4;100;Energy;46;3;Meter;;;;Y;;;;;;\r\n";

TBACnet_Var Var(int type, int instance, bool read, bool write, const char* name) {
    TBACnet_Var var;
    var.object_type = type;
    var.object_instance = instance;
    var.object_name = QString::fromUtf8(name);
    var.description = QStringLiteral("desc");
    var.import = true;
    var.read = read;
    var.write = write;
    return var;
}

TEST(BACnetEDEImport, PickedObjectsBecomeRulesFromTheFirstFreeRow) {
    TCellTable read(3, QStringList(BACnet_Read_Columns));
    TCellTable write(2, QStringList(BACnet_Write_Columns));
    read[0][BRd_Device] = "10.0.0.1";  // a rule already there
    TBACnet_Var skipped = Var(0, 9, true, true, "skipped");
    skipped.import = false;
    const auto refusal = Append_EDE_Objects(
        read, write, {Var(2, 5, true, true, "Setpoint"), skipped, Var(46, 6, false, true, "Energy"), Var(0, 7, true, false, "Temp")},
        "192.168.0.9", BACnet_Key_Column(0));
    ASSERT_FALSE(refusal);
    EXPECT_EQ(read[0][BRd_Device], "10.0.0.1");
    EXPECT_EQ(read[1][BRd_Object_Type], "Analog Value");
    EXPECT_EQ(read[1][BRd_Instance], "5");
    EXPECT_EQ(read[1][BRd_Property], "Present Value (85)");
    EXPECT_EQ(read[1][BRd_NumByte], "4");
    EXPECT_EQ(read[1][BRd_PollTime], "1000");
    EXPECT_EQ(read[1][BRd_Mnemonic], "Setpoint - desc");
    EXPECT_EQ(read[2][BRd_Mnemonic], "Temp - desc");
    EXPECT_EQ(write[0][BWr_Data_Type], "Real");
    EXPECT_EQ(write[1][BWr_Object_Type], "Large Analog Value");
    EXPECT_EQ(write[1][BWr_Data_Type], "Double");
    EXPECT_EQ(write[1][BWr_NumByte], "8");
    EXPECT_EQ(write[1][BWr_Device], "192.168.0.9");
    EXPECT_EQ(write[1][BWr_Position], "");
}

// Under a BACnet type keyed by Object Type the device stays empty: a second import must
// still go below the first one's rules.
TEST(BACnetEDEImport, ASecondImportKeyedByObjectTypeGoesBelowTheFirst) {
    TCellTable read(4, QStringList(BACnet_Read_Columns));
    TCellTable write(4, QStringList(BACnet_Write_Columns));
    const int key = BACnet_Key_Column(2);
    ASSERT_FALSE(Append_EDE_Objects(read, write, {Var(0, 1, true, false, "First")}, "", key));
    ASSERT_FALSE(Append_EDE_Objects(read, write, {Var(0, 2, true, false, "Second")}, "", key));
    EXPECT_EQ(read[0][BRd_Mnemonic], "First - desc");
    EXPECT_EQ(read[1][BRd_Mnemonic], "Second - desc");
}

TEST(BACnetEDEImport, ImportsNothingWhenARuleIsInTheWayOrRowsAreMissing) {
    struct Case {
        const char* name;
        int readRows;
        int writeRows;
        int ruleInReadRow;   // -1 none; a rule below the first free row
        int ruleInWriteRow;  // -1 none
        bool refusedInWrite;
        int ruleRow;
        int missingRows;
    };
    const Case cases[] = {
        {"rule below the free row of the read table", 5, 5, 2, -1, false, 3, 0},
        {"rule below the free row of the write table", 5, 5, -1, 1, true, 2, 0},
        {"read table too short", 2, 5, -1, -1, false, 0, 1},
        {"write table too short", 5, 1, -1, -1, true, 0, 1},
    };
    // Three read rules and two write rules are picked.
    const std::vector<TBACnet_Var> objects = {Var(0, 1, true, false, "a"), Var(2, 2, true, true, "b"),
                                              Var(2, 3, true, true, "c")};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TCellTable read(c.readRows, QStringList(BACnet_Read_Columns));
        TCellTable write(c.writeRows, QStringList(BACnet_Write_Columns));
        if (c.ruleInReadRow >= 0) read[c.ruleInReadRow][BRd_Device] = "10.0.0.1";
        if (c.ruleInWriteRow >= 0) write[c.ruleInWriteRow][BWr_Device] = "10.0.0.1";
        const TCellTable readBefore = read;
        const TCellTable writeBefore = write;
        const auto refusal = Append_EDE_Objects(read, write, objects, "192.168.0.9", BACnet_Key_Column(0));
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->WriteTable, c.refusedInWrite);
        EXPECT_EQ(refusal->RuleRow, c.ruleRow);
        EXPECT_EQ(refusal->MissingRows, c.missingRows);
        EXPECT_EQ(read, readBefore);
        EXPECT_EQ(write, writeBefore);
    }
}

class EDEImportDialogTest : public ConfigurationFixture {
protected:
    void SetUp() override {
        ConfigurationFixture::SetUp();
        Load_Default_Texts();
        SetMessageDialogResponder([this](const MessageDialogRequest& request) {
            Messages.push_back(request.text);
            return mrOk;
        });
        File = PathIn("device.csv");
        QFile out(File);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(EDE_File_Bytes);
        out.close();
        Dialog = std::make_unique<TFImportEDEFile>(nullptr);
    }
    void TearDown() override {
        Dialog.reset();
        SetMessageDialogResponder({});
        ConfigurationFixture::TearDown();
    }
    // The BACnet editor's import reaches this picker, in a configuration of BACnet type 0.
    void Use_Picker_Under_BACnet_Type_0() {
        QFile parGen(File_ParGen);
        ASSERT_TRUE(parGen.open(QIODevice::WriteOnly));
        parGen.write("<Par_Gen><BACnet_Type>0</BACnet_Type></Par_Gen>");
        parGen.close();
        FImportEDEFile = Dialog.get();
    }
    void Show() {
        Dialog->EDE_File = File;
        Dialog->hide();
        Dialog->show();
        QCoreApplication::processEvents();
    }

    QString File;
    std::unique_ptr<TFImportEDEFile> Dialog;
    std::vector<QString> Messages;
};

TEST_F(EDEImportDialogTest, PickerShowsTheUsableObjectsAndGuardsTheWriteTick) {
    Show();
    ASSERT_EQ(Dialog->List_EDE_Var.size(), 3u);  // the device object is dropped
    TExColumnGrid& grid = *Dialog->ACG;
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Cells(4, 1), "Temp");
    EXPECT_EQ(grid.Cells(1, 1), "Y");
    EXPECT_EQ(grid.Cells(2, 1), "Y");
    EXPECT_EQ(grid.Cells(3, 1), "N");  // not settable
    EXPECT_EQ(grid.Cells(3, 2), "Y");
    EXPECT_EQ(grid.Cells(5, 3), "46");

    grid.SetCells(3, 1, "Y");
    Dialog->ACGCheckBoxClick(&grid, 3, 1, true);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0], LangText(1613) + "1" + LangText(1614));
    EXPECT_EQ(grid.Cells(3, 1), "N");
    EXPECT_FALSE(Dialog->List_EDE_Var[0].write);
    Dialog->ACGCheckBoxClick(&grid, 2, 2, false);
    EXPECT_FALSE(Dialog->List_EDE_Var[1].read);

    Dialog->Btn_Unselect_AllClick(nullptr);
    EXPECT_EQ(grid.Cells(1, 3), "N");
    EXPECT_FALSE(Dialog->List_EDE_Var[2].import);
}

TEST_F(EDEImportDialogTest, OkTestsTheDeviceByBACnetType) {
    struct Case {
        int type;
        const char* device;
        int text;  // 0: accepted
    };
    const Case cases[] = {{0, "192.168.0.9", 0}, {0, "192.168.0", 1616}, {1, "254", 0},
                          {1, "255", 1617},      {2, "", 0}};
    for (const Case& test : cases) {
        Messages.clear();
        Show();
        Dialog->SetModalResult(mrNone);
        Dialog->App_BACnet_Type = test.type;
        Dialog->E_ID_IP->SetText(test.device);
        Dialog->Btn_OKClick(nullptr);
        if (test.text == 0) {
            EXPECT_EQ(Dialog->ModalResult(), mrOk) << test.device;
        } else {
            ASSERT_EQ(Messages.size(), 1u) << test.device;
            EXPECT_EQ(Messages[0], LangText(test.text));
            EXPECT_EQ(Dialog->ModalResult(), mrNone);
        }
    }
}

// From the editor's button: the file chosen, the picker confirmed, the rules appended.
TEST_F(EDEImportDialogTest, ImportButtonAppendsThePickedObjects) {
    Use_Picker_Under_BACnet_Type_0();
    TFBACnetAccess editor(nullptr);
    editor.show();
    QCoreApplication::processEvents();
    editor.ACG1->SetCells(2, 1, "10.0.0.1");

    SetFileDialogResponder([this](const FileDialogRequest& request) -> std::optional<QString> {
        EXPECT_EQ(request.filter, "BACnet EDE File (*.csv)|*.csv");
        return File;
    });
    QTimer::singleShot(0, Dialog.get(), [this] {
        Dialog->E_ID_IP->SetText("192.168.0.9");
        Dialog->Btn_OKClick(nullptr);
    });
    editor.Btn_Import_CSVClick(nullptr);
    SetFileDialogResponder({});
    FImportEDEFile = nullptr;

    EXPECT_EQ(Last_EDE_Folder, ExtractFilePath(File));
    EXPECT_EQ(editor.ACG1->Cells(2, 2), "192.168.0.9");
    EXPECT_EQ(editor.ACG1->Cells(3, 2), "Analog Input");
    EXPECT_EQ(editor.ACG1->Cells(3, 4), "Large Analog Value");
    EXPECT_EQ(editor.ACG1->Cells(2, 5), "");
    EXPECT_EQ(editor.ACG2->Cells(3, 1), "Analog Value");
    EXPECT_EQ(editor.ACG2->Cells(4, 2), "Double");
    EXPECT_TRUE(Messages.empty());
}

// The same road by hand: the Import button clicked, the file chosen in the open dialog,
// the picker's ticks clicked (the write tick of an object that cannot be set is refused),
// the device typed and OK clicked.
TEST_F(EDEImportDialogTest, ImportByClicksAndKeys) {
    Use_Picker_Under_BACnet_Type_0();
    TFBACnetAccess editor(nullptr);
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    const auto press = [](TLbButton& button) {
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(button.width() / 2, button.height() / 2));
    };

    SetFileDialogResponder([this](const FileDialogRequest&) -> std::optional<QString> { return File; });
    bool picked = false;
    QTimer::singleShot(0, Dialog.get(), [&] {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Dialog.get()));
        TExColumnGrid& grid = *Dialog->ACG;
        Click_Cell(grid, 3, 1);  // Temp, an Analog Input, cannot be written
        Click_Cell(grid, 1, 3);  // Energy is not imported
        Click_Cell(grid, 2, 2);  // Setpoint is written only
        QTest::keyClicks(Dialog->E_ID_IP, "192.168.0.9");
        picked = true;
        press(*Dialog->Btn_OK);
    });
    press(*editor.Btn_Import_CSV);
    SetFileDialogResponder({});
    FImportEDEFile = nullptr;

    ASSERT_TRUE(picked);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0], LangText(1613) + "1" + LangText(1614));
    EXPECT_EQ(editor.ACG1->Cells(2, 1), "192.168.0.9");
    EXPECT_EQ(editor.ACG1->Cells(3, 1), "Analog Input");
    EXPECT_EQ(editor.ACG1->Cells(2, 2), "");
    EXPECT_EQ(editor.ACG2->Cells(2, 1), "192.168.0.9");
    EXPECT_EQ(editor.ACG2->Cells(3, 1), "Analog Value");
    EXPECT_EQ(editor.ACG2->Cells(2, 2), "");
}

}  // namespace

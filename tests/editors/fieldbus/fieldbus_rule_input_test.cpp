// Real keys and clicks on the Modbus master and CAN frame windows: typing into edit and
// combo cells, Y/N toggles, a click in column 0, header hints, the row buttons with
// their questions and refusals, and a language change.

#include "editors/fieldbus/can_receive_editor.h"
#include "editors/fieldbus/can_transmit_editor.h"
#include "editors/fieldbus/modbus_serial_master_editor.h"
#include "editors/fieldbus/modbus_tcp_master_editor.h"
#include "editors/fieldbus/rule_window_fixture.h"

#include "core/program_state.h"
#include "grid/core/column_grid.h"
#include "platform/file_system.h"
#include "platform/standard_controls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

namespace {

using FieldbusRuleInputTest = RuleWindowFixture;

TEST_F(FieldbusRuleInputTest, TypingIntoModbusEditAndComboCells) {
    TFModbus_TCP_Master_Set_Access editor(nullptr);
    Activate(editor);
    TExColumnGrid& read = *editor.ACG_Modbus_Read;
    Type(read, 2, 1, "192.168.1.5");
    Type(read, 3, 1, "502");
    Type(read, 5, 1, "H");
    EXPECT_EQ(read.Cells(2, 1), "192.168.1.5");
    EXPECT_EQ(read.Cells(3, 1), "502");
    EXPECT_EQ(read.Cells(5, 1), "Holding Register");
    // The Position list holds "0" ... "127": typing a number picks that number.
    Type(read, 10, 1, "12");
    EXPECT_EQ(read.Cells(10, 1), "12");
    Type(read, 10, 2, "7");
    EXPECT_EQ(read.Cells(10, 2), "7");
    // Enable and Swap toggle between "Y" and "N" with a click.
    Click(read, 1, 1);
    EXPECT_EQ(read.Cells(1, 1), "N");
    Click(read, 12, 1);
    EXPECT_EQ(read.Cells(12, 1), "Y");
    // The row-number column is never edited; a click there selects the row.
    Type(read, 0, 3, "7");
    EXPECT_EQ(read.Cells(0, 3), "3");
    Click(read, 0, 4);
    EXPECT_TRUE(read.RowSelect(4));
    EXPECT_FALSE(read.RowSelect(3));
}

TEST_F(FieldbusRuleInputTest, TypingIntoCANCellsAndHeaderHints) {
    TFTransmitCAN editor(nullptr);
    Activate(editor);
    TExColumnGrid& grid = *editor.ACG_CAN_Transmit;
    Type(grid, 2, 1, "$181");
    Type(grid, 9, 1, "None");
    EXPECT_EQ(grid.Cells(2, 1), "$181");
    EXPECT_EQ(grid.Cells(9, 1), "None");
    Click(grid, 7, 1);
    EXPECT_EQ(grid.Cells(7, 1), "Y");
    const std::pair<int, int> hints[] = {{1, 2131}, {6, 2163}, {8, 2137}, {16, 2145}, {17, 2146}};
    for (const auto& [column, text] : hints) {
        QString hint = "proposal";
        grid.OnGridHint(&grid, 0, column, hint);
        EXPECT_EQ(hint, LangText(text)) << column;
    }
    QString hint = "proposal";
    grid.OnGridHint(&grid, 1, 2, hint);
    EXPECT_EQ(hint, "");
}

// Delete asks with the window's text; Insert gives a Modbus rule an empty Enable and a
// CAN frame "Y", and refuses while the last row holds a rule.
TEST_F(FieldbusRuleInputTest, RowButtonsOnTheActivePage) {
    TFSetAccess modbus(nullptr);
    Show(modbus);
    modbus.PageControl1->SetActivePageIndex(1);
    TExColumnGrid& write = *modbus.ACG_Modbus_Write;
    write.SetCells(2, 1, "1");
    write.SetCells(2, 2, "2");
    write.FocusCell(2, 1);
    modbus.Btn_InsRow->Click();
    EXPECT_EQ(write.Cells(1, 1), "");
    EXPECT_EQ(write.Cells(2, 1), "");
    EXPECT_EQ(write.Cells(2, 2), "1");
    Answer = mrNo;
    modbus.Btn_DelRow->Click();
    EXPECT_EQ(Last_Message(), LangText(1755) + "1");
    EXPECT_EQ(write.Cells(2, 2), "1");
    Answer = mrYes;
    modbus.Btn_DelRow->Click();
    EXPECT_EQ(write.Cells(2, 1), "1");
    EXPECT_EQ(modbus.ACG_Modbus_Read->Cells(2, 1), "");  // the other page is untouched
    write.SetCells(2, 512, "9");
    Messages.clear();
    modbus.Btn_InsRow->Click();
    EXPECT_EQ(Last_Message(), Full_Table_Message(512));
    EXPECT_EQ(write.Cells(2, 512), "9");
    // A row copied on the write page does not paste on the read page.
    modbus.Btn_CopyRow->Click();
    modbus.PageControl1->SetActivePageIndex(0);
    modbus.ACG_Modbus_Read->FocusCell(2, 1);
    Messages.clear();
    modbus.Btn_PasteRow->Click();
    EXPECT_EQ(Last_Message(), LangText(902));
    EXPECT_EQ(modbus.ACG_Modbus_Read->Cells(2, 1), "");

    TFReceiveCAN can(nullptr);
    Show(can);
    can.ACG_CAN_Receive->SetCells(1, 1, "N");
    can.ACG_CAN_Receive->SetCells(2, 1, "100");
    can.ACG_CAN_Receive->FocusCell(2, 1);
    can.Btn_InsRow->Click();
    EXPECT_EQ(can.ACG_CAN_Receive->Cells(1, 1), "Y");
    EXPECT_EQ(can.ACG_CAN_Receive->Cells(2, 1), "");
    EXPECT_EQ(can.ACG_CAN_Receive->Cells(1, 2), "N");
    Messages.clear();
    can.Btn_DelRow->Click();
    EXPECT_EQ(Last_Message(), LangText(2058) + "1");
}

// The hidden On Change and On CMD cells: the TCP window writes them "N", the serial
// window writes what they hold.
TEST_F(FieldbusRuleInputTest, HiddenWriteFlags) {
    TFModbus_TCP_Master_Set_Access tcp(nullptr);
    TFSetAccess serial(nullptr);
    for (TModbusMasterEditor* editor : {static_cast<TModbusMasterEditor*>(&tcp), static_cast<TModbusMasterEditor*>(&serial)}) {
        Show(*editor);
        TExColumnGrid& write = *editor->ACG_Modbus_Write;
        EXPECT_EQ(write.TotalColCount() - write.ColCount(), 2);
        const int onChange = editor == &tcp ? 9 : 7;
        write.SetCells(2, 1, editor == &tcp ? "10.0.0.1" : "1");
        write.SetCells(onChange, 1, "Y");
        write.SetCells(onChange + 1, 1, "Y");
        editor->Btn_OK->Click();
        EXPECT_EQ(editor->ModalResult(), mrOk);
    }
    EXPECT_TRUE(Read_Whole_File(File_ModbusTCPM_SetAccess).contains(R"(OnChange="N" OnCMD="N")"));
    EXPECT_TRUE(Read_Whole_File(File_ModbusM_SetAccess).contains(R"(OnChange="Y" OnCMD="Y")"));
}

TEST_F(FieldbusRuleInputTest, LanguageChangeRelabelsTheWindows) {
    TFModbus_TCP_Master_Set_Access tcp(nullptr);
    TFSetAccess serial(nullptr);
    TFReceiveCAN receive(nullptr);
    TFTransmitCAN transmit(nullptr);
    const std::pair<int, QString> texts[] = {{1100, "TCP window"}, {1706, "Copy it"}, {1125, "Port!"},
                                             {2001, "Frames in"}, {2162, "Command"}, {2146, "Text hint"}};
    for (const auto& [number, text] : texts) SL_Lang_Texts.SetStrings(number, text);
    tcp.Set_Lang();
    serial.Set_Lang();
    receive.Set_Lang();
    transmit.Set_Lang();
    EXPECT_EQ(tcp.Caption(), "TCP window");
    EXPECT_EQ(tcp.Btn_CopyRow->Caption(), "Copy Row");  // not from the text table
    EXPECT_EQ(serial.Btn_CopyRow->Caption(), "Copy it");
    EXPECT_EQ(tcp.ACG_Modbus_Write->Columns()->Items(3)->Header(), "Port!");
    EXPECT_EQ(receive.L_SW_Desc->Caption(), "Frames in");
    EXPECT_EQ(transmit.ACG_CAN_Transmit->Columns()->Items(6)->Header(), "Command");
    EXPECT_EQ(transmit.Hint_TransmitCAN.Strings(16), "Text hint");
}

}  // namespace

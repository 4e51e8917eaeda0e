// The Modbus TCP and serial master rule editors through their windows: every check with
// its message box and no file written, the Enable rule, the questions before a save.

#include "editors/fieldbus/modbus_serial_master_editor.h"
#include "editors/fieldbus/modbus_tcp_master_editor.h"
#include "editors/fieldbus/rule_window_fixture.h"

#include "core/program_state.h"
#include "editors/rule_editor/rule_table.h"
#include "grid/core/column_grid.h"
#include "platform/file_system.h"
#include "platform/standard_controls.h"

#include <gtest/gtest.h>

namespace {

using TCells = std::vector<std::pair<int, QString>>;  // grid column, text

struct CheckCase {
    const char* name;
    bool write;
    TCells cells;      // changed in read row 2 or write row 3
    int text;          // 0: passes
    const char* bound;
};

class ModbusMasterEditorTest : public RuleWindowFixture {
protected:
    void Put(TExColumnGrid& grid, int row, const QStringList& cells) {
        for (int c = 0; c < cells.size(); ++c) grid.SetCells(c + 1, row, cells[c]);
    }
    // Runs each case on fresh valid rows: read rows 1-2 and write rows 1-3, all unticked
    // (so they are checked).
    void Run_Cases(TModbusMasterEditor& editor, const QStringList& read, const QStringList& write,
                   std::initializer_list<CheckCase> cases, int errorRow, const QString& file) {
        for (const CheckCase& test : cases) {
            Show(editor);
            editor.SetModalResult(mrNone);
            for (int r : {1, 2}) Put(*editor.ACG_Modbus_Read, r, read);
            for (int r : {1, 2, 3}) Put(*editor.ACG_Modbus_Write, r, write);
            TExColumnGrid& grid = test.write ? *editor.ACG_Modbus_Write : *editor.ACG_Modbus_Read;
            const int row = test.write ? 3 : 2;
            for (const auto& [column, text] : test.cells) grid.SetCells(column, row, text);
            Messages.clear();
            QFile::remove(file);
            editor.Btn_OK->Click();
            if (test.text == 0) {
                EXPECT_TRUE(Messages.empty()) << test.name << ": " << Last_Message().toStdString();
                EXPECT_TRUE(FileExists(file)) << test.name;
                continue;
            }
            ASSERT_EQ(Messages.size(), 1u) << test.name;
            EXPECT_EQ(Messages[0], LangText(errorRow) + QString::number(row) + LangText(test.text) +
                                       QString::fromLatin1(test.bound)) << test.name;
            EXPECT_FALSE(FileExists(file)) << test.name;
            EXPECT_NE(editor.ModalResult(), mrOk) << test.name;
            // The page and the cell the message is about become current.
            EXPECT_EQ(editor.PageControl1->ActivePageIndex(), test.write ? 1 : 0) << test.name;
            EXPECT_EQ(grid.Row(), row) << test.name;
        }
    }
};

TEST(ModbusIPAddress, OnlyFourPartsOfByteValuesAreValid) {
    const std::pair<const char*, bool> cases[] = {
        {"10.0.0.1", false},  {"192.168.1.125", false}, {"255.255.255.255", false}, {"0x0A. 0.0.$1", false},
        {"", true},           {"1.2.3", true},          {"1.2.3.4.5", true},        {"256.1.1.1", true},
        {"1.2.3.4 ", true},   {"a.b.c.d", true},        {"1..2.3", true},           {"-1.0.0.0", true},
    };
    for (const auto& [text, invalid] : cases) EXPECT_EQ(Check_IP_Address(QString::fromLatin1(text)), invalid) << text;
}

TEST_F(ModbusMasterEditorTest, TCPChecksEachCellInOrder) {
    TFModbus_TCP_Master_Set_Access editor(nullptr);
    const QStringList read = {"N", "192.168.1.10", "502", "1", "Holding Register", "0", "4", "1000", "3", "0", "0", "N", "Tank"};
    const QStringList write = {"N", "192.168.1.11", "502", "2", "Holding Register", "100", "2", "0", "", "", "5", "10", "0", "N", "Set"};
    Run_Cases(editor, read, write,
              {
                  {"valid rows", false, {}, 0, ""},
                  {"three-part address", false, {{2, "192.168.1"}}, 1139, ""},
                  {"five-part address", false, {{2, "1.2.3.4.5"}}, 1139, ""},
                  {"port above range", false, {{3, "65536"}}, 1140, ""},
                  {"port in hex with a leading blank", false, {{3, " $FFFF"}}, 0, ""},
                  {"port with a trailing blank", false, {{3, "502 "}}, 1140, ""},
                  {"enabled row passes unchecked", false, {{1, " Y "}, {3, "abc"}}, 0, ""},
                  {"lower-case y is checked", false, {{1, "y"}, {3, "abc"}}, 1140, ""},
                  {"slave 0", false, {{4, "0"}}, 1141, ""},
                  {"slave 0xF7", false, {{4, "0xF7"}}, 0, ""},
                  {"no type", false, {{5, ""}}, 1142, ""},
                  {"address above range", false, {{6, "65536"}}, 1143, ""},
                  {"126 registers", false, {{7, "126"}}, 1144, "125"},
                  {"two blanks make a register rule", false, {{5, "Holding  Status"}, {7, "126"}}, 1144, "125"},
                  {"1024 coils to the last byte", false, {{5, " coil status "}, {7, "1024"}}, 0, ""},
                  {"2001 inputs", false, {{5, "INPUT STATUS"}, {7, "2001"}}, 1144, "2000"},
                  {"poll time 0", false, {{8, "0"}}, 1145, ""},
                  {"max error -1", false, {{9, "-1"}}, 1146, ""},
                  {"position 128", false, {{10, "128"}}, 1147, "127"},
                  {"bit rule without start bit", false, {{5, "Coil Status"}, {11, ""}}, 1148, ""},
                  {"register rule without start bit", false, {{11, ""}}, 0, ""},
                  {"last byte 127", false, {{10, "120"}, {7, "4"}}, 0, ""},
                  {"last byte 128", false, {{10, "120"}, {7, "5"}}, 1149, ""},
                  {"bits past the end", false, {{5, "Coil Status"}, {10, "127"}, {11, "7"}, {7, "2"}}, 1149, ""},
                  {"bits to the end", false, {{5, "Coil Status"}, {10, "127"}, {11, "0"}, {7, "8"}}, 0, ""},
                  {"write address", true, {{2, "300.1.1.1"}}, 1150, ""},
                  {"write port", true, {{3, "-1"}}, 1151, ""},
                  {"write slave", true, {{4, "248"}}, 1152, ""},
                  {"write no type", true, {{5, ""}}, 1153, ""},
                  {"write address", true, {{6, "x10000"}}, 1154, ""},
                  {"write 124 registers", true, {{7, "124"}}, 1155, "123"},
                  {"write input status is a register rule", true, {{5, "Input Status"}, {7, "124"}}, 1155, "123"},
                  {"write 1969 coils", true, {{5, "Coil Status"}, {7, "1969"}}, 1155, "1968"},
                  {"write poll time 0", true, {{8, "0"}}, 0, ""},
                  {"write poll time above range", true, {{8, "100000001"}}, 1156, ""},
                  {"write max error", true, {{11, ""}}, 1157, ""},
                  {"write position 1540", true, {{12, "1540"}}, 1158, "1539"},
                  {"write coils without start bit", true, {{5, "Coil Status"}, {13, " "}}, 0, ""},
                  {"write coils with an empty start bit", true, {{5, "Coil Status"}, {13, ""}}, 1159, ""},
                  {"write last byte 1540", true, {{12, "1539"}, {7, "1"}}, 1160, ""},
                  {"write enabled row unchecked", true, {{1, "Y"}, {12, "9999"}}, 0, ""},
              },
              1138, File_ModbusTCPM_SetAccess);
}

TEST_F(ModbusMasterEditorTest, SerialChecksEachCellInOrder) {
    TFSetAccess editor(nullptr);
    const QStringList read = {"N", "1", "Input Register", "0", "4", "1000", "3", "0", "0", "N", "Pump"};
    const QStringList write = {"N", "2", "Coil Status", "100", "8", "0", "N", "N", "5", "10", "0", "N", "Valve"};
    Run_Cases(editor, read, write,
              {
                  {"valid rows", false, {}, 0, ""},
                  {"slave 0", false, {{2, "0"}}, 1737, ""},
                  {"slave 0 enabled", false, {{1, "Y"}, {2, "0"}}, 0, ""},
                  {"no type", false, {{3, ""}}, 1738, ""},
                  {"address", false, {{4, "70000"}}, 1739, ""},
                  {"126 registers", false, {{5, "126"}}, 1740, "125"},
                  {"poll time 0", false, {{6, "0"}}, 1741, ""},
                  {"max error", false, {{7, "abc"}}, 1742, ""},
                  {"position", false, {{8, "$80"}}, 1743, "127"},
                  {"no start bit", false, {{3, "Input Status"}, {9, ""}}, 1744, ""},
                  {"last byte", false, {{8, "127"}, {5, "1"}}, 1745, ""},
                  {"write slave", true, {{2, "248"}}, 1746, ""},
                  {"write no type", true, {{3, ""}}, 1747, ""},
                  {"write address", true, {{4, "-5"}}, 1748, ""},
                  {"write 1969 coils", true, {{5, "1969"}}, 1749, "1968"},
                  {"write poll time", true, {{6, "100000001"}}, 1750, ""},
                  {"write max error", true, {{9, ""}}, 1751, ""},
                  {"write position 1540", true, {{10, "1540"}}, 1752, "1539"},
                  {"write no start bit", true, {{11, ""}}, 1753, ""},
                  {"write last byte", true, {{10, "1539"}, {11, "7"}, {5, "2"}}, 1754, ""},
              },
              1736, File_ModbusM_SetAccess);
}

// Rows below the first empty key cell are asked about; No saves nothing.
TEST_F(ModbusMasterEditorTest, RulesBelowAnEmptyKeyAreAskedAbout) {
    TFSetAccess editor(nullptr);
    Show(editor);
    editor.ACG_Modbus_Read->SetCells(2, 2, "0");  // would fail, yet lies below the empty row 1
    editor.ACG_Modbus_Read->SetCells(2, 5, "7");
    Answer = mrNo;
    editor.Btn_OK->Click();
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0], Rules_Below_Gap_Question({2, 2}));
    EXPECT_FALSE(FileExists(File_ModbusM_SetAccess));
    Answer = mrYes;
    editor.Btn_OK->Click();
    EXPECT_EQ(editor.ModalResult(), mrOk);
    EXPECT_EQ(Read_Whole_File(File_ModbusM_SetAccess),
              "<EtherNetIP_to_Modbus>\n  <Modbus_Read />\n  <Modbus_Write />\n</EtherNetIP_to_Modbus>\n"
              "<!--SW_VERSION = 1.101-->\n");
}

}  // namespace

// The CANopen PDO, SDO client and SDO server editors through their windows: every check
// with its message box, its page and cell made current and no file written; real keys
// and clicks on the tables; the row buttons on the active page; a language change.

#include "editors/fieldbus/canopen_pdo_editor.h"
#include "editors/fieldbus/canopen_sdo_client_editor.h"
#include "editors/fieldbus/canopen_sdo_server_editor.h"
#include "editors/fieldbus/rule_window_fixture.h"

#include "core/program_state.h"
#include "editors/rule_editor/rule_table.h"
#include "grid/core/column_grid.h"
#include "platform/file_system.h"
#include "platform/standard_controls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

namespace {

struct CheckCase {
    const char* name;
    int table;  // 0: first page, 1: second
    std::vector<std::pair<int, QString>> cells;  // grid column, text, changed in row 2
    int text;   // 0: passes; -1: passes after the question about the rule below the gap
    int column; // the cell made current
    bool bound = false;
};

class CANopenRuleEditorTest : public RuleWindowFixture {
protected:
    // Rows 1 to 3 of both tables hold the valid rows, row 2 then gets the case's cells.
    void Run_Cases(TCANopenRuleEditor& editor, const std::array<QStringList, 2>& valid, int errorRow,
                   const QString& file, std::initializer_list<CheckCase> cases) {
        for (const CheckCase& test : cases) {
            SCOPED_TRACE(test.name);
            Show(editor);
            editor.SetModalResult(mrNone);
            const std::array<TExColumnGrid*, 2> grids = {editor.sga, editor.sgb};
            for (std::size_t t = 0; t < 2; ++t)
                for (int r : {1, 2, 3})
                    for (int c = 0; c < valid[t].size(); ++c) grids[t]->SetCells(c + 1, r, valid[t][c]);
            for (const auto& [column, text] : test.cells) grids[std::size_t(test.table)]->SetCells(column, 2, text);
            Messages.clear();
            QFile::remove(file);
            editor.Btn_OK->Click();
            if (test.text <= 0) {
                if (test.text == 0) EXPECT_TRUE(Messages.empty()) << Last_Message().toStdString();
                else EXPECT_EQ(Messages, std::vector<QString>({Rules_Below_Gap_Question({3, 1})}));
                EXPECT_EQ(editor.ModalResult(), mrOk);
                continue;
            }
            ASSERT_EQ(Messages.size(), 1u);
            EXPECT_EQ(Messages[0], LangText(errorRow) + "2" + LangText(test.text) + (test.bound ? "1439" : ""));
            EXPECT_FALSE(FileExists(file));
            EXPECT_NE(editor.ModalResult(), mrOk);
            EXPECT_EQ(editor.PageControl1->ActivePageIndex(), test.table);
            EXPECT_EQ(grids[std::size_t(test.table)]->Row(), 2);
            EXPECT_EQ(grids[std::size_t(test.table)]->Col(), test.column);
        }
    }
};

TEST_F(CANopenRuleEditorTest, PDOChecksByDimension) {
    TFSet_PDO_Access editor(nullptr);
    const std::array<QStringList, 2> valid = {
        QStringList{"0x181", "3", "0", "1", "2", "x", "x", "", "", "", "1000", "In"},
        QStringList{"$201", "2", "1438", "1439", "", "", "", "", "", "", "100", "Y", "Out"}};
    Run_Cases(editor, valid, 2268, File_PDO_CANopen,
              {
                  {"valid rows, positions past the Dimension hold anything", 0, {}, 0, 0},
                  {"COB-ID 2047 in decimal", 0, {{1, "2047"}}, 0, 0},
                  {"COB-ID $7FF", 0, {{1, "$7FF"}}, 0, 0},
                  {"COB-ID with a leading blank", 0, {{1, " 0x7FF"}}, 0, 0},
                  {"COB-ID 0x800", 0, {{1, "0x800"}}, 2269, 1},
                  {"COB-ID with a trailing blank", 0, {{1, "0x7FF "}}, 2269, 1},
                  {"Dimension 0", 0, {{2, "0"}}, 2270, 2},
                  {"Dimension 9", 0, {{2, "9"}}, 2270, 2},
                  {"Add B2 at 1440", 0, {{4, "1440"}}, 2272, 4, true},
                  {"Add B3 not a number", 0, {{5, "a"}}, 2273, 5, true},
                  {"Add B8 with Dimension 8", 0, {{2, "8"}, {6, "3"}, {7, "4"}, {8, "5"}, {9, "6"}, {10, "-1"}}, 2278, 10, true},
                  {"TimeOut 65536", 0, {{11, "65536"}}, 2279, 11},
                  {"TimeOut empty", 0, {{11, ""}}, 2279, 11},
                  {"a blank COB-ID ends the table", 0, {{1, "  "}, {2, "99"}}, -1, 0},
                  {"transmit COB-ID", 1, {{1, "2048"}}, 2280, 1},
                  {"transmit Dimension", 1, {{2, "x"}}, 2281, 2},
                  {"transmit Add B1", 1, {{3, "$5A0"}}, 2282, 3, true},
                  {"transmit Add B2", 1, {{4, "1440"}}, 2283, 4, true},
                  {"transmit Add B3 past the Dimension", 1, {{5, "9999"}}, 0, 0},
                  {"transmit Send Time 100000000", 1, {{11, "100000000"}}, 0, 0},
                  {"transmit Send Time above", 1, {{11, "100000001"}}, 2290, 11},
                  {"On Change and Mnemonic are not checked", 1, {{12, "?"}, {13, "<&>"}}, 0, 0},
              });
}

TEST_F(CANopenRuleEditorTest, SDOClientChecksByNByte) {
    TFSet_SDO_Client_Access editor(nullptr);
    const std::array<QStringList, 2> valid = {
        QStringList{"5", "0x6041", "0", "2", "100", "0", "1", "x", "x", "Status"},
        QStringList{"127", "4096", "255", "4", "0", "Y", "0", "1", "2", "1439", "Control"}};
    Run_Cases(editor, valid, 2360, File_SDO_Client_CANopen,
              {
                  {"valid rows", 0, {}, 0, 0},
                  {"Device ID 0", 0, {{1, "0"}}, 2361, 1},
                  {"Device ID 128", 0, {{1, "128"}}, 2361, 1},
                  {"Index 0x1000", 0, {{2, "0x1000"}}, 0, 0},
                  {"Index 0x0FFF", 0, {{2, "0x0FFF"}}, 2362, 2},
                  {"Index 0x10000", 0, {{2, "0x10000"}}, 2362, 2},
                  {"SubIndex 256", 0, {{3, "256"}}, 2363, 3},
                  {"N Byte 3", 0, {{4, "3"}}, 2364, 4},
                  {"read Poll Time 0", 0, {{5, "0"}}, 2365, 5},
                  {"Add Byte1", 0, {{6, ""}}, 2366, 6, true},
                  {"Add Byte2 with N Byte 2", 0, {{7, "1440"}}, 2367, 7, true},
                  {"Add Byte3 with N Byte 4", 0, {{4, "4"}, {8, "9"}, {9, "x"}}, 2369, 9, true},
                  {"Add Byte2 with N Byte 1", 0, {{4, "1"}, {7, "x"}}, 0, 0},
                  {"write Device ID", 1, {{1, "$80"}}, 2370, 1},
                  {"write Index", 1, {{2, "$FFF"}}, 2371, 2},
                  {"write SubIndex", 1, {{3, "-1"}}, 2372, 3},
                  {"write N Byte", 1, {{4, "8"}}, 2373, 4},
                  {"write Poll Time 0 passes", 1, {{5, "0"}}, 0, 0},
                  {"write Poll Time above", 1, {{5, "100000001"}}, 2374, 5},
                  {"write Add Byte1", 1, {{7, "1440"}}, 2375, 7, true},
                  {"write Add Byte4", 1, {{10, "x"}}, 2378, 10, true},
              });
}

TEST_F(CANopenRuleEditorTest, SDOServerChecksByNByte) {
    TFSet_SDO_Server_Access editor(nullptr);
    const std::array<QStringList, 2> valid = {QStringList{"0x2000", "0", "2", "0", "1", "x", "", "Level"},
                                              QStringList{"24575", "0xFF", "4", "2", "3", "4", "5", "Scene"}};
    Run_Cases(editor, valid, 2450, File_SDO_Server_CANopen,
              {
                  {"valid rows", 0, {}, 0, 0},
                  {"Index 8192 in decimal", 0, {{1, "8192"}}, 0, 0},
                  {"Index 0x5FFF", 0, {{1, "0x5FFF"}}, 0, 0},
                  {"Index 0x6000", 0, {{1, "0x6000"}}, 2451, 1},
                  {"Index 0x1FFF", 0, {{1, "0x1FFF"}}, 2451, 1},
                  {"SubIndex 0x00", 0, {{2, "0x00"}}, 0, 0},
                  {"SubIndex 256", 0, {{2, "256"}}, 2452, 2},
                  {"N Byte 0", 0, {{3, "0"}}, 2453, 3},
                  {"N Byte 1 checks Add Byte1 only", 0, {{3, "1"}, {5, "x"}}, 0, 0},
                  {"Add Byte1", 0, {{4, "1440"}}, 2454, 4, true},
                  {"Add Byte2", 0, {{5, " 1"}, {4, "1 "}}, 2454, 4, true},
                  {"write Index", 1, {{1, "$6000"}}, 2458, 1},
                  {"write SubIndex", 1, {{2, "x"}}, 2459, 2},
                  {"write N Byte", 1, {{3, "2 "}}, 2460, 3},
                  {"write Add Byte3", 1, {{6, "1440"}}, 2463, 6, true},
                  {"the same object in both tables is saved", 1, {{1, "0x2000"}, {2, "0"}}, 0, 0},
              });
}

class CANopenRuleInputTest : public RuleWindowFixture {
protected:
    static QString Hint(TExColumnGrid& grid, int row, int col) {
        QString hint = "proposal";
        grid.OnGridHint(&grid, row, col, hint);
        return hint;
    }
};

TEST_F(CANopenRuleInputTest, TypingTogglesAndRowSelection) {
    TFSet_PDO_Access editor(nullptr);
    Activate(editor);
    Type(*editor.sga, 1, 1, "0x181");
    Type(*editor.sga, 2, 1, "2");
    EXPECT_EQ(editor.sga->Cells(1, 1), "0x181");
    EXPECT_EQ(editor.sga->Cells(2, 1), "2");
    // The row-number column is never edited; a click there selects the row.
    Type(*editor.sga, 0, 3, "7");
    EXPECT_EQ(editor.sga->Cells(0, 3), "3");
    Click(*editor.sga, 0, 4);
    EXPECT_TRUE(editor.sga->RowSelect(4));
    EXPECT_FALSE(editor.sga->RowSelect(3));

    editor.PageControl1->SetActivePageIndex(1);
    QApplication::processEvents();
    Type(*editor.sgb, 1, 1, "$201");
    EXPECT_EQ(editor.sgb->Cells(1, 1), "$201");
    // On Change starts empty and toggles between "Y" and "N".
    Click(*editor.sgb, 12, 1);
    const QString first = editor.sgb->Cells(12, 1);
    EXPECT_TRUE(first == "Y" || first == "N") << first.toStdString();
    Click(*editor.sgb, 12, 1);
    EXPECT_EQ(editor.sgb->Cells(12, 1), first == "Y" ? "N" : "Y");
}

TEST_F(CANopenRuleInputTest, EnterAndHeaderDoubleClickFollowTheirOptions) {
    TFSet_SDO_Server_Access editor(nullptr);
    Activate(editor);
    Enable_Jump_Field = true;
    editor.PageControl1->SetActivePageIndex(1);
    QApplication::processEvents();
    Type(*editor.sgb, 1, 1, "0x2000");
    EXPECT_EQ(editor.sgb->Cells(1, 1), "0x2000");
    EXPECT_EQ(editor.sgb->Col(), 2);
    EXPECT_EQ(editor.sgb->Row(), 1);
    Enable_Jump_Field = false;

    // A double click on a header sizes its column to the contents, with that option on.
    Enable_Auto_Size = true;
    editor.sgb->SetCells(8, 2, "A description far longer than the Mnemonic column is wide");
    const int before = editor.sgb->ColWidths(8);
    const TRect header = editor.sgb->CellRect(8, 0);
    QTest::mouseDClick(editor.sgb->viewport(), Qt::LeftButton, {},
                       QPoint((header.Left + header.Right) / 2, (header.Top + header.Bottom) / 2));
    QApplication::processEvents();
    EXPECT_GT(editor.sgb->ColWidths(8), before);
    Enable_Auto_Size = false;
}

// Header hints come from the list of the active page, whichever grid asks.
TEST_F(CANopenRuleInputTest, HeaderHintsOfTheActivePage) {
    TFSet_SDO_Client_Access client(nullptr);
    Show(client);
    EXPECT_EQ(Hint(*client.sga, 0, 1), LangText(2339));
    EXPECT_EQ(Hint(*client.sga, 0, 10), LangText(2348));
    EXPECT_EQ(Hint(*client.sga, 1, 1), "");
    client.PageControl1->SetActivePageIndex(1);
    EXPECT_EQ(Hint(*client.sgb, 0, 6), LangText(2354));
    EXPECT_EQ(Hint(*client.sga, 0, 6), LangText(2354));
    EXPECT_EQ(Hint(*client.sgb, 0, 11), LangText(2359));
    EXPECT_EQ(client.Hint_SDO_Client_Write.Count(), 11);

    TFSet_PDO_Access pdo(nullptr);
    Show(pdo);
    EXPECT_EQ(Hint(*pdo.sga, 0, 11), LangText(2253));
    pdo.PageControl1->SetActivePageIndex(1);
    EXPECT_EQ(Hint(*pdo.sgb, 0, 12), LangText(2266));
    EXPECT_EQ(Hint(*pdo.sgb, 0, 14), "");
}

// Delete asks with the window's text; Insert leaves the new row empty and refuses while
// the last row holds a rule; Copy on one page does not paste on the other.
TEST_F(CANopenRuleInputTest, RowButtonsOnTheActivePage) {
    TFSet_PDO_Access editor(nullptr);
    Show(editor);
    editor.PageControl1->SetActivePageIndex(1);
    TExColumnGrid& transmit = *editor.sgb;
    transmit.SetCells(1, 1, "1");
    transmit.SetCells(1, 2, "2");
    transmit.FocusCell(1, 1);
    editor.Btn_InsRow->Click();
    EXPECT_EQ(transmit.Cells(1, 1), "");
    EXPECT_EQ(transmit.Cells(12, 1), "");
    EXPECT_EQ(transmit.Cells(1, 2), "1");
    Answer = mrNo;
    editor.Btn_DelRow->Click();
    EXPECT_EQ(Last_Message(), LangText(2291) + "1");
    EXPECT_EQ(transmit.Cells(1, 2), "1");
    Answer = mrYes;
    editor.Btn_DelRow->Click();
    EXPECT_EQ(transmit.Cells(1, 1), "1");
    EXPECT_EQ(editor.sga->Cells(1, 1), "");  // the other page is untouched

    transmit.SetCells(1, 30, "9");
    Messages.clear();
    editor.Btn_InsRow->Click();
    EXPECT_EQ(Last_Message(), Full_Table_Message(30));
    EXPECT_EQ(transmit.Cells(1, 30), "9");

    editor.Btn_CopyRow->Click();
    EXPECT_TRUE(editor.Do_Copy_Transmit_PDO);
    EXPECT_FALSE(editor.Do_Copy_Receive_PDO);
    editor.PageControl1->SetActivePageIndex(0);
    editor.sga->FocusCell(1, 1);
    Messages.clear();
    editor.Btn_PasteRow->Click();
    EXPECT_EQ(Last_Message(), LangText(902));
    EXPECT_EQ(editor.sga->Cells(1, 1), "");
    // A copy on the receive page clears the transmit flag.
    editor.sga->SetCells(1, 1, "0x181");
    editor.Btn_CopyRow->Click();
    EXPECT_TRUE(editor.Do_Copy_Receive_PDO);
    EXPECT_FALSE(editor.Do_Copy_Transmit_PDO);
    editor.sga->FocusCell(1, 2);
    editor.Btn_PasteRow->Click();
    EXPECT_EQ(editor.sga->Cells(1, 2), "0x181");
}

// OK never drops the rules below an empty key cell without asking; No keeps the window open.
TEST_F(CANopenRuleInputTest, RulesBelowAnEmptyKeyAreAskedAbout) {
    TFSet_SDO_Server_Access editor(nullptr);
    Show(editor);
    const QStringList row = {"0x2000", "1", "1", "0", "", "", "", "Lamp"};
    for (int r : {1, 3, 5})
        for (int c = 0; c < row.size(); ++c) editor.sgb->SetCells(c + 1, r, row[c]);
    editor.sgb->SetCells(2, 3, "2");
    editor.sgb->SetCells(2, 5, "3");
    Answer = mrNo;
    Messages.clear();
    editor.Btn_OK->Click();
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0], Rules_Below_Gap_Question({3, 2}));
    EXPECT_FALSE(FileExists(File_SDO_Server_CANopen));
    EXPECT_NE(editor.ModalResult(), mrOk);
    Answer = mrYes;
    editor.Btn_OK->Click();
    EXPECT_EQ(editor.ModalResult(), mrOk);
    const QByteArray written = Read_Whole_File(File_SDO_Server_CANopen);
    EXPECT_EQ(written.count("<row "), 1);
}

TEST_F(CANopenRuleInputTest, LanguageChangeRelabelsTheWindows) {
    TFSet_PDO_Access pdo(nullptr);
    TFSet_SDO_Client_Access client(nullptr);
    TFSet_SDO_Server_Access server(nullptr);
    const std::pair<int, QString> texts[] = {{2200, "PDO window"}, {2215, "Sent"},    {2241, "Change"},
                                             {2313, "Paste hint"}, {2348, "Text!"},   {2401, "Objects"},
                                             {2433, "Name"},       {2404, "Remove"}};
    for (const auto& [number, text] : texts) SL_Lang_Texts.SetStrings(number, text);
    pdo.Set_Lang();
    client.Set_Lang();
    server.Set_Lang();
    EXPECT_EQ(pdo.Caption(), "PDO window");
    EXPECT_EQ(pdo.PageControl1->tabText(1), "Sent");
    EXPECT_EQ(pdo.sgb->Columns()->Items(12)->Header(), "Change");
    EXPECT_EQ(client.Btn_PasteRow->Hint(), "Paste hint");
    EXPECT_EQ(client.Hint_SDO_Client_Read.Strings(9), "Text!");
    EXPECT_EQ(server.L_SW_Desc->Caption(), "Objects");
    EXPECT_EQ(server.sgb->Columns()->Items(8)->Header(), "Name");
    EXPECT_EQ(server.Btn_DelRow->Caption(), "Remove");
}

}  // namespace

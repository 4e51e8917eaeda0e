// The CAN receive and send frame rule editors through their windows: every check with
// its message box and no file written, the Enable rule, loading defaults, the row
// buttons and the header hints.

#include "editors/fieldbus/can_receive_editor.h"
#include "editors/fieldbus/can_transmit_editor.h"
#include "editors/fieldbus/rule_window_fixture.h"

#include "core/program_state.h"
#include "editors/rule_editor/rule_table.h"
#include "grid/core/column_grid.h"
#include "platform/file_system.h"

#include <gtest/gtest.h>

namespace {

using TCells = std::vector<std::pair<int, QString>>;  // grid column, text

struct CheckCase {
    const char* name;
    TCells cells;  // changed in row 2
    int text;      // 0: passes
    const char* bound;
};

class CANFrameEditorTest : public RuleWindowFixture {
protected:
    void Run_Cases(TCANFrameEditor& editor, TExColumnGrid& grid, const QStringList& valid,
                   std::initializer_list<CheckCase> cases, int errorRow, const QString& file) {
        for (const CheckCase& test : cases) {
            Show(editor);
            editor.SetModalResult(mrNone);
            for (int r : {1, 2, 3})
                for (int c = 0; c < valid.size(); ++c) grid.SetCells(c + 1, r, valid[c]);
            for (const auto& [column, text] : test.cells) grid.SetCells(column, 2, text);
            Messages.clear();
            QFile::remove(file);
            editor.Btn_OK->Click();
            if (test.text == 0) {
                EXPECT_TRUE(Messages.empty()) << test.name << ": " << Last_Message().toStdString();
                EXPECT_EQ(editor.ModalResult(), mrOk) << test.name;
                continue;
            }
            ASSERT_EQ(Messages.size(), 1u) << test.name;
            EXPECT_EQ(Messages[0], LangText(errorRow) + "2" + LangText(test.text) + QString::fromLatin1(test.bound))
                << test.name;
            EXPECT_FALSE(FileExists(file)) << test.name;
            EXPECT_NE(editor.ModalResult(), mrOk) << test.name;
            EXPECT_EQ(grid.Row(), 2) << test.name;
        }
    }
};

TEST_F(CANFrameEditorTest, ReceiveChecksEnabledRows) {
    TFReceiveCAN editor(nullptr);
    const QStringList valid = {"Y", "$181", "2.0A (11 bits)", "4", "1000", "0", "1", "None", "", "", "", "", "", "Speed"};
    Run_Cases(editor, *editor.ACG_CAN_Receive, valid,
              {
                  {"valid rows", {}, 0, ""},
                  {"disabled row passes unchecked", {{1, "N"}, {2, "abc"}}, 0, ""},
                  {"lower-case y is checked", {{1, " y "}, {2, "abc"}}, 2045, ""},
                  {"11-bit CobID 2048", {{2, "2048"}}, 2045, ""},
                  {"11-bit CobID 7FF in hex", {{2, "0x7FF"}}, 0, ""},
                  {"11-bit CobID with a leading blank", {{2, " 2047"}}, 0, ""},
                  {"11-bit CobID with a trailing blank", {{2, "2047 "}}, 2045, ""},
                  {"empty type is 29 bits", {{3, ""}, {2, "536870911"}}, 0, ""},
                  {"29-bit CobID above range", {{3, "2.0B (29 bits)"}, {2, "$20000000"}}, 2046, ""},
                  {"dimension 0", {{4, "0"}}, 2047, ""},
                  {"dimension 9", {{4, "9"}}, 2047, ""},
                  {"timeout above range", {{5, "100000001"}}, 2048, ""},
                  {"timeout 0", {{5, "0"}}, 0, ""},
                  {"byte 1 lower-case none", {{6, "none"}}, 2049, "131 or None"},
                  {"byte 1 at 131", {{6, "131"}}, 0, ""},
                  {"byte 1 at 132", {{6, "132"}}, 2049, "131 or None"},
                  {"byte 4 not a number", {{9, "abc"}}, 2053, "131 or None"},
                  {"byte 4 beyond dimension 3", {{4, "3"}, {9, "abc"}}, 0, ""},
                  {"byte 8 at -1", {{4, "8"}, {13, "-1"}}, 2057, "131 or None"},
                  {"blank byte passes", {{7, "  "}}, 0, ""},
              },
              2044, File_CAN_Rec_Frames);
}

TEST_F(CANFrameEditorTest, TransmitChecksEnabledRows) {
    TFTransmitCAN editor(nullptr);
    const QStringList valid = {"Y", "0x200", "2.0A (11 bits)", "2", "Y", "N", "N", "", "10", "511", "", "", "", "", "", "", "Out"};
    Run_Cases(editor, *editor.ACG_CAN_Transmit, valid,
              {
                  {"valid rows", {}, 0, ""},
                  {"11-bit CobID", {{2, "4096"}}, 2148, ""},
                  {"29-bit CobID", {{3, "2.0B (29 bits)"}, {2, "-1"}}, 2149, ""},
                  {"dimension", {{4, ""}}, 2150, ""},
                  {"no timer, bad time", {{8, "abc"}}, 0, ""},
                  {"timer, bad time", {{7, "y"}, {8, "abc"}}, 2151, ""},
                  {"timer, time 0", {{7, "Y"}, {8, "0"}}, 0, ""},
                  {"byte 1 at 512", {{9, "512"}}, 2152, "511 or None"},
                  {"byte 2 at 512", {{10, "512"}}, 2154, "511 or None"},
                  {"byte 3 beyond dimension 2", {{11, "abc"}}, 0, ""},
                  {"byte 8", {{4, "8"}, {16, "x"}}, 2160, "511 or None"},
              },
              2147, File_CAN_Send_Frames);
}

// An inserted row leaves its CobID empty: OK asks before it drops the frames below, No
// keeps the window open and writes nothing, Yes saves the frames above the gap.
TEST_F(CANFrameEditorTest, FramesBelowAnEmptyCobIDAreAskedAbout) {
    TFReceiveCAN editor(nullptr);
    Show(editor);
    TExColumnGrid& grid = *editor.ACG_CAN_Receive;
    const QStringList valid = {"Y", "$181", "2.0A (11 bits)", "1", "0", "0", "", "", "", "", "", "", "", "Level"};
    for (int r : {1, 2})
        for (int c = 0; c < valid.size(); ++c) grid.SetCells(c + 1, r, valid[c]);
    grid.FocusCell(2, 1);
    editor.Btn_InsRow->Click();
    ASSERT_EQ(grid.Cells(2, 1), "");
    Answer = mrNo;
    Messages.clear();
    editor.Btn_OK->Click();
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0], Rules_Below_Gap_Question({2, 2}));
    EXPECT_FALSE(FileExists(File_CAN_Rec_Frames));
    EXPECT_NE(editor.ModalResult(), mrOk);
    Answer = mrYes;
    editor.Btn_OK->Click();
    EXPECT_EQ(editor.ModalResult(), mrOk);
    EXPECT_FALSE(Read_Whole_File(File_CAN_Rec_Frames).contains("<row"));
}

}  // namespace

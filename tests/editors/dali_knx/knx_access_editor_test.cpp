// The KNX rule editor as a user meets it: its checks, its rows, its file.

#include "editors/dali_knx/knx_access_check.h"
#include "editors/dali_knx/knx_access_editor.h"
#include "editors/dali_knx/knx_access_file.h"

#include "editors/configuration_fixture.h"
#include "editors/golden_files.h"
#include "core/text_table.h"
#include "grid/core/column_grid.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

namespace {

// A rule that passes every check: byte mode, position 10, length 2.
QStringList Valid_Rule() {
    return {"Y", "1.1.20", "1/2/3", "Write", "Normal", "Swap16", "1.5", "N", "N",
            "N", "Y",      "N",     "",      "10",     "No",     "2",    "0",  "Lamp"};
}

TCellTable Table_With(const QStringList& rule) { return TCellTable{Valid_Rule(), rule}; }

class KNXAccessCheckTest : public ConfigurationFixture {
protected:
    void SetUp() override {
        ConfigurationFixture::SetUp();
        Load_Default_Texts();
    }
};

// Each check of the table: the cells, the message (text, row, bound) and the cell named.
TEST_F(KNXAccessCheckTest, EveryCheckStepGivesItsMessageAndCell) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, const char*>> cells;
        int text;  // 0: the row passes
        const char* bound;
        int column;
    };
    const Case cases[] = {
        {"valid", {}, 0, "", 0},
        {"source not an individual address", {{KNX_Source_Address, "1/1/20"}}, 2649, "", KNX_Source_Address},
        {"group destination out of range", {{KNX_Destination_Address, "32/8/256"}}, 2651, "", KNX_Destination_Address},
        {"individual destination", {{KNX_Destination_Address, "1.1"}}, 2650, "", KNX_Destination_Address},
        {"APCI read in lower case", {{KNX_APCI, "read"}}, 0, "", 0},
        {"APCI number", {{KNX_APCI, "1023"}}, 0, "", 0},
        {"APCI out of range", {{KNX_APCI, "1024"}}, 2652, "", KNX_APCI},
        {"priority in lower case", {{KNX_Priority, "normal"}}, 2653, "", KNX_Priority},
        {"format unknown", {{KNX_Format, "Swap64"}}, 2654, "", KNX_Format},
        {"format any case", {{KNX_Format, " swap32 "}}, 0, "", 0},
        {"factor not a number", {{KNX_MultiplicationFactor, "1,5x"}}, 2665, "", KNX_MultiplicationFactor},
        {"poll time with the timer", {{KNX_On_Timer, "y"}, {KNX_Poll_Time, "0"}}, 2655, "", KNX_Poll_Time},
        {"poll time without the timer", {{KNX_Poll_Time, "0"}}, 0, "", 0},
        {"position beyond the area", {{KNX_Position, "1500"}}, 2656, "1499", KNX_Position},
        {"bit number beyond 7", {{KNX_Bit_Mode, "8"}}, 2657, "", KNX_Bit_Mode},
        {"byte length", {{KNX_Length, "15"}}, 2658, "14", KNX_Length},
        {"bit length", {{KNX_Bit_Mode, "0"}, {KNX_Length, "113"}}, 2658, "112", KNX_Length},
        {"extended byte length", {{KNX_Extended, "y"}, {KNX_Length, "256"}}, 2658, "255", KNX_Length},
        {"extended bit length", {{KNX_Extended, "Y"}, {KNX_Bit_Mode, "0"}, {KNX_Length, "256"}}, 2658, "255", KNX_Length},
        {"extended length allowed", {{KNX_Extended, "Y"}, {KNX_Length, "255"}}, 0, "", 0},
        {"position plus length", {{KNX_Position, "1499"}, {KNX_Length, "2"}}, 2659, "1500", KNX_Length},
        {"position plus length fits", {{KNX_Position, "1498"}, {KNX_Length, "2"}}, 0, "", 0},
        {"bits need 3 bytes", {{KNX_Position, "10"}, {KNX_Bit_Mode, "3"}, {KNX_Length, "16"}}, 0, "", 0},
        {"timeout", {{KNX_TimeOut, "-1"}}, 2666, "", KNX_TimeOut},
        {"disabled row with bad addresses", {{KNX_Enable, "N"}, {KNX_Source_Address, "x"}}, 0, "", 0},
    };
    for (const Case& test : cases) {
        QStringList rule = Valid_Rule();
        for (const auto& [column, text] : test.cells) rule[column] = QString::fromUtf8(text);
        const std::optional<TRuleCheckError> error = Check_KNX_Rules(Table_With(rule), QLatin1Char('.'));
        if (test.text == 0) {
            EXPECT_FALSE(error) << test.name << ": " << (error ? error->Message.toStdString() : "");
            continue;
        }
        ASSERT_TRUE(error) << test.name;
        EXPECT_EQ(error->Message, LangText(2648) + "2" + LangText(test.text) + test.bound) << test.name;
        EXPECT_EQ(error->Row, 2) << test.name;
        EXPECT_EQ(error->Column, test.column + 1) << test.name;
    }
}

// An empty Source Add ends the rules: a bad row below it is neither checked nor saved.
TEST_F(KNXAccessCheckTest, RowsAfterAnEmptySourceAreNotChecked) {
    QStringList blank = Valid_Rule();
    blank[KNX_Source_Address] = "  ";
    QStringList bad = Valid_Rule();
    bad[KNX_Priority] = "normal";
    EXPECT_FALSE(Check_KNX_Rules(TCellTable{Valid_Rule(), blank, bad}, QLatin1Char('.')));
}

class KNXAccessEditorTest : public KNXAccessCheckTest {
protected:
    void SetUp() override {
        KNXAccessCheckTest::SetUp();
        SetMessageDialogResponder([this](const MessageDialogRequest& request) {
            Messages.push_back(request.text);
            return request.type == mtConfirmation ? Answer : mrOk;
        });
        Editor = std::make_unique<TFKNXAccess>(nullptr);
    }
    void TearDown() override {
        Editor.reset();
        SetMessageDialogResponder({});
        KNXAccessCheckTest::TearDown();
    }
    void Show() {
        Editor->show();
        QCoreApplication::processEvents();
    }
    TExColumnGrid& Grid() { return *Editor->ACG_KNX_in_Write; }
    void Type_Rule(int row, const QStringList& rule) {
        for (int c = 0; c < rule.size(); ++c) Grid().SetCells(c + 1, row, rule[c]);
    }

    std::unique_ptr<TFKNXAccess> Editor;
    std::vector<QString> Messages;
    TModalResult Answer = mrYes;
};

TEST_F(KNXAccessEditorTest, WindowLayoutAndTexts) {
    Show();
    // 1205 wide, narrowed to the test's 1024-pixel screen.
    EXPECT_LE(Editor->ClientWidth(), 1205);
    EXPECT_EQ(Editor->ClientHeight(), 337);
    EXPECT_EQ(Grid().ColCount(), 19);
    EXPECT_EQ(Grid().RowCount(), 1025);
    EXPECT_EQ(Grid().Cells(6, 0), "Format");
    EXPECT_EQ(Grid().Cells(0, 1024), "1024");
    EXPECT_EQ(Grid().Cells(1, 1), "Y");
    EXPECT_EQ(Grid().Columns()->Items(KNX_Position + 1)->ComboItems()->Count(), 1500);
    EXPECT_EQ(Grid().Columns()->Items(KNX_Format + 1)->ComboItems()->Strings(9), "Float16 to Int * 100");
    EXPECT_EQ(Editor->Btn_PasteRow->Left(), 606);
    EXPECT_EQ(Editor->Btn_PasteRow->Caption(), "Paste Row");
    EXPECT_EQ(Editor->Hint.Strings(0), "Enable/Disabel the KNX Rule");
    QString hint;
    Grid().OnGridHint(&Grid(), 0, 6, hint);
    EXPECT_EQ(hint, "Select the Format of KNX Variable");
}

// OK writes the used rows; a check error names the row, keeps the file and lands on the cell.
TEST_F(KNXAccessEditorTest, OkChecksThenSavesTheUsedRows) {
    Show();
    Type_Rule(1, Valid_Rule());
    QStringList bad = Valid_Rule();
    bad[KNX_Length] = "15";
    Type_Rule(2, bad);
    Editor->Btn_OKClick(nullptr);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0], LangText(2648) + "2" + LangText(2658) + "14");
    EXPECT_FALSE(FileExists(File_KNX_SetAccess));
    EXPECT_EQ(Grid().Row(), 2);
    EXPECT_EQ(Grid().Col(), KNX_Length + 1);
    EXPECT_EQ(Editor->ModalResult(), mrNone);

    Grid().SetCells(KNX_Length + 1, 2, "3");
    Editor->Btn_OKClick(nullptr);
    EXPECT_EQ(Editor->ModalResult(), mrOk);
    const TKNXAccessLoad saved = Read_KNX_Access_File(File_KNX_SetAccess);
    ASSERT_EQ(saved.Rules.size(), 2u);
    EXPECT_EQ(saved.Rules[1][KNX_Length], "3");
    EXPECT_EQ(saved.Rules[0], Valid_Rule());
}

// Loading shows the file; a second show after a save shows the same table.
TEST_F(KNXAccessEditorTest, ShowLoadsWhatOkSaved) {
    Show();
    Type_Rule(1, Valid_Rule());
    Editor->Btn_OKClick(nullptr);
    ASSERT_EQ(Editor->ModalResult(), mrOk);
    Editor->hide();
    Editor = std::make_unique<TFKNXAccess>(nullptr);
    Show();
    for (int c = 0; c < KNX_Access_Columns; ++c) EXPECT_EQ(Grid().Cells(c + 1, 1), Valid_Rule()[c]) << c;
    EXPECT_EQ(Grid().Cells(1, 2), "Y");
    EXPECT_EQ(Grid().Cells(2, 2), "");
}

// A file the table cannot hold whole: the message at show, the question at OK; No keeps
// the file byte for byte.
TEST_F(KNXAccessEditorTest, AFileWithLostRowsIsReplacedOnlyAfterAQuestion) {
    const QByteArray file =
        "<BACnet_to_KNX><KNX_in_Write>"
        "<row Enable=\"Y\" Source_Address=\"1.1.1\" Destination_Address=\"1/1/1\" APCI=\"Read\" Priority=\"Low\" "
        "Format=\"None\" Extended=\"N\" ReTest=\"N\" On_Change=\"N\" Poll_Time=\"\" Position=\"0\" Bit_Mode=\"No\" "
        "Length=\"1\" Mnemonic=\"\"/>"
        "<row Enable=\"Y\" Source_Address=\"1.1.2\"/>"
        "</KNX_in_Write></BACnet_to_KNX>";
    WriteFile("PROJECTS/Plant/KNX_SetAccess.xml", file);
    Show();
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Grid().Cells(2, 1), "1.1.1");
    EXPECT_EQ(Grid().Cells(2, 2), "");
    Answer = mrNo;
    Editor->Btn_OKClick(nullptr);
    ASSERT_EQ(Messages.size(), 2u);
    EXPECT_EQ(Editor->ModalResult(), mrNone);
    EXPECT_EQ(Read_Whole_File(File_KNX_SetAccess), file);
    Answer = mrYes;
    Editor->Btn_OKClick(nullptr);
    EXPECT_EQ(Editor->ModalResult(), mrOk);
    EXPECT_EQ(Read_KNX_Access_File(File_KNX_SetAccess).Rules.size(), 1u);
}

TEST_F(KNXAccessEditorTest, RowButtonsActOnTheCurrentRow) {
    Show();
    for (int r = 1; r <= 7; ++r) {
        QStringList rule = Valid_Rule();
        rule[KNX_Mnemonic] = QString("Rule %1").arg(r);
        Type_Rule(r, rule);
    }
    Grid().FocusCell(3, 5);
    Answer = mrNo;
    Editor->Btn_DelRowClick(nullptr);
    EXPECT_EQ(Messages.back(), LangText(2660) + "5");
    EXPECT_EQ(Grid().Cells(KNX_Mnemonic + 1, 5), "Rule 5");
    Answer = mrYes;
    Editor->Btn_DelRowClick(nullptr);
    EXPECT_EQ(Grid().Cells(KNX_Mnemonic + 1, 5), "Rule 6");
    EXPECT_EQ(Grid().Cells(KNX_Mnemonic + 1, 7), "");
    EXPECT_EQ(Grid().Cells(1, 1024), "") << "the emptied last row has no Enable";

    Messages.clear();
    Editor->Btn_PasteRowClick(nullptr);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0], LangText(902)) << "nothing copied from this table yet";
    Grid().FocusCell(3, 2);
    Editor->Btn_CopyRowClick(nullptr);
    Grid().FocusCell(3, 7);
    Editor->Btn_PasteRowClick(nullptr);
    EXPECT_EQ(Grid().Cells(KNX_Mnemonic + 1, 7), "Rule 2");

    Grid().FocusCell(3, 3);
    Editor->Btn_InsRowClick(nullptr);
    EXPECT_EQ(Grid().Cells(1, 3), "Y");
    EXPECT_EQ(Grid().Cells(2, 3), "");
    EXPECT_EQ(Grid().Cells(KNX_Mnemonic + 1, 4), "Rule 3");
}

// Insert on a full table refuses instead of pushing the last rule out.
TEST_F(KNXAccessEditorTest, InsertOnAFullTableRefuses) {
    Show();
    Type_Rule(1024, Valid_Rule());
    Grid().FocusCell(3, 10);
    Editor->Btn_InsRowClick(nullptr);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_TRUE(Messages[0].contains("1024"));
    EXPECT_EQ(Grid().Cells(2, 1024), "1.1.20");
}

}  // namespace

namespace {

// A file that cannot be replaced: the message names it, the dialog stays open, and the
// next OK once it can be written closes it.
TEST_F(KNXAccessEditorTest, AWriteFailureKeepsTheDialogOpen) {
    Show();
    Type_Rule(1, Valid_Rule());
    // A folder where KNX_SetAccess.xml belongs cannot be replaced by a file.
    ASSERT_TRUE(QDir().mkpath(File_KNX_SetAccess));
    Editor->Btn_OKClick(nullptr);
    ASSERT_TRUE(QDir(File_KNX_SetAccess).removeRecursively());
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_TRUE(Messages[0].contains("KNX_SetAccess.xml"));
    EXPECT_TRUE(Messages[0].contains("could not be written"));
    EXPECT_EQ(Editor->ModalResult(), mrNone);
    Editor->Btn_OKClick(nullptr);
    EXPECT_EQ(Editor->ModalResult(), mrOk);
    EXPECT_EQ(Read_KNX_Access_File(File_KNX_SetAccess).Rules.size(), 1u);
}

}  // namespace

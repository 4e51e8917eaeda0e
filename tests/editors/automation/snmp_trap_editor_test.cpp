// The SNMP trap rule editor: the character rule, the checks of both tables, the default
// rows, the row numbering and the file.

#include "editors/automation/snmp_trap_check.h"
#include "editors/automation/snmp_trap_editor.h"

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

TEST(SNMPTrapCharacterRule, CommunityNamesAndDescriptions) {
    struct Case {
        const char* text;
        bool nameBreaks;
        bool descriptionBreaks;
    };
    const Case cases[] = {
        {"", false, false},          {"public", false, false},  {"Public1", false, true}, {"lamp12", false, false},
        {"1lamp", false, true},      {"lamp_1", true, true},    {"public ", true, true},  {" public", true, true},
        {"lamp\u00e8", true, true},  {"Z", false, true},
    };
    for (const Case& test : cases) {
        const QString text = QString::fromUtf8(test.text);
        EXPECT_EQ(Check_Error_CommName_Desc(text, 0), test.nameBreaks) << test.text;
        EXPECT_EQ(Check_Error_CommName_Desc(text, 1), test.descriptionBreaks) << test.text;
    }
}

class SNMPTrapCheckTest : public ConfigurationFixture {
protected:
    void SetUp() override {
        ConfigurationFixture::SetUp();
        Load_Default_Texts();
    }
    std::optional<TRuleCheckError> Check(const TCellTable& read, const TCellTable& write) {
        return Check_SNMP_Trap_Rules(read, write, Descriptions);
    }
    QStringList Descriptions;
};

TEST_F(SNMPTrapCheckTest, DefaultRowsPass) {
    EXPECT_FALSE(Check(SNMP_Trap_Default_Read_Rows(), SNMP_Trap_Default_Write_Rows()));
    EXPECT_EQ(Descriptions.size(), 128);
    EXPECT_EQ(Descriptions.first(), "lampADV0");
    EXPECT_EQ(Descriptions.last(), "lamp63");
}

// Each check of a read row (row 2) and of a write row (row 3): the cells and the text.
TEST_F(SNMPTrapCheckTest, EachRowCheckGivesItsMessage) {
    struct Case {
        const char* name;
        bool write;
        int row;  // table row changed, from 0
        std::vector<std::pair<int, QString>> cells;
        int text;  // 0: passes
    };
    const Case cases[] = {
        {"name with a blank", false, 1, {{TrapR_Community_Name, "public "}}, 1976},
        {"no type", false, 1, {{TrapR_Type, " "}}, 1961},
        {"timer without time", false, 1, {{TrapR_On_Timer, "y"}, {TrapR_Time, ""}}, 1962},
        {"no timer, no time", false, 1, {{TrapR_Time, ""}}, 0},
        {"no position", false, 1, {{TrapR_Position, ""}}, 1963},
        {"no start bit", false, 1, {{TrapR_Bit, ""}}, 1964},
        {"string at bit 3", false, 1, {{TrapR_Type, "String"}, {TrapR_Bit, "3"}}, 1965},
        {"string of 17 bytes", false, 1, {{TrapR_Type, "String"}, {TrapR_NumBits, "17"}}, 1967},
        {"string of 16 bytes", false, 1, {{TrapR_Type, "String"}, {TrapR_NumBits, "16"}}, 0},
        {"int of 65 bits", false, 1, {{TrapR_Type, "int"}, {TrapR_NumBits, "65"}}, 1966},
        {"description upper case first", false, 1, {{TrapR_Description, "LampX"}}, 1977},
        {"bad address", false, 1, {{TrapR_IP_Address, "192.168.2"}}, 1968},
        {"no conversion", false, 1, {{TrapR_Conversion, ""}}, 1985},
        {"disabled read row", false, 1, {{TrapR_Enable, "N"}, {TrapR_Type, ""}}, 0},
        {"write name", true, 2, {{TrapW_Community_Name, "pub-lic"}}, 1978},
        {"write no type", true, 2, {{TrapW_Type, ""}}, 1969},
        {"write no position", true, 2, {{TrapW_Position, ""}}, 1970},
        {"write no bit", true, 2, {{TrapW_Bit, ""}}, 1971},
        {"write string bit", true, 2, {{TrapW_Type, "String"}, {TrapW_Bit, "1"}}, 1972},
        {"write bits", true, 2, {{TrapW_NumBits, "0"}}, 1973},
        {"write bytes", true, 2, {{TrapW_Type, "Text"}, {TrapW_NumBits, "20"}}, 1974},
        {"write description", true, 2, {{TrapW_Description, "9lamp"}}, 1979},
        {"write conversion", true, 2, {{TrapW_Conversion, " "}}, 1986},
    };
    for (const Case& test : cases) {
        TCellTable read = SNMP_Trap_Default_Read_Rows();
        TCellTable write = SNMP_Trap_Default_Write_Rows();
        QStringList& row = (test.write ? write : read)[std::size_t(test.row)];
        for (const auto& [column, text] : test.cells) row[column] = text;
        const std::optional<TRuleCheckError> error = Check(read, write);
        if (test.text == 0) {
            EXPECT_FALSE(error) << test.name << ": " << Message_Of(error).toStdString();
            continue;
        }
        ASSERT_TRUE(error) << test.name;
        EXPECT_EQ(error->Message, LangText(1960) + QString::number(test.row + 1) + LangText(test.text)) << test.name;
    }
}

TEST_F(SNMPTrapCheckTest, DescriptionsAreUniqueOverBothTables) {
    TCellTable read = SNMP_Trap_Default_Read_Rows();
    TCellTable write = SNMP_Trap_Default_Write_Rows();
    write[5][TrapW_Description] = "lampADV3";
    EXPECT_EQ(Message_Of(Check(read, write)), LangText(1980));
    read[3][TrapR_Enable] = "N";  // a disabled row's description does not count
    EXPECT_FALSE(Check(read, write));
    write[5][TrapW_Description] = "LAMPADV4";  // case counts, yet a description starts in lower case
    EXPECT_EQ(Message_Of(Check(read, write)), LangText(1960) + "6" + LangText(1979));
}

class SNMPTrapEditorTest : public SNMPTrapCheckTest {
protected:
    void SetUp() override {
        SNMPTrapCheckTest::SetUp();
        SetMessageDialogResponder([this](const MessageDialogRequest& request) {
            Messages.push_back(request.text);
            return mrYes;
        });
        Editor = std::make_unique<TFSNMP_Trap_Access>(nullptr);
    }
    void TearDown() override {
        Editor.reset();
        SetMessageDialogResponder({});
        SNMPTrapCheckTest::TearDown();
    }
    void Show() {
        Editor->hide();
        Editor->show();
        QCoreApplication::processEvents();
    }
    TExColumnGrid& Read() { return *Editor->ACG_SNMP_Read; }
    TExColumnGrid& Write() { return *Editor->ACG_SNMP_Write; }

    std::unique_ptr<TFSNMP_Trap_Access> Editor;
    std::vector<QString> Messages;
};

// Without a file: 64 default rows per table; OK saves them and they read back unchanged.
TEST_F(SNMPTrapEditorTest, DefaultRowsShowSaveAndReadBack) {
    Show();
    EXPECT_EQ(Read().RowCount(), 257);
    EXPECT_EQ(Read().ColCount(), 15);
    EXPECT_EQ(Write().ColCount(), 10);
    EXPECT_EQ(Read().Cells(0, 64), "64");
    EXPECT_EQ(Read().Cells(0, 65), "65");  // the empty rows start enabled too
    EXPECT_EQ(Read().Cells(8, 64), "504");
    EXPECT_EQ(Read().Cells(11, 1), "lampADV0");
    EXPECT_EQ(Write().Cells(7, 64), "lamp63");
    EXPECT_EQ(Read().Columns()->Items(8)->ComboItems()->Count(), 1440);
    EXPECT_EQ(Editor->Hint_SNMP_Read.Strings(12), LangText(1983));
    EXPECT_EQ(Editor->Hint_SNMP_Write.Strings(7), LangText(1984));
    EXPECT_EQ(Read().MaxComboLength(), 15);

    Editor->Btn_OKClick(nullptr);
    ASSERT_EQ(Editor->ModalResult(), mrOk) << (Messages.empty() ? "" : Messages[0].toStdString());
    const QByteArray saved = Read_Whole_File(File_SNMP_Trap);
    EXPECT_EQ(saved.count("<row "), 128);
    EXPECT_LT(saved.indexOf("<SNMP_Trap_Read>"), saved.indexOf("<SNMP_Trap_Write>"));
    Read().SetCells(11, 1, "edited");
    Show();
    EXPECT_EQ(Read().Cells(11, 1), "lampADV0");
    EXPECT_EQ(Read().Cells(14, 64), "lampADV63");
    EXPECT_TRUE(Messages.empty());
}

TEST_F(SNMPTrapEditorTest, EnableClickRenumbersTheTable) {
    Show();
    Read().SetCells(1, 2, "N");
    Read().OnCheckBoxClick(&Read(), 1, 2, false);
    EXPECT_EQ(Read().Cells(0, 1), "1");
    EXPECT_EQ(Read().Cells(0, 2), "");
    EXPECT_EQ(Read().Cells(0, 3), "2");
    // A click in another check-box column leaves the numbers alone.
    Write().SetCells(1, 1, "N");
    Write().OnCheckBoxClick(&Write(), 4, 1, false);
    EXPECT_EQ(Write().Cells(0, 1), "1");
}

// A row copied in one table cannot be pasted into the other.
TEST_F(SNMPTrapEditorTest, RowButtonsActOnTheActivePage) {
    Show();
    Read().FocusCell(2, 1);
    Editor->Btn_CopyRow->Click();
    Editor->PageControl1->SetActivePageIndex(1);
    Write().FocusCell(2, 2);
    Editor->Btn_PasteRow->Click();
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Write().Cells(7, 2), "lamp1");
    Editor->Btn_DelRow->Click();
    EXPECT_EQ(Messages.back(), LangText(1975) + "2");
    EXPECT_EQ(Write().Cells(7, 2), "lamp2");
    EXPECT_EQ(Read().Cells(11, 2), "lampADV1");
}

}  // namespace

// The SNMP manager rule editor: its checks as a table of rows, and the window reading,
// checking and writing SNMP_Manager.xml.

#include "editors/automation/snmp_manager_check.h"
#include "editors/automation/snmp_manager_editor.h"

#include "core/text_table.h"
#include "editors/configuration_fixture.h"
#include "editors/rule_check_message.h"
#include "editors/golden_files.h"
#include "grid/core/column_grid.h"
#include "platform/dialogs.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>

namespace {

// A version 3 request that passes every check.
QStringList Valid_Request() {
    return {"Y",     "192.168.1.10", "3",   "Public", "1.3.6.1.2.1.1", "Int",    "Get",       "N",   "N",   "Y",  "1000",
            "10",    "4",            "None", "N",     "admin",         "secret", "private",   "Auth Priv", "MD5", "AES", "Room"};
}

class SNMPManagerCheckTest : public ConfigurationFixture {
protected:
    void SetUp() override {
        ConfigurationFixture::SetUp();
        Load_Default_Texts();
    }
};

// Each check of a row: the cells changed and the message text that follows "Error row 2".
TEST_F(SNMPManagerCheckTest, EachRowCheckGivesItsMessage) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, QString>> cells;
        int text;  // 0: passes
    };
    const Case cases[] = {
        {"valid", {}, 0},
        {"address part out of range", {{SNMPM_IP_Address, "192.168.1.256"}}, 2738},
        {"OID too long", {{SNMPM_OID, "1." + QString("1.").repeated(64) + "1"}}, 2739},
        {"OID letter", {{SNMPM_OID, "1.3.a"}}, 2740},
        {"OID leading dot", {{SNMPM_OID, ".1.3"}}, 2741},
        {"OID trailing dot", {{SNMPM_OID, "1.3."}}, 2742},
        {"OID two dots", {{SNMPM_OID, "1..3"}}, 2743},
        {"OID part beyond 32 bits", {{SNMPM_OID, "1.4294967296"}}, 2744},
        {"Get without the timer, before Time", {{SNMPM_On_Timer, "N"}, {SNMPM_Time, "x"}}, 2757},
        {"Set without the timer", {{SNMPM_Mode, "Set"}, {SNMPM_On_Timer, "N"}, {SNMPM_Time, "x"}}, 0},
        {"get in lower case is not Get", {{SNMPM_Mode, "get"}, {SNMPM_On_Timer, "N"}}, 0},
        {"time 0 with the timer", {{SNMPM_Time, "0"}}, 2745},
        {"time at its bound", {{SNMPM_Time, "100000000"}}, 0},
        {"bytes 1024", {{SNMPM_Number_Bytes, "1024"}}, 0},
        {"bytes 1025", {{SNMPM_Number_Bytes, "1025"}}, 2746},
        {"no conversion", {{SNMPM_ConvertFrom, " "}}, 2756},
        {"no security level", {{SNMPM_Security_Level, ""}}, 2783},
        {"auth without its mode", {{SNMPM_Security_Level, "Auth NoPriv"}, {SNMPM_Auth_Mode, ""}}, 2784},
        {"auth priv without priv mode", {{SNMPM_Priv_Mode, " "}}, 2785},
        {"no auth no priv tests no mode", {{SNMPM_Security_Level, "NoAuth NoPriv"}, {SNMPM_Auth_Mode, ""}, {SNMPM_Priv_Mode, ""}}, 0},
        {"version 2 tests no security", {{SNMPM_Version, "2"}, {SNMPM_Security_Level, ""}}, 0},
        {"disabled row is not tested", {{SNMPM_Enable, "N"}, {SNMPM_OID, "x"}}, 0},
    };
    for (const Case& test : cases) {
        QStringList request = Valid_Request();
        for (const auto& [column, text] : test.cells) request[column] = text;
        QStringList first = Valid_Request();
        first[SNMPM_IP_Address] = "192.168.1.11";
        const std::optional<TRuleCheckError> error = Check_SNMP_Manager_Rules({first, request});
        if (test.text == 0) {
            EXPECT_FALSE(error) << test.name << ": " << Message_Of(error).toStdString();
            continue;
        }
        ASSERT_TRUE(error) << test.name;
        EXPECT_EQ(error->Message, LangText(2737) + "2" + LangText(test.text)) << test.name;
    }
}

TEST_F(SNMPManagerCheckTest, DuplicatesAndBudgetComeAfterEveryRowPassed) {
    QStringList other = Valid_Request();
    other[SNMPM_Community_String] = "Private";
    QStringList bad = Valid_Request();
    bad[SNMPM_IP_Address] = "1.2.3.4";
    bad[SNMPM_Number_Bytes] = "2000";
    // A later bad row is reported before the duplicate of rows 1 and 2.
    EXPECT_EQ(Message_Of(Check_SNMP_Manager_Rules({Valid_Request(), other, bad})), LangText(2737) + "3" + LangText(2746));
    EXPECT_EQ(Message_Of(Check_SNMP_Manager_Rules({Valid_Request(), other, {}})),
              LangText(2786) + "1" + LangText(2787) + "2" + LangText(2788));
    other[SNMPM_Enable] = "N";
    EXPECT_FALSE(Check_SNMP_Manager_Rules({Valid_Request(), other}));
    other[SNMPM_Enable] = "Y";
    other[SNMPM_Version] = "2";  // another version is another request
    EXPECT_FALSE(Check_SNMP_Manager_Rules({Valid_Request(), other}));

    // The budget starts at 1; a version 1 row counts its OID only (length + 1), so 368
    // rows of a 127-character OID reach 1 + 368 * 128 = 47105.
    const QString longOid = "1." + QString("1.").repeated(62) + "11";
    TCellTable table;
    for (int r = 0; r < 368; ++r) {
        QStringList row = Valid_Request();
        row[SNMPM_Version] = "1";
        row[SNMPM_IP_Address] = QStringLiteral("10.0.%1.%2").arg(r / 200).arg(r % 200);
        row[SNMPM_OID] = longOid.left(127);
        table.push_back(row);
    }
    EXPECT_EQ(Message_Of(Check_SNMP_Manager_Rules(table)), LangText(2789));
    table.pop_back();
    EXPECT_FALSE(Check_SNMP_Manager_Rules(table));
}

class SNMPManagerEditorTest : public SNMPManagerCheckTest {
protected:
    void SetUp() override {
        SNMPManagerCheckTest::SetUp();
        SetMessageDialogResponder([this](const MessageDialogRequest& request) {
            Messages.push_back(request.text);
            return request.type == mtConfirmation ? Answer : mrOk;
        });
        Editor = std::make_unique<TFSNMPManagerAccess>(nullptr);
    }
    void TearDown() override {
        Editor.reset();
        SetMessageDialogResponder({});
        SNMPManagerCheckTest::TearDown();
    }
    void Show() {
        Editor->hide();
        Editor->show();
        QCoreApplication::processEvents();
    }
    TExColumnGrid& Grid() { return *Editor->ACG_SNMP; }
    void Type_Request(int row, const QStringList& request) {
        for (int c = 0; c < request.size(); ++c) Grid().SetCells(c + 1, row, request[c]);
    }

    std::unique_ptr<TFSNMPManagerAccess> Editor;
    std::vector<QString> Messages;
    TModalResult Answer = mrYes;
};

TEST_F(SNMPManagerEditorTest, ShowResetsTheTableAndFillsThePositions) {
    Show();
    EXPECT_EQ(Editor->Caption(), "Set SNMP Manager Access");
    EXPECT_EQ(Grid().ColCount(), 23);
    EXPECT_EQ(Grid().RowCount(), 513);
    EXPECT_EQ(Grid().Cells(0, 512), "512");
    EXPECT_EQ(Grid().Cells(1, 512), "Y");
    EXPECT_EQ(Grid().Cells(2, 1), "");
    EXPECT_EQ(Grid().Columns()->Items(12)->ComboItems()->Count(), 2000);
    EXPECT_EQ(Editor->Hint_SNMP.Count(), 22);
    EXPECT_EQ(Editor->Hint_SNMP.Strings(0), LangText(2723));
    EXPECT_EQ(Editor->Btn_PasteRow->Left(), 16 + 5 * 118);
    EXPECT_TRUE(Messages.empty());
}

// Saved rows come back; missing attributes take their defaults; Cancelled edits are gone.
TEST_F(SNMPManagerEditorTest, SavesTheVisitedRowsAndReadsThemBack) {
    Show();
    Type_Request(1, Valid_Request());
    QStringList disabled = Valid_Request();
    disabled[SNMPM_Enable] = "N";
    disabled[SNMPM_OID] = "not checked";
    disabled[SNMPM_Mnemonic] = " <kept & untrimmed> ";
    Type_Request(2, disabled);
    QStringList after_blank = Valid_Request();
    after_blank[SNMPM_IP_Address] = "10.0.0.9";
    Type_Request(4, after_blank);  // row 3 has no address: row 4 is neither checked nor saved
    Editor->Btn_OKClick(nullptr);
    ASSERT_EQ(Editor->ModalResult(), mrOk) << (Messages.empty() ? "" : Messages[0].toStdString());
    const QByteArray saved = Read_Whole_File(File_SNMP_Manager);
    EXPECT_EQ(saved.count("<row "), 2);
    EXPECT_TRUE(saved.contains("<!--SW_VERSION = 1.000-->"));
    EXPECT_TRUE(saved.indexOf("<SNMP_Agent_Access>") < saved.indexOf("SW_VERSION"));

    Grid().SetCells(5, 1, "9.9");
    Show();
    for (int c = 0; c < SNMP_Manager_Columns; ++c) {
        EXPECT_EQ(Grid().Cells(c + 1, 1), Valid_Request()[c]) << c;
        EXPECT_EQ(Grid().Cells(c + 1, 2), disabled[c]) << c;
    }
    EXPECT_EQ(Grid().Cells(2, 4), "");

    QFile file(File_SNMP_Manager);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("<?xml version=\"1.0\"?><!-- any --><SNMP_Agent_Access><entry IP_Address=\"1.2.3.4\"/></SNMP_Agent_Access>");
    file.close();
    Show();
    EXPECT_EQ(Grid().Cells(2, 1), "1.2.3.4");
    EXPECT_EQ(Grid().Cells(1, 1), "Y");
    EXPECT_EQ(Grid().Cells(8, 1), "N");
    EXPECT_EQ(Grid().Cells(14, 1), "None");
}

TEST_F(SNMPManagerEditorTest, FailedCheckShowsOneBoxAndKeepsTheFile) {
    Show();
    QStringList request = Valid_Request();
    request[SNMPM_OID] = ".1.3";
    Type_Request(1, request);
    Editor->Btn_OKClick(nullptr);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0], "Error row 1" + LangText(2741));
    EXPECT_EQ(Editor->ModalResult(), mrNone);
    // The user lands on the cell the message is about.
    EXPECT_EQ(Grid().Row(), 1);
    EXPECT_EQ(Grid().RealColIndex(Grid().Col()), SNMPM_OID + 1);
    EXPECT_FALSE(QFile::exists(File_SNMP_Manager));
}

TEST_F(SNMPManagerEditorTest, RowButtonsActOnTheCurrentRow) {
    Show();
    Type_Request(1, Valid_Request());
    Grid().FocusCell(2, 1);
    Editor->Btn_PasteRow->Click();  // nothing copied since the show
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0], "Error!!! Copy a valid row before Paste it");
    Editor->Btn_CopyRow->Click();
    Grid().FocusCell(2, 3);
    Editor->Btn_PasteRow->Click();
    EXPECT_EQ(Grid().Cells(2, 3), "192.168.1.10");
    Editor->Btn_InsRow->Click();
    EXPECT_EQ(Grid().Cells(2, 3), "");
    EXPECT_EQ(Grid().Cells(1, 3), "Y");
    EXPECT_EQ(Grid().Cells(2, 4), "192.168.1.10");
    Answer = mrNo;
    Grid().FocusCell(2, 4);
    Editor->Btn_DelRow->Click();
    EXPECT_EQ(Messages.back(), LangText(2747) + "4");
    EXPECT_EQ(Grid().Cells(2, 4), "192.168.1.10");
    Answer = mrYes;
    Editor->Btn_DelRow->Click();
    EXPECT_EQ(Grid().Cells(2, 4), "");

    // A rule in the last row is never pushed out of the table.
    Grid().SetCells(2, 512, "10.0.0.99");
    Messages.clear();
    Editor->Btn_InsRow->Click();
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0], Full_Table_Message(512));
    EXPECT_EQ(Grid().Cells(2, 512), "10.0.0.99");
    EXPECT_EQ(Grid().Cells(2, 4), "");
}

}  // namespace

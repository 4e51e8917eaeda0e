// The rule files of the DMX, SNMP and BACnet editors, read by the windows and written
// back on OK: golden folders, and hostile files with their messages and questions.

#include "editors/automation/bacnet_access_editor.h"
#include "editors/automation/dmx_default_values_editor.h"
#include "editors/automation/snmp_manager_editor.h"
#include "editors/automation/snmp_trap_editor.h"
#include "editors/fieldbus/rule_window_fixture.h"

#include "core/program_state.h"
#include "editors/rule_editor/rule_table.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

QString Golden(const QString& relative) { return QStringLiteral(AUTOMATION_GOLDEN_FOLDER "/rule_files/") + relative; }

struct RuleWindow {
    const char* file;
    const QString* path;
    std::function<std::unique_ptr<TRuleEditorWindow>()> make;
    const char* grid;  // the first table
    int key;           // its key column
};

const RuleWindow kWindows[] = {
    {"DMX_Default_Values.xml", &File_DMX_Default_Values, [] { return std::make_unique<TFDMXDefVal>(nullptr); },
     "ACG_DMX_Def_Val", 2},
    {"SNMP_Manager.xml", &File_SNMP_Manager, [] { return std::make_unique<TFSNMPManagerAccess>(nullptr); }, "ACG_SNMP", 2},
    {"SNMP_Trap.xml", &File_SNMP_Trap, [] { return std::make_unique<TFSNMP_Trap_Access>(nullptr); }, "ACG_SNMP_Read", 2},
    {"BACnet_Master_Access.xml", &File_BACnet_Master_Access, [] { return std::make_unique<TFBACnetAccess>(nullptr); },
     "ACG1", 2},
};

class AutomationRuleFilesTest : public RuleWindowFixture {
protected:
    void SetUp() override {
        RuleWindowFixture::SetUp();
        // Six DMX channels keep the files small; BACnet type 0 keys both tables on the address.
        Write_File(File_ParGen, "<Par_Gen><DMX_Num_Channels>6</DMX_Num_Channels><BACnet_Type>0</BACnet_Type></Par_Gen>");
    }
};

// Each case: the folder of the files read (none: no file) and that of the files OK writes.
TEST_F(AutomationRuleFilesTest, GoldenFoldersReadAndWriteBack) {
    const std::pair<const char*, const char*> cases[] = {
        {nullptr, "no_file"},
        {"missing_attributes/in", "missing_attributes"},
        {"realistic", "realistic"},
        {"special_texts", "special_texts"},
    };
    for (const auto& [input, expected] : cases) {
        for (const RuleWindow& kind : kWindows) {
            const QString name = QString::fromLatin1(kind.file);
            SCOPED_TRACE((QString::fromLatin1(expected) + "/" + name).toStdString());
            Expect_OK_Writes_Golden(kind.make, input ? Golden(QString::fromLatin1(input) + "/" + name) : QString(),
                                    *kind.path, Golden(QString::fromLatin1(expected) + "/" + name));
        }
    }
}

QByteArray Repeated(const QByteArray& head, const QByteArray& row, int count, const QByteArray& tail) {
    QByteArray xml = head;
    for (int r = 0; r < count; ++r) xml += row;
    return xml + tail;
}

// A file the window cannot show whole: the message on show, what could be read in the
// table, and on OK the question; No leaves the file byte for byte and the window open,
// Yes writes a well-formed file.
TEST_F(AutomationRuleFilesTest, HostileFilesAreReportedAndKeptUntilYes) {
    const QByteArray manager = R"(<row Enable="N" IP_Address="10.0.0.1" />)";
    const QByteArray trap = R"(<row Enable="N" Community_Name="public" />)";
    struct Case {
        const char* name;
        int window;  // into kWindows
        QByteArray content;
        QString message;  // %1: the file
        int rowsLost;     // -1: the whole file
        int row;          // a row shown, with its key cell
        const char* key;
    };
    const Case cases[] = {
        {"DMX not well-formed", 0, "<DMX_Default_Values><Row Default_Value=\"5\"",
         "The file \"%1\" is not well-formed XML.", -1, 1, ""},
        {"SNMP manager empty file", 1, "", "The file \"%1\" is not well-formed XML.", -1, 1, ""},
        {"SNMP trap binary bytes", 2, QByteArray("\x00\xff\xfe<", 4), "The file \"%1\" is not well-formed XML.", -1, 1,
         ""},
        {"BACnet only a comment", 3, "<!-- nothing -->", "The file \"%1\" is not well-formed XML.", -1, 1, ""},
        {"SNMP manager beyond 512 rows", 1, Repeated("<SNMP_Agent_Access>", manager, 513, "</SNMP_Agent_Access>"),
         "The list \"\" in the file \"%1\" holds 513 rows; only the first 512 are read.", 1, 512, "10.0.0.1"},
        {"SNMP trap beyond 256 rows", 2,
         Repeated("<SNMP_Trap><SNMP_Trap_Read>", trap, 257, "</SNMP_Trap_Read><SNMP_Trap_Write /></SNMP_Trap>"),
         "The list \"SNMP_Trap_Read\" in the file \"%1\" holds 257 rows; only the first 256 are read.", 1, 256, "public"},
        {"SNMP trap list missing", 2, "<SNMP_Trap><SNMP_Trap_Read>" + trap + "</SNMP_Trap_Read></SNMP_Trap>",
         "The file \"%1\" has no list \"SNMP_Trap_Write\".", -1, 1, "public"},
        {"BACnet list missing", 3,
         R"(<BACnet_Master_Access><BACnet_Read><row Enable="N" IP_Address_Slave_ID="1.2.3.4" /></BACnet_Read></BACnet_Master_Access>)",
         "The file \"%1\" has no list \"BACnet_Write\".", -1, 1, "1.2.3.4"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        const RuleWindow& kind = kWindows[test.window];
        Write_File(*kind.path, test.content);
        const std::unique_ptr<TRuleEditorWindow> window = kind.make();
        Messages.clear();
        Show(*window);
        const TRuleFileProblem problem = Expected_Load_Problem(test.message.arg(*kind.path), test.rowsLost);
        ASSERT_EQ(Messages.size(), 1u);
        EXPECT_EQ(Messages[0], problem.Message);
        const auto* grid = window->findChild<TExColumnGrid*>(QString::fromLatin1(kind.grid));
        ASSERT_TRUE(grid);
        EXPECT_EQ(grid->Cells(kind.key, test.row), QString::fromLatin1(test.key));
        Expect_OK_Asks_Before_Replacing(*window, problem, *kind.path, test.content);
    }
}

// DMX rows beyond the channels are dropped without a question: the table's size follows
// the installation's channel count.
TEST_F(AutomationRuleFilesTest, DMXRowsBeyondTheChannelsGoWithoutAQuestion) {
    Write_File(File_DMX_Default_Values,
               Repeated("<DMX_Default_Values>", R"(<Row Default_Value="9" Mnemonic="m" />)", 8, "</DMX_Default_Values>"));
    TFDMXDefVal window(nullptr);
    Show(window);
    window.Btn_OK->Click();
    EXPECT_TRUE(Messages.empty()) << Last_Message().toStdString();
    EXPECT_EQ(window.ModalResult(), mrOk);
    EXPECT_EQ(Read_Whole_File(File_DMX_Default_Values).count("<Row "), 6);
}

// Rules below an emptied key cell: OK names the first and how many; No keeps the file
// and the window open, Yes saves without them.
TEST_F(AutomationRuleFilesTest, RulesBelowAnEmptyKeyAreLostOnlyOnYes) {
    for (const RuleWindow& kind : kWindows) {
        if (kind.path == &File_DMX_Default_Values) continue;  // no key: every channel is saved
        SCOPED_TRACE(kind.file);
        QFile::remove(*kind.path);
        ASSERT_TRUE(QFile::copy(Golden(QStringLiteral("realistic/") + kind.file), *kind.path));
        const QByteArray before = Read_Whole_File(*kind.path);
        const std::unique_ptr<TRuleEditorWindow> window = kind.make();
        Show(*window);
        auto* grid = window->findChild<TExColumnGrid*>(QString::fromLatin1(kind.grid));
        ASSERT_TRUE(grid);
        int rules = 0;
        while (!grid->Cells(kind.key, rules + 1).trimmed().isEmpty()) ++rules;
        ASSERT_GE(rules, 4);
        grid->SetCells(kind.key, 2, QString());
        Messages.clear();
        Answer = mrNo;
        window->Btn_OK->Click();
        ASSERT_EQ(Messages.size(), 1u);
        EXPECT_EQ(Messages[0], Rules_Below_Gap_Question({3, rules - 2}));
        EXPECT_EQ(Read_Whole_File(*kind.path), before);
        EXPECT_NE(window->ModalResult(), mrOk);
        Answer = mrYes;
        window->Btn_OK->Click();
        EXPECT_EQ(window->ModalResult(), mrOk);
        EXPECT_TRUE(Passes_Xmllint(*kind.path));
    }
}

}  // namespace

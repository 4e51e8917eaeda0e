// The rule files of the Modbus master, CAN frame and CANopen editors, read by the windows and
// written back on OK: golden folders, and hostile files with their messages.

#include "editors/fieldbus/can_receive_editor.h"
#include "editors/fieldbus/can_transmit_editor.h"
#include "editors/fieldbus/canopen_pdo_editor.h"
#include "editors/fieldbus/canopen_sdo_client_editor.h"
#include "editors/fieldbus/canopen_sdo_server_editor.h"
#include "editors/fieldbus/modbus_serial_master_editor.h"
#include "editors/fieldbus/modbus_tcp_master_editor.h"
#include "editors/fieldbus/rule_window_fixture.h"

#include "core/program_state.h"
#include "grid/core/column_grid.h"
#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <QDir>
#include <functional>

namespace {

QString Golden(const QString& relative) { return QStringLiteral(FIELDBUS_GOLDEN_FOLDER "/rule_files/") + relative; }

struct RuleWindow {
    const char* file;
    const QString* path;
    std::function<std::unique_ptr<TRuleEditorWindow>()> make;
    int key = 2;            // the first table's key column
    bool defaults = true;   // missing attributes read as defaults (else the reading stops)
};

const RuleWindow kWindows[] = {
    {"ModbusTCPM_SetAccess.xml", &File_ModbusTCPM_SetAccess,
     [] { return std::make_unique<TFModbus_TCP_Master_Set_Access>(nullptr); }},
    {"ModbusM_SetAccess.xml", &File_ModbusM_SetAccess, [] { return std::make_unique<TFSetAccess>(nullptr); }},
    {"CAN_Rec_Frames.xml", &File_CAN_Rec_Frames, [] { return std::make_unique<TFReceiveCAN>(nullptr); }},
    {"CAN_Send_Frames.xml", &File_CAN_Send_Frames, [] { return std::make_unique<TFTransmitCAN>(nullptr); }},
    {"PDO_CANopen.xml", &File_PDO_CANopen, [] { return std::make_unique<TFSet_PDO_Access>(nullptr); }, 1, false},
    {"SDO_Client_CANopen.xml", &File_SDO_Client_CANopen,
     [] { return std::make_unique<TFSet_SDO_Client_Access>(nullptr); }, 1, false},
    {"SDO_Server_CANopen.xml", &File_SDO_Server_CANopen,
     [] { return std::make_unique<TFSet_SDO_Server_Access>(nullptr); }, 1, false},
};

using FieldbusRuleFilesTest = RuleWindowFixture;

// Each case: the folder of the files read (none: no file) and that of the files OK writes.
TEST_F(FieldbusRuleFilesTest, GoldenFoldersReadAndWriteBack) {
    const std::pair<const char*, const char*> cases[] = {
        {nullptr, "no_file"},
        {"missing_attributes/in", "missing_attributes"},
        {"declaration/in", "realistic"},
        {"realistic", "realistic"},
        {"special_texts", "special_texts"},
    };
    for (const auto& [input, expected] : cases) {
        for (const RuleWindow& kind : kWindows) {
            if (!kind.defaults && qstrcmp(expected, "missing_attributes") == 0) continue;
            const QString name = QString::fromLatin1(kind.file);
            SCOPED_TRACE((QString::fromLatin1(expected) + "/" + name).toStdString());
            Expect_OK_Writes_Golden(kind.make, input ? Golden(QString::fromLatin1(input) + "/" + name) : QString(),
                                    *kind.path, Golden(QString::fromLatin1(expected) + "/" + name));
        }
    }
}

// A file the window cannot show whole: the message on show, what could be read in the
// table, and on OK the question; No leaves the file byte for byte.
TEST_F(FieldbusRuleFilesTest, HostileFilesAreReportedAndKeptUntilYes) {
    const QByteArray canRow = R"(<row COBID="5" Dim="1" Mnemonic="first" />)";
    QByteArray tooMany = "<Receive_Frames>";
    for (int r = 0; r < 513; ++r) tooMany += canRow;
    tooMany += "</Receive_Frames>";
    const QByteArray pdoRow =
        R"(<row COB-ID="0x181" Dimension="1" Address_B1="0" Address_B2="" Address_B3="" Address_B4="" Address_B5="" )"
        R"(Address_B6="" Address_B7="" Address_B8="" TimeOut="0" Mnemonic="" />)";
    QByteArray tooManyPDOs = "<PDO_CANopen><Receive_PDO>";
    for (int r = 0; r < 31; ++r) tooManyPDOs += pdoRow;
    tooManyPDOs += "</Receive_PDO><Transmit_PDO /></PDO_CANopen>";
    const QByteArray objectRow =
        R"(<row Index="0x2000" SubIndex="1" NByte="1" Address_B1="0" Address_B2="" Address_B3="" Address_B4="" Mnemonic="" />)";
    struct Case {
        const char* name;
        int window;  // into kWindows
        QByteArray content;
        QString message;       // %1: the file
        int rowsLost;          // -1: the whole file
        int row;               // a row shown, with its key cell
        const char* key;
    };
    const Case cases[] = {
        {"not well-formed", 2, "<Receive_Frames><row COBID=\"1\"", "The file \"%1\" is not well-formed XML.", -1, 1, ""},
        {"empty file", 3, "", "The file \"%1\" is not well-formed XML.", -1, 1, ""},
        {"only a comment", 1, "<!-- nothing -->", "The file \"%1\" is not well-formed XML.", -1, 1, ""},
        {"binary bytes", 0, QByteArray("\x00\xff\xfe<", 4), "The file \"%1\" is not well-formed XML.", -1, 1, ""},
        {"a missing list", 1,
         R"(<EtherNetIP_to_Modbus><Modbus_Read><row Slave_ID="9" Type="Coil Status" Address="0" NPoint="1" PollTime="1" MaxError="0" Position="0" Bit="0" OnChange="N" Mnemonic="" /></Modbus_Read></EtherNetIP_to_Modbus>)",
         "The file \"%1\" has no list \"Modbus_Write\".", -1, 1, "9"},
        {"a required attribute missing", 0,
         R"(<R><Modbus_Read><row IP_Address="1.1.1.1" Port="502" Slave_ID="1" Type="Coil Status" Address="0" NPoint="1" PollTime="1" MaxError="0" Position="0" Bit="0" Mnemonic="" /><row IP_Address="1.1.1.2" /><row IP_Address="1.1.1.3" /></Modbus_Read><Modbus_Write /></R>)",
         "Row 2 of the list \"Modbus_Read\" in the file \"%1\" lacks the attribute \"Port\".", 2, 1, "1.1.1.1"},
        {"more rows than the table", 2, tooMany,
         "The list \"\" in the file \"%1\" holds 513 rows; only the first 512 are read.", 1, 512, "5"},
        {"a CANopen list missing", 4, "<PDO_CANopen><Receive_PDO>" + pdoRow + "</Receive_PDO></PDO_CANopen>",
         "The file \"%1\" has no list \"Transmit_PDO\".", -1, 1, "0x181"},
        {"more PDOs than the table", 4, tooManyPDOs,
         "The list \"Receive_PDO\" in the file \"%1\" holds 31 rows; only the first 30 are read.", 1, 30, "0x181"},
        {"a CANopen attribute missing", 6,
         "<SDO_Server_CANopen><SDO_Read>" + objectRow + R"(<row Index="0x2001" SubIndex="1" />)" + objectRow +
             "</SDO_Read><SDO_Write /></SDO_Server_CANopen>",
         "Row 2 of the list \"SDO_Read\" in the file \"%1\" lacks the attribute \"NByte\".", 2, 1, "0x2000"},
        {"a CANopen file not well-formed", 5, "<SDO_Client_CANopen><SDO_Read>",
         "The file \"%1\" is not well-formed XML.", -1, 1, ""},
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
        const auto* canopen = dynamic_cast<TCANopenRuleEditor*>(window.get());
        const auto* grid = canopen ? canopen->sga
                                   : window->findChild<TExColumnGrid*>(test.window < 2 ? QStringLiteral("ACG_Modbus_Read")
                                                                                       : QString());
        ASSERT_TRUE(grid);
        EXPECT_EQ(grid->Cells(kind.key, test.row), QString::fromLatin1(test.key));
        Expect_OK_Asks_Before_Replacing(*window, problem, *kind.path, test.content);
    }
}

}  // namespace

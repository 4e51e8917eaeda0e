#include "core/program_state.h"
#include "core/text_table.h"
#include "editors/automation/snmp_mib_module.h"
#include "editors/automation/snmp_mib_save.h"
#include "platform/dialogs.h"
#include "test_support.h"
#include "editors/golden_files.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

QString Source_Folder() { return QStringLiteral(AUTOMATION_GOLDEN_FOLDER "/.."); }

class SnmpMibModuleTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        File_SNMP_Trap = PathIn("SNMP_Trap.xml");
    }

    QByteArray Export(const QByteArray& trapFile) {
        WriteFile("SNMP_Trap.xml", trapFile);
        EXPECT_EQ(Load_SNMP_Trap_Vars(), "");
        EXPECT_EQ(Build_MIB_File(PathIn("out.mib")), "");
        return ReadFile("out.mib");
    }

    // The warnings the module may draw, with why: a check of severity 0 to 3, or of a
    // kind not listed here, fails.
    void Expect_Valid_SMIv2(const QString& mibFile) {
        const QString smilint = QStandardPaths::findExecutable(QStringLiteral("smilint"));
        if (smilint.isEmpty()) GTEST_SKIP() << "smilint (smitools) is not installed";
        static const QStringList allowed = {
            "group-membership",             // the module has no conformance groups
            "integer-misuse",               // unrefined INTEGER is Integer32 (RFC 2578)
            "identifier-case-match",        // descriptions may differ only in case
            "empty-description",            // the fixed objects and variables without description
            "import-unused",                // DisplayString and TimeStamp are imported for the device's tools
            "obsolete-import",              // enterprises comes from RFC1155-SMI
            "module-name-suffix",           // the module is named GATEWAY
            "notification-not-reversible",  // the notification numbers the device sends
        };
        WriteFile("empty.conf", "");
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("SMIPATH", Source_Folder() + "/smi");
        process.setProcessEnvironment(environment);
        process.start(smilint, {"-c", PathIn("empty.conf"), "-s", "-m", "-l", "5", mibFile});
        ASSERT_TRUE(process.waitForFinished(60000));
        const QString report = QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
        static const QRegularExpression line(R"(:\d+: \[(\d)\] (?:\{([a-z-]+)\})?)");
        for (const QString& entry : report.split('\n', Qt::SkipEmptyParts)) {
            const QRegularExpressionMatch match = line.match(entry);
            ASSERT_TRUE(match.hasMatch()) << entry.toStdString();
            EXPECT_GE(match.captured(1).toInt(), 4) << entry.toStdString();
            EXPECT_TRUE(allowed.contains(match.captured(2))) << entry.toStdString();
        }
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    }
};

// Each folder holds the trap file (none for the defaults) and the module written from it.
TEST_F(SnmpMibModuleTest, GoldenModules) {
    for (const char* name : {"no_trap_file", "types_and_disabled_rows", "no_enabled_row"}) {
        SCOPED_TRACE(name);
        const QString folder = Source_Folder() + "/golden/mib/" + name;
        QFile::remove(PathIn("SNMP_Trap.xml"));
        if (QFileInfo::exists(folder + "/SNMP_Trap.xml")) WriteFile("SNMP_Trap.xml", Read_Whole_File(folder + "/SNMP_Trap.xml"));
        ASSERT_EQ(Load_SNMP_Trap_Vars(), "");
        ASSERT_EQ(Build_MIB_File(PathIn("GATEWAY.mib")), "");
        const QByteArray written = ReadFile("GATEWAY.mib");
        EXPECT_EQ(written, Read_Whole_File(folder + "/expected.mib"));
        Expect_Valid_SMIv2(PathIn("GATEWAY.mib"));
    }
}

TEST_F(SnmpMibModuleTest, LoadingKeepsTheEnabledVariablesWithTheirTypesAndRows) {
    WriteFile("SNMP_Trap.xml", Read_Whole_File(Source_Folder() + "/golden/mib/types_and_disabled_rows/SNMP_Trap.xml"));
    ASSERT_EQ(Load_SNMP_Trap_Vars(), "");
    EXPECT_EQ(SL_MIB_Read_Vars.ToQStringList(), QStringList({"lampADV0", "roomName", "", "noType"}));
    EXPECT_EQ(SL_MIB_Write_Vars.ToQStringList(), QStringList({"label", ""}));
    ASSERT_EQ(MIB_Variables.Read.size(), 4u);
    EXPECT_TRUE(MIB_Variables.Read[0].Is_Int);
    EXPECT_FALSE(MIB_Variables.Read[1].Is_Int);
    EXPECT_TRUE(MIB_Variables.Read[2].Is_Int);
    EXPECT_FALSE(MIB_Variables.Read[3].Is_Int);
    EXPECT_EQ(MIB_Variables.Read[3].Row, 6);
    EXPECT_EQ(MIB_Variables.Write[1].Row, 3);
}

// A hand-made file may enable more variables than the editor's 256 rows; each keeps its type.
TEST_F(SnmpMibModuleTest, EveryVariableKeepsItsTypeBeyondTheEditorsRows) {
    QByteArray rows[2];
    for (int i = 0; i < 300; ++i)
        for (int list = 0; list < 2; ++list)
            rows[list] += "<row Enable=\"Y\" Type=\"" + QByteArray(i % 2 ? "String" : "Int") + "\" Description=\"" +
                          (list == 0 ? "r" : "w") + QByteArray::number(i) + "\"/>";
    const QByteArray module = Export("<SNMP_Trap><SNMP_Trap_Read>" + rows[0] + "</SNMP_Trap_Read><SNMP_Trap_Write>" +
                                     rows[1] + "</SNMP_Trap_Write></SNMP_Trap>");
    EXPECT_EQ(module.count("SYNTAX INTEGER MAX-ACCESS"), 300);
    EXPECT_EQ(module.count("SYNTAX OCTET STRING MAX-ACCESS read-only STATUS current DESCRIPTION \"r"), 150);
    EXPECT_TRUE(module.contains("r299 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only"));
    EXPECT_TRUE(module.contains("w298 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-write"));
}

TEST_F(SnmpMibModuleTest, AnUnreadableTrapFileStopsTheExportAndWritesNothing) {
    WriteFile("old.mib", "old");
    WriteFile("SNMP_Trap.xml", "<SNMP_Trap><SNMP_Trap_Read><row Enable=\"Y\"></SNMP_Trap>");
    const QString problem = Load_SNMP_Trap_Vars();
    EXPECT_TRUE(problem.contains(PathIn("SNMP_Trap.xml"))) << problem.toStdString();
    EXPECT_EQ(SL_MIB_Read_Vars.Count(), 0);
    EXPECT_EQ(ReadFile("old.mib"), "old");
}

TEST_F(SnmpMibModuleTest, NamesTheModuleCannotHoldStopTheExport) {
    struct Case {
        const char* description;
        const char* table;
        const char* reason;
    };
    const QString longName = "a" + QString(64, 'b');
    const Case cases[] = {
        {"Lamp", "read", "letter a-z"},      {"9lamp", "read", "letter a-z"},   {"lamp_1", "read", "letter a-z"},
        {"lamp 1", "write", "letter a-z"},   {"l\u00e4mp", "write", "letter a-z"}, {"data", "read", "already uses"},
        {"traps", "write", "already uses"},  {"countin", "read", "already uses"}, {"bufferinblk1", "read", "already uses"},
        {"enterprises", "read", "already uses"}, {"bufferinval1", "write", "already uses"},
        {"trapval1", "write", "already uses"},   {"other", "write", "already uses"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.description);
        const bool read = QLatin1String(c.table) == QLatin1String("read");
        const QString row = QStringLiteral("<row Enable=\"Y\" Type=\"Int\" Description=\"%1\"/>")
                                .arg(QString::fromUtf8(c.description).toHtmlEscaped());
        // The read table starts with an empty description (named bufferinval1) and "other".
        const QString file = QStringLiteral("<SNMP_Trap><SNMP_Trap_Read><row Enable=\"Y\" Description=\"\"/>"
                                            "<row Enable=\"Y\" Description=\"other\"/>%1</SNMP_Trap_Read>"
                                            "<SNMP_Trap_Write>%2</SNMP_Trap_Write></SNMP_Trap>")
                                 .arg(read ? row : QString(), read ? QString() : row);
        WriteFile("SNMP_Trap.xml", file.toUtf8());
        WriteFile("out.mib", "old");
        ASSERT_EQ(Load_SNMP_Trap_Vars(), "");
        const QString problem = Build_MIB_File(PathIn("out.mib"));
        EXPECT_TRUE(problem.contains(QString::fromUtf8(c.description))) << problem.toStdString();
        // A clash names the first of the two variables.
        const char* location = QLatin1String(c.description) == QLatin1String("other") ? "SNMP Read, row 2"
                               : read                                                 ? "SNMP Read, row 3"
                                                                                      : "SNMP Write, row 1";
        EXPECT_TRUE(problem.contains(QLatin1String(location))) << problem.toStdString();
        EXPECT_TRUE(problem.contains(QLatin1String(c.reason))) << problem.toStdString();
        EXPECT_EQ(ReadFile("out.mib"), "old");
    }
    WriteFile("SNMP_Trap.xml", "<SNMP_Trap><SNMP_Trap_Read><row Enable=\"Y\" Description=\"" + longName.toUtf8() +
                                   "\"/></SNMP_Trap_Read></SNMP_Trap>");
    ASSERT_EQ(Load_SNMP_Trap_Vars(), "");
    EXPECT_TRUE(Build_MIB_File(PathIn("out.mib")).contains("64 characters"));
    // Differing only in case is allowed, and 64 characters fit.
    WriteFile("SNMP_Trap.xml", "<SNMP_Trap><SNMP_Trap_Read><row Enable=\"Y\" Description=\"lamp\"/><row Enable=\"Y\" "
                               "Description=\"lAMP\"/><row Enable=\"Y\" Description=\"" +
                                   longName.left(64).toUtf8() + "\"/></SNMP_Trap_Read></SNMP_Trap>");
    ASSERT_EQ(Load_SNMP_Trap_Vars(), "");
    EXPECT_EQ(Build_MIB_File(PathIn("out.mib")), "");
}

// Random trap files of valid names give modules smilint finds valid.
TEST_F(SnmpMibModuleTest, RandomValidTrapFilesGiveValidModules) {
    for (quint32 seed = 1; seed <= 5; ++seed) {
        SCOPED_TRACE(seed);
        QRandomGenerator random(seed);
        QString rows[2];
        int number = 0;
        for (QString& list : rows) {
            const int count = int(random.bounded(300));
            for (int i = 0; i < count; ++i) {
                const bool named = random.bounded(5) != 0;
                list += QStringLiteral("<row Enable=\"%1\" Type=\"%2\" Description=\"%3\"/>")
                            .arg(QLatin1String(random.bounded(4) ? "Y" : "N"), QLatin1String(random.bounded(2) ? "Int" : "String"),
                                 named ? QStringLiteral("v%1x%2").arg(++number).arg(random.bounded(1000)) : QString());
            }
        }
        const QByteArray module = Export(QStringLiteral("<SNMP_Trap><SNMP_Trap_Read>%1</SNMP_Trap_Read><SNMP_Trap_Write>"
                                                        "%2</SNMP_Trap_Write></SNMP_Trap>")
                                             .arg(rows[0], rows[1])
                                             .toUtf8());
        EXPECT_TRUE(module.endsWith("END\r\n"));
        Expect_Valid_SMIv2(PathIn("out.mib"));
    }
}

TEST_F(SnmpMibModuleTest, SaveAsksForTheFileAndTheOverwrite) {
    Load_Default_Texts();
    Project_Folder = PathIn("PROJECTS/Plant");
    TSaveDialog SaveMIB(nullptr);
    SaveMIB.DefaultExt = "*.mib";
    SaveMIB.Filter = "Management Information Base (*.mib)|*.mib";
    std::vector<FileDialogRequest> requests;
    std::optional<QString> answer;
    SetFileDialogResponder([&](const FileDialogRequest& request) {
        requests.push_back(request);
        return answer;
    });

    // Cancel: nothing is written.
    Save_MIB_File(&SaveMIB);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_TRUE(requests[0].save);
    EXPECT_EQ(requests[0].initialDir, Project_Folder);
    EXPECT_TRUE(Messages.empty());

    // A new file is written without a question; the extension is added.
    answer = PathIn("GATEWAY");
    Save_MIB_File(&SaveMIB);
    EXPECT_TRUE(Messages.empty());
    EXPECT_TRUE(ReadFile("GATEWAY.mib").startsWith("GATEWAY DEFINITIONS ::= BEGIN\r\n"));

    // An existing file: the question shows text 1011 while 905 is blank; No keeps the file.
    WriteFile("GATEWAY.mib", "mine");
    Answers = {mrNo};
    Save_MIB_File(&SaveMIB);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].text, "File already exists! Do you want to overwrite the file?");
    EXPECT_EQ(Messages[0].type, mtConfirmation);
    EXPECT_EQ(ReadFile("GATEWAY.mib"), "mine");
    Save_MIB_File(&SaveMIB);
    EXPECT_TRUE(ReadFile("GATEWAY.mib").startsWith("GATEWAY DEFINITIONS"));

    // A name the module cannot hold: an error box, the file kept.
    File_SNMP_Trap = PathIn("SNMP_Trap.xml");
    WriteFile("SNMP_Trap.xml", "<SNMP_Trap><SNMP_Trap_Read><row Enable=\"Y\" Description=\"data\"/></SNMP_Trap_Read></SNMP_Trap>");
    WriteFile("GATEWAY.mib", "mine");
    Messages.clear();
    Save_MIB_File(&SaveMIB);
    ASSERT_EQ(Messages.size(), 2u);
    EXPECT_EQ(Messages[1].type, mtError);
    EXPECT_TRUE(Messages[1].text.contains("\"data\""));
    EXPECT_EQ(ReadFile("GATEWAY.mib"), "mine");
}

}  // namespace

#include "config/updater_job_file.h"

#include "core/program_state.h"
#include "platform/file_system.h"

#include "test_support.h"

#include <QFileInfo>

namespace {

QString Golden_File(const QString& folder) {
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/golden/") + folder +
           QStringLiteral("/Ethernet_Update.xml");
}

class UpdaterJobFileTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        Set_Program_Folders(ProgramDir());
        Project_Name = QStringLiteral("Plant");
        Project_Folder = PathIn(QStringLiteral("PROJECTS/Plant"));
    }
};

// Each golden folder holds the job file of one option and read-back choice, with the
// program folder written as {PROGRAM}.
TEST_F(UpdaterJobFileTest, GoldenFiles) {
    const struct {
        const char* folder;
        int option;
        bool read_back;
    } cases[] = {
        {"updater_job_both_read_back", uoFirmwareAndConfiguration, true},
        {"updater_job_both_no_read_back", uoFirmwareAndConfiguration, false},
        {"updater_job_firmware_read_back", uoFirmware, true},
        {"updater_job_firmware_no_read_back", uoFirmware, false},
        {"updater_job_configuration_read_back", uoConfiguration, true},
        {"updater_job_configuration_no_read_back", uoConfiguration, false},
    };
    for (const auto& c : cases) {
        TXMLDocument document;
        ASSERT_TRUE(Save_Updater_Job_File(document, {QStringLiteral("192.168.2.205"), c.option, c.read_back}));
        const QString written = QString::fromUtf8(ReadFile(QStringLiteral("Ethernet_Update.xml"))).replace(ProgramDir(), QStringLiteral("{PROGRAM}"));
        QFile golden(Golden_File(QString::fromLatin1(c.folder)));
        ASSERT_TRUE(golden.open(QIODevice::ReadOnly)) << c.folder;
        EXPECT_EQ(written.toStdString(), QString::fromUtf8(golden.readAll()).toStdString()) << c.folder;
    }
}

TEST_F(UpdaterJobFileTest, RewritingReplacesTheWholeFile) {
    TXMLDocument document;
    ASSERT_TRUE(Save_Updater_Job_File(document, {QStringLiteral("10.0.0.1"), uoFirmwareAndConfiguration, true}));
    ASSERT_TRUE(Save_Updater_Job_File(document, {QStringLiteral("10.0.0.2"), uoConfiguration, false}));
    const QByteArray file = ReadFile(QStringLiteral("Ethernet_Update.xml"));
    EXPECT_TRUE(file.startsWith("<Ethernet_Update>")) << "nothing before the root";
    EXPECT_TRUE(file.contains("<IP_Address_Dev>10.0.0.2</IP_Address_Dev>"));
    EXPECT_FALSE(file.contains("10.0.0.1"));
    EXPECT_EQ(file.count("<Operation>"), 3);
}

}  // namespace

// The program's folders as someone else may have left them: each case runs the start-up
// steps (read the settings, fill the text table, find the last configuration, list the
// configurations) and then saves the settings; nothing crashes, hangs or writes outside
// the program folder.

#include "folder_snapshot.h"
#include "test_support.h"

#include "config/configuration_compiler.h"
#include "config/general_parameters_file.h"
#include "core/configuration_folders.h"
#include "core/language_file.h"
#include "core/program_state.h"
#include "core/settings_file.h"
#include "core/text_table.h"
#include "platform/file_system.h"
#include "platform/xml_document.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

QByteArray Settings_With(const QByteArray& project, const QByteArray& language) {
    return "<Conf_Settings><lastproj><projectname>" + project + "</projectname></lastproj><lastlang><language>" +
           language + "</language></lastlang></Conf_Settings>";
}

struct Expected {
    QString project_folder;      // relative to the program folder; empty: none opened
    QStringList configurations;  // listed, in any order
    QString language;
    QString text_0;
};

class HostileSurroundingsTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        ASSERT_TRUE(FOutside.isValid());
        Set_Program_Folders(ProgramDir());
    }
    // A folder beside the program's, which nothing the program does may change.
    QString Outside() const { return FOutside.path(); }
    void Link(const QString& target, const QString& relative) {
        ForceDirectories(ExtractFilePath(PathIn(relative)));
        ASSERT_TRUE(QFile::link(target, PathIn(relative))) << relative.toStdString();
    }

    // The start-up steps, then a save of the settings.
    void Start_And_Check(const Expected& expected) {
        const QByteArray outsideBefore = Folder_Snapshot(Outside());
        TXMLDocument xml;
        Read_Settings(xml);
        Init_Language();
        Project_Folder = Existing_Configuration_Folder(Project_Name);
        Build_Configuration_Paths();
        EXPECT_EQ(Project_Folder.isEmpty() ? QString() : Project_Folder.mid(ProgramDir().size() + 1),
                  expected.project_folder);
        QStringList listed = List_Configurations(), wanted = expected.configurations;
        listed.sort();
        wanted.sort();
        EXPECT_EQ(listed, wanted);
        EXPECT_EQ(Language_Name, expected.language);
        EXPECT_EQ(LangText(0), expected.text_0);
        // Compiling and saving in what was opened stays inside the program folder.
        if (!Project_Folder.isEmpty() && Compile_Bank().Ok) Write_Bank_File();
        Write_Settings(xml);
        EXPECT_EQ(Folder_Snapshot(Outside()), outsideBefore);
    }

private:
    QTemporaryDir FOutside;
};

TEST_F(HostileSurroundingsTest, FoldersThatAreFiles) {
    WriteFile("PROJECTS", "a file where the configurations should be");
    WriteFile("LANGUAGE", "a file where the languages should be");
    WriteFile("Vastrelon.xml", Settings_With("Plant", "Deutsch"));
    Start_And_Check({{}, {}, "English", "Begin"});
    EXPECT_EQ(Create_New_Configuration(QStringLiteral("New")), TNewConfigurationError::InvalidName);
}

TEST_F(HostileSurroundingsTest, LinksLeadingOutOfTheProgramFolder) {
    ASSERT_TRUE(ForceDirectories(Outside() + "/Stolen/bin"));
    ASSERT_TRUE(WriteFileAtomically(Outside() + "/Stolen/ParGen.xml", "<Par_Gen/>"));
    ASSERT_TRUE(WriteFileAtomically(Outside() + "/photo.jpg", "PHOTO"));
    ASSERT_TRUE(WriteFileAtomically(Outside() + "/evil.lng", "STR0 = Evil\n"));
    Link(Outside() + "/Stolen", "PROJECTS/Stolen");
    ASSERT_TRUE(WriteFileAtomically(Outside() + "/ParGen.xml", "<Par_Gen/>"));
    Link(Outside() + "/ParGen.xml", "PROJECTS/Plant/ParGen.xml");
    Link(Outside() + "/photo.jpg", "PROJECTS/Plant/bin/bank.bin");
    ASSERT_TRUE(ForceDirectories(PathIn("PROJECTS/Real/bin")));
    Link(PathIn("PROJECTS/Real"), "PROJECTS/Alias");  // a link that stays inside works
    WriteFile("Vastrelon.xml", Settings_With("Stolen", "../../" + QFile::encodeName(Outside()) + "/evil"));
    Start_And_Check({{}, {"Plant", "Real", "Alias"}, "English", "Begin"});

    const QByteArray outsideBefore = Folder_Snapshot(Outside());
    WriteFile("Vastrelon.xml", Settings_With("Plant", "English"));
    Start_And_Check({"PROJECTS/Plant", {"Plant", "Real", "Alias"}, "English", "Begin"});
    // Neither the image nor the parameters are written through their links.
    EXPECT_FALSE(Write_Bank_File().Ok);
    TXMLDocument parameters;
    EXPECT_FALSE(Save_General_Parameters(parameters, TGeneralParameters(), File_ParGen));
    EXPECT_EQ(Folder_Snapshot(Outside()), outsideBefore);

    WriteFile("Vastrelon.xml", Settings_With("Alias", "English"));
    Start_And_Check({"PROJECTS/Alias", {"Plant", "Real", "Alias"}, "English", "Begin"});
    EXPECT_TRUE(FileExists(PathIn("PROJECTS/Real/bin/bank.bin")));
}

TEST_F(HostileSurroundingsTest, NamesTheProgramWouldNotMakeAreSkipped) {
    for (const char* name : {"Plant", " ", "  padded", "carriage\rreturn", "tab\tbed", "bell\a"})
        ASSERT_TRUE(ForceDirectories(PathIn("PROJECTS/" + QString::fromUtf8(name)))) << name;
    // A folder name that is not valid UTF-8.
    ASSERT_EQ(::mkdir((QFile::encodeName(PathIn("PROJECTS/")) + "caf\xE9").constData(), 0755), 0);
    WriteFile("Vastrelon.xml", Settings_With("carriage&#13;return", "English"));
    Start_And_Check({{}, {"Plant"}, "English", "Begin"});
}

TEST_F(HostileSurroundingsTest, AConfigurationFolderWithoutRights) {
    WriteFile("PROJECTS/Locked/ParGen.xml", "<Par_Gen><MTCPs_IP1>10</MTCPs_IP1></Par_Gen>");
    ASSERT_TRUE(ForceDirectories(PathIn("PROJECTS/Locked/bin")));
    ASSERT_EQ(::chmod(QFile::encodeName(PathIn("PROJECTS/Locked")).constData(), 0), 0);
    WriteFile("Vastrelon.xml", Settings_With("Locked", "English"));
    // Listed and opened like any other (the files then read or fail one by one).
    Start_And_Check({"PROJECTS/Locked", {"Locked"}, "English", "Begin"});
    ::chmod(QFile::encodeName(PathIn("PROJECTS/Locked")).constData(), 0755);
}

TEST_F(HostileSurroundingsTest, AHugeLanguageFileIsRefusedUnread) {
    {
        QFile huge(PathIn("LANGUAGE/Huge.lng"));
        ForceDirectories(PathIn("LANGUAGE"));
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        huge.write("STR0 = Huge\n");
        ASSERT_TRUE(huge.resize(qint64(200) << 20));  // sparse: 200 MB that take no disk space
    }
    WriteFile("LANGUAGE/Small.lng", "STR0 = Small\n" + QByteArray(Longest_Language_File - 13, ' '));
    WriteFile("Vastrelon.xml", Settings_With("", "Huge"));
    Start_And_Check({{}, {}, "Huge", "Begin"});
    WriteFile("Vastrelon.xml", Settings_With("", "Small"));
    Start_And_Check({{}, {}, "Small", "Small"});
}

TEST_F(HostileSurroundingsTest, SettingsThatAreNotAFileOrTooLarge) {
    ASSERT_TRUE(ForceDirectories(PathIn("Vastrelon.xml")));
    Start_And_Check({{}, {}, "English", "Begin"});
    ASSERT_TRUE(QDir(PathIn("Vastrelon.xml")).removeRecursively());
    ASSERT_TRUE(ForceDirectories(PathIn("PROJECTS/Plant")));
    const QByteArray settings = Settings_With("Plant", "English");
    WriteFile("Vastrelon.xml", settings + "<!--" + QByteArray(Max_Settings_File_Size - settings.size(), ' ') + "-->");
    Start_And_Check({{}, {"Plant"}, "English", "Begin"});
}

}  // namespace

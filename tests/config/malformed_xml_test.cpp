// Files that are not well-formed XML: the compiler stops with its message and writes no
// image, the settings and parameters readers take their defaults, and xmllint, a second
// conforming parser, agrees with every verdict.

#include "test_support.h"

#include "config/configuration_compiler.h"
#include "config/general_parameters_file.h"
#include "core/program_state.h"
#include "core/settings_file.h"
#include "platform/file_system.h"
#include "platform/xml_document.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

namespace {

// Each construct breaks a file around its root's name and a well-formed inner part.
struct Construct {
    const char* name;
    QByteArray (*build)(const QByteArray& root, const QByteArray& inner);
};

QByteArray Element(const QByteArray& root, const QByteArray& attributes, const QByteArray& inner) {
    return "<" + root + attributes + ">" + inner + "</" + root + ">";
}

const Construct kConstructs[] = {
    {"a raw ampersand", [](const QByteArray& r, const QByteArray& i) { return Element(r, "", i + "<x>1 & 2</x>"); }},
    {"an undefined entity", [](const QByteArray& r, const QByteArray& i) { return Element(r, "", i + "<x>&nbsp;</x>"); }},
    {"a duplicate attribute", [](const QByteArray& r, const QByteArray& i) { return Element(r, " a=\"1\" a=\"2\"", i); }},
    {"< inside an attribute value", [](const QByteArray& r, const QByteArray& i) { return Element(r, " a=\"<\"", i); }},
    {"text before the root", [](const QByteArray& r, const QByteArray& i) { return "text" + Element(r, "", i); }},
    {"text after the root", [](const QByteArray& r, const QByteArray& i) { return Element(r, "", i) + "text"; }},
    {"a second root", [](const QByteArray& r, const QByteArray& i) { return Element(r, "", i) + Element(r, "", i); }},
    {"a control character", [](const QByteArray& r, const QByteArray& i) { return Element(r, "", i + "<x>\x01</x>"); }},
    {"a character reference to a control character",
     [](const QByteArray& r, const QByteArray& i) { return Element(r, "", i + "<x>&#1;</x>"); }},
    {"-- inside a comment", [](const QByteArray& r, const QByteArray& i) { return Element(r, "", i) + "<!-- a -- b -->"; }},
    {"bytes that are not UTF-8", [](const QByteArray& r, const QByteArray& i) { return Element(r, "", i + "<x>\xE8t\xE9</x>"); }},
    {"bytes that are not the declared encoding",
     [](const QByteArray& r, const QByteArray& i) {
         return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + Element(r, "", i + "<x>\xC3</x>");
     }},
    {"an unclosed element", [](const QByteArray& r, const QByteArray& i) { return Element(r, "", i + "<x>"); }},
};

// A well-formed file of each kind that the compiler takes as it is.
struct ConfigurationFile {
    const char* file;
    QByteArray root;
    QByteArray inner;
};

const ConfigurationFile kFiles[] = {
    {"ParGen.xml", "Par_Gen", "<MTCPs_IP1>10</MTCPs_IP1>"},
    {"DALI_Access.xml", "DALI_Access", "<DALI_ID_DEVICE_0>1</DALI_ID_DEVICE_0>"},
    {"DALI2_Access.xml", "DALI2_Access", "<DALI2_Functions_Rules/><DALI2_SetAccess_Rules/>"},
    {"KNX_SetAccess.xml", "BACnet_to_KNX", "<KNX_in_Write/>"},
};

bool XmllintSaysWellFormed(const QString& path) {
    QProcess xmllint;
    xmllint.start(QStringLiteral("xmllint"), {QStringLiteral("--noout"), path});
    EXPECT_TRUE(xmllint.waitForFinished(10000));
    return xmllint.exitStatus() == QProcess::NormalExit && xmllint.exitCode() == 0;
}

class MalformedXmlTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("xmllint")).isEmpty())
            << "xmllint is missing: run scripts/install-deps";
        Set_Program_Folders(ProgramDir());
        Project_Name = QStringLiteral("Plant");
        Project_Folder = PathIn(QStringLiteral("PROJECTS/Plant"));
        ForceDirectories(PathJoin(Project_Folder, QStringLiteral("bin")));
        Build_Configuration_Paths();
    }
    void Write(const QString& path, const QByteArray& content) {
        WriteFile(path.mid(ProgramDir().size() + 1), content);
    }
    void Clear_Configuration() {
        for (const ConfigurationFile& f : kFiles) DeleteFile(PathJoin(Project_Folder, QString::fromLatin1(f.file)));
        DeleteFile(Bank_File_Path());
    }
};

TEST_F(MalformedXmlTest, TheCompilerStopsOnEveryMalformedConfigurationFile) {
    for (const ConfigurationFile& f : kFiles) {
        SCOPED_TRACE(f.file);
        const QString path = PathJoin(Project_Folder, QString::fromLatin1(f.file));
        Clear_Configuration();
        Write(path, Element(f.root, "", f.inner));
        ASSERT_TRUE(XmllintSaysWellFormed(path));
        ASSERT_TRUE(Compile_Bank().Ok) << "the unbroken file compiles";
        for (const Construct& c : kConstructs) {
            SCOPED_TRACE(c.name);
            Clear_Configuration();
            Write(path, c.build(f.root, f.inner));
            EXPECT_FALSE(XmllintSaysWellFormed(path));
            const TCompileResult result = Compile_Bank();
            EXPECT_FALSE(result.Ok);
            EXPECT_TRUE(result.Message.contains(QString::fromLatin1(f.file) + QStringLiteral(" is not a valid XML file")))
                << result.Message.toStdString();
            EXPECT_EQ(Bank_Length, 0);
            EXPECT_FALSE(Save_Bin().Ok);
            EXPECT_FALSE(FileExists(Bank_File_Path()));
        }
    }
}

TEST_F(MalformedXmlTest, TheSettingsAndParametersReadersTakeTheirDefaults) {
    const QByteArray settingsInner =
        "<lastproj><projectname>Plant</projectname></lastproj><lastlang><language>Deutsch</language></lastlang>"
        "<lastinternet><enable_internet>1</enable_internet></lastinternet>";
    const QByteArray parametersInner = "<MTCPs_IP1>10</MTCPs_IP1><KNX_TYPE>1</KNX_TYPE>";
    for (const Construct& c : kConstructs) {
        SCOPED_TRACE(c.name);
        Write(Settings_File_Path(), c.build("Conf_Settings", settingsInner));
        EXPECT_FALSE(XmllintSaysWellFormed(Settings_File_Path()));
        TXMLDocument xml;
        Read_Settings(xml);
        EXPECT_EQ(Project_Name, QString());
        EXPECT_EQ(Language_Name, Default_Language_Name);
        EXPECT_FALSE(Enable_Internet);

        Write(File_ParGen, c.build("Par_Gen", parametersInner));
        EXPECT_FALSE(XmllintSaysWellFormed(File_ParGen));
        TXMLDocument parameters;
        Load_General_Parameters_File(parameters, File_ParGen);
        EXPECT_EQ(Read_General_Parameters(parameters), TGeneralParameters());
    }
    // The same values in well-formed files are read.
    Write(Settings_File_Path(), Element("Conf_Settings", "", settingsInner));
    TXMLDocument xml;
    Read_Settings(xml);
    EXPECT_EQ(Language_Name, QStringLiteral("Deutsch"));
    EXPECT_TRUE(Enable_Internet);
}

// Declaration-first files and other encodings the parser knows stay readable.
TEST_F(MalformedXmlTest, WellFormedVariantsStayReadable) {
    static constexpr char16_t utf16Text[] = u"<r><x>\u00e8</x></r>";
    const QByteArray utf16 = QByteArray("\xFF\xFE") +
                             QByteArray(reinterpret_cast<const char*>(utf16Text), sizeof utf16Text - sizeof(char16_t));
    const QByteArray cases[] = {
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><r><x>\xC3\xA8</x></r>",
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r><x>\xE8</x></r>",
        "\xEF\xBB\xBF<r><x>\xC3\xA8</x></r>",
        utf16,
        "<r><x>&amp;&lt;&#xE8;&#232;</x></r><!--SW_VERSION = 1.709-->\n",
        "<!DOCTYPE r><r><x>\xC3\xA8</x></r>",
    };
    const QString path = PathIn(QStringLiteral("case.xml"));
    for (const QByteArray& content : cases) {
        SCOPED_TRACE(content.toStdString());
        Write(path, content);
        EXPECT_TRUE(XmllintSaysWellFormed(path));
        TXMLDocument document;
        ASSERT_TRUE(document.LoadFromFile(path));
        const TXMLNode root = document.DocumentElement();
        if (content.contains("&amp;")) EXPECT_EQ(root.ChildNodes("x").Text(), QStringLiteral("&<\u00e8\u00e8"));
        else EXPECT_EQ(root.ChildNodes("x").Text(), QStringLiteral("\u00e8"));
    }
}

}  // namespace

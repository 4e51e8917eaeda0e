#include "core/program_state.h"
#include "core/text_table.h"
#include "editors/fieldbus/gsdml_export.h"
#include "editors/fieldbus/gsdml_save.h"
#include "platform/dialogs.h"
#include "test_support.h"
#include "editors/golden_files.h"

#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QXmlStreamReader>

namespace {

// The golden folders, wherever the tests run from.
QString Source_Folder() { return QStringLiteral(FIELDBUS_GOLDEN_FOLDER "/.."); }

class GsdmlExportTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        File_DALI_Access = PathIn("DALI_Access.xml");
        File_ParGen = PathIn("ParGen.xml");
        Load_Default_Texts();
    }

    QString Xmllint() {
        const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
        return xmllint;
    }

    // The output of xmllint, or nothing when it is not installed; fails when xmllint does.
    std::optional<QString> RunXmllint(const QStringList& arguments) {
        if (Xmllint().isEmpty()) return std::nullopt;
        QProcess process;
        process.start(Xmllint(), arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    void WriteParGen(const QString& station) {
        WriteFile("ParGen.xml", ("<ParGen><PROFINET_NAME_STA>" + station.toHtmlEscaped() +
                                 "</PROFINET_NAME_STA></ParGen>")
                                    .toUtf8());
    }
};

// Each folder holds the configuration's files and the description written from them.
TEST_F(GsdmlExportTest, GoldenDescriptions) {
    for (const char* name : {"plain", "no_par_gen"}) {
        SCOPED_TRACE(name);
        const QString folder = Source_Folder() + "/golden/gsdml/" + name;
        for (const char* file : {"DALI_Access.xml", "ParGen.xml"}) {
            QFile::remove(PathIn(file));
            if (QFileInfo::exists(folder + "/" + file)) WriteFile(file, Read_Whole_File(folder + "/" + file));
        }
        ASSERT_EQ(Write_GSDML_File(PathIn("device.xml")), "");
        const QByteArray written = ReadFile("device.xml");
        EXPECT_EQ(written, Read_Whole_File(folder + "/expected.xml"));
        ASSERT_TRUE(written.startsWith("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n"));
        EXPECT_EQ(written.count("\r\n"), 167);
        EXPECT_EQ(written.count('\n'), 167);
        EXPECT_TRUE(written.endsWith("</ISO15745Profile>\r\n"));
        RunXmllint({"--noout", PathIn("device.xml")});
    }
}

TEST_F(GsdmlExportTest, SizesCountTheFlagsOfTheConfiguration) {
    const QByteArray devices = Read_Whole_File(Source_Folder() + "/golden/gsdml/plain/DALI_Access.xml");
    struct Case {
        const char* what;
        QByteArray dali;
        QByteArray parGen;
        int input;
        QString station;
    };
    const Case cases[] = {
        {"five devices and DALI-2", devices, "<ParGen><DALI_ENABLE_DALI_2>1</DALI_ENABLE_DALI_2></ParGen>", 48, "SERIAL"},
        {"DALI-2 off", devices, "<ParGen><DALI_ENABLE_DALI_2>0</DALI_ENABLE_DALI_2></ParGen>", 40, "SERIAL"},
        {"DALI-2 absent", devices, "<!-- c --><ParGen/>", 40, "SERIAL"},
        {"no ParGen.xml", devices, {}, 0, "SERIAL"},
        {"min-max flags count too", "<D><Device_0>1</Device_0><MinMax_0>1</MinMax_0></D>", "<ParGen/>", 16, "SERIAL"},
        {"no DALI_Access.xml", {}, "<ParGen><DALI_ENABLE_DALI_2>1</DALI_ENABLE_DALI_2></ParGen>", 8, "SERIAL"},
        {"blank station", {}, "<ParGen><PROFINET_NAME_STA>   </PROFINET_NAME_STA></ParGen>", 0, "SERIAL"},
        {"station untrimmed", {}, "<ParGen><PROFINET_NAME_STA> gw 1 </PROFINET_NAME_STA></ParGen>", 0, " gw 1 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(File_DALI_Access);
        QFile::remove(File_ParGen);
        if (!c.dali.isNull()) WriteFile("DALI_Access.xml", c.dali);
        if (!c.parGen.isNull()) WriteFile("ParGen.xml", c.parGen);
        const TGSDML_Sizes sizes = Get_GSDML_Sizes();
        EXPECT_EQ(sizes.GSDML_Input_Length, c.input);
        EXPECT_EQ(sizes.GSDML_Output_Length, 132);
        EXPECT_EQ(sizes.GSDML_Station_Name, c.station);
        EXPECT_EQ(sizes.Message, "");
    }
}

TEST_F(GsdmlExportTest, AnUnreadableConfigurationFileStopsTheExport) {
    for (const char* file : {"DALI_Access.xml", "ParGen.xml"}) {
        SCOPED_TRACE(file);
        QFile::remove(File_DALI_Access);
        QFile::remove(File_ParGen);
        WriteFile(file, "<Root><open></Root>");
        WriteFile("device.xml", "kept");
        const QString problem = Write_GSDML_File(PathIn("device.xml"));
        EXPECT_TRUE(problem.contains(PathIn(file))) << problem.toStdString();
        EXPECT_EQ(ReadFile("device.xml"), "kept");
    }
}

// Station names with markup characters, non-ASCII letters and blanks stay ASCII in the
// file and read back equal in both attributes.
TEST_F(GsdmlExportTest, StationNamesAreEscapedAndReadBackEqual) {
    const QString names[] = {"a&b", "x<y>z", "say \"hi\"", "Gr\u00fc\u00dfe Stra\u00dfe", "  two  blanks ",
                             "it's", "\u20ac \U0001F600", "&amp;"};
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        WriteParGen(name);
        ASSERT_EQ(Write_GSDML_File(PathIn("device.xml")), "");
        const QByteArray written = ReadFile("device.xml");
        for (char c : written.mid(3)) ASSERT_LT(static_cast<unsigned char>(c), 0x80);
        if (!RunXmllint({"--noout", PathIn("device.xml")})) GTEST_SKIP() << "xmllint is not installed";
        for (const char* attribute : {"ImplementationType", "DNS_CompatibleName"}) {
            const auto value = RunXmllint(
                {"--xpath", QStringLiteral("string(//*[local-name()='DeviceAccessPointItem']/@%1)").arg(attribute),
                 PathIn("device.xml")});
            ASSERT_TRUE(value && value->endsWith('\n'));
            EXPECT_EQ(value->chopped(1), name);
        }
    }
    EXPECT_EQ(GSDML_Attribute_Text("plain-name_1"), "plain-name_1");
    EXPECT_EQ(GSDML_Attribute_Text("a\tb\x01"), "a&#9;b");
}

// The structure the engineering tools rely on: 40 texts, every text and target
// reference resolving.
TEST_F(GsdmlExportTest, EveryReferenceNamesAnExistingEntry) {
    ASSERT_EQ(Write_GSDML_File(PathIn("device.xml")), "");
    // After its signature the file is ASCII; the reader is given the text, not the bytes,
    // so it does not weigh the signature against the declaration.
    QXmlStreamReader xml(QString::fromLatin1(ReadFile("device.xml").mid(3)));
    QSet<QString> texts, ids;
    QStringList textRefs, targets;
    int textElements = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == QLatin1String("Text")) {
            ++textElements;
            texts.insert(attributes.value("TextId").toString());
            continue;
        }
        if (attributes.hasAttribute("ID")) ids.insert(attributes.value("ID").toString());
        if (attributes.hasAttribute("TextId")) textRefs << attributes.value("TextId").toString();
        for (const char* target : {"ModuleItemTarget", "ValueItemTarget", "MenuTarget", "ParameterTarget"})
            if (attributes.hasAttribute(target)) targets << attributes.value(target).toString();
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(textElements, 40);
    EXPECT_EQ(texts.size(), 40);
    for (const QString& ref : textRefs) EXPECT_TRUE(texts.contains(ref)) << ref.toStdString();
    EXPECT_EQ(targets.size(), 4);
    for (const QString& target : targets) EXPECT_TRUE(ids.contains(target)) << target.toStdString();
}

TEST_F(GsdmlExportTest, TheSaveDialogChoosesOnlyTheFolder) {
    Project_Folder = PathIn("PROJECTS/Plant");
    const QString name = "GSDML-V2.31-Korvel-RT30591_hall-20230502.xml";
    std::vector<FileDialogRequest> requests;
    std::optional<QString> answer;
    SetFileDialogResponder([&](const FileDialogRequest& request) {
        requests.push_back(request);
        return answer;
    });
    Save_GSDML_File(name);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_TRUE(requests[0].save);
    EXPECT_EQ(requests[0].initialDir, Project_Folder);
    EXPECT_EQ(requests[0].filter, "PROFINET XML (*.xml)|" + name);
    EXPECT_EQ(requests[0].fileName, name);
    EXPECT_FALSE(QFileInfo::exists(PathIn(name)));

    // Another typed name changes only the folder.
    answer = PathIn("out/other.xml");
    WriteFile("out/keep", "");
    Save_GSDML_File(name);
    EXPECT_TRUE(QFileInfo::exists(PathIn("out/" + name)));
    EXPECT_FALSE(QFileInfo::exists(PathIn("out/other.xml")));
    EXPECT_TRUE(Messages.empty());

    // The overwrite question; No leaves the file untouched.
    WriteFile("out/" + name, "mine");
    Answers = {mrNo};
    Save_GSDML_File(name);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].text, "File already exists! Do you want to overwrite the file?");
    EXPECT_EQ(ReadFile("out/" + name), "mine");
    Save_GSDML_File(name);
    EXPECT_TRUE(ReadFile("out/" + name).startsWith("\xEF\xBB\xBF"));
}

}  // namespace

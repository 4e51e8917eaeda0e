#include "config/general_parameters_file.h"

#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

QString GoldenFolder(const char* name) {
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/golden/") + QString::fromUtf8(name);
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TGeneralParameters ReadFromText(const QByteArray& xml) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ParGen.xml"));
    WriteFileAtomically(path, xml);
    TXMLDocument document;
    Load_General_Parameters_File(document, path);
    return Read_General_Parameters(document);
}

// Each folder holds the file read (input.xml, none for a missing file) and the file
// written back (ParGen.xml), byte for byte.
TEST(GeneralParametersFile, GoldenFiles) {
    for (const char* name : {"par_gen_defaults", "par_gen_partial_file"}) {
        const QString folder = GoldenFolder(name);
        ASSERT_TRUE(QFileInfo::exists(folder + QStringLiteral("/ParGen.xml"))) << name;
        QTemporaryDir work;
        const QString written = work.filePath(QStringLiteral("ParGen.xml"));

        TXMLDocument document;
        Load_General_Parameters_File(document, folder + QStringLiteral("/input.xml"));
        const TGeneralParameters parameters = Read_General_Parameters(document);
        ASSERT_TRUE(Save_General_Parameters(document, parameters, written)) << name;

        EXPECT_EQ(ReadAll(written), ReadAll(folder + QStringLiteral("/ParGen.xml"))) << name;
    }
}

TEST(GeneralParametersFile, WrittenFileReadsBackValueForValue) {
    TGeneralParameters parameters;
    int n = 0;
    for (const TGeneralParameterElement& element : General_Parameter_Elements())
        parameters.*element.field = QStringLiteral(" value %1 <&> ").arg(n++);
    parameters.KNX_TYPE.clear();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ParGen.xml"));
    TXMLDocument writer;
    ASSERT_TRUE(Save_General_Parameters(writer, parameters, path));

    const TGeneralParameters read = ReadFromText(ReadAll(path));
    EXPECT_EQ(read, parameters);
    EXPECT_EQ(General_Parameter_Elements().size(), 32u);
}

TEST(GeneralParametersFile, UnusableFilesGiveEveryDefault) {
    const TGeneralParameters defaults;
    const struct { const char* what; QByteArray xml; } cases[] = {
        {"not XML", QByteArray("<Par_Gen><MTCPs_IP1>1</MTCPs_IP1>")},
        {"binary", QByteArray("\x00\xff\xfe garbage", 12)},
        {"empty", QByteArray()},
        {"comment first", QByteArray("<!--x--><Par_Gen><MTCPs_IP1>1</MTCPs_IP1></Par_Gen>")},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadFromText(c.xml), defaults) << c.what;

    TXMLDocument document;
    Load_General_Parameters_File(document, QStringLiteral("/nonexistent/folder/ParGen.xml"));
    EXPECT_EQ(Read_General_Parameters(document), defaults);
    EXPECT_EQ(document.ChildCount(), 0);
}

TEST(GeneralParametersFile, FileWithoutCommentReadsTheSame) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ParGen.xml"));
    TGeneralParameters parameters;
    parameters.KNX_ID_DEV = QStringLiteral("2.3.4");
    TXMLDocument writer;
    ASSERT_TRUE(Save_General_Parameters(writer, parameters, path));
    QByteArray text = ReadAll(path);
    text.replace("<!--SW_VERSION = 1.709-->\n", "");
    EXPECT_FALSE(text.contains("SW_VERSION"));
    EXPECT_EQ(ReadFromText(text), parameters);
}

TEST(GeneralParametersFile, ExtrasTakeTheirReadersFallbacks) {
    const auto extras = [](const QByteArray& body) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ParGen.xml"));
        WriteFileAtomically(path, "<Par_Gen>" + body + "</Par_Gen>");
        TXMLDocument document;
        Load_General_Parameters_File(document, path);
        return Read_General_Parameter_Extras(document);
    };

    const TGeneralParameterExtras none = extras("");
    EXPECT_FALSE(none.DALI_DIMMING_MODE || none.DALI_ALLOW_MINMAX_VALUES || none.DALI_RECALL_MINMAX_LEVEL ||
                 none.DALI_RECALL_OLDVALUES_LEVEL);
    EXPECT_EQ(none.PROFINET_NAME_STA, QStringLiteral("SERIAL"));
    EXPECT_EQ(none.DMX_Num_Channels, 512);
    EXPECT_EQ(none.BACnet_Type, 0);

    const TGeneralParameterExtras set = extras(
        "<DALI_DIMMING_MODE>1</DALI_DIMMING_MODE><DALI_ALLOW_MINMAX_VALUES>true</DALI_ALLOW_MINMAX_VALUES>"
        "<DALI_RECALL_MINMAX_LEVEL>yes</DALI_RECALL_MINMAX_LEVEL><DALI_RECALL_OLDVALUES_LEVEL>1</DALI_RECALL_OLDVALUES_LEVEL>"
        "<PROFINET_NAME_STA>plc-7</PROFINET_NAME_STA><DMX_Num_Channels>24</DMX_Num_Channels><BACnet_Type>2</BACnet_Type>");
    EXPECT_TRUE(set.DALI_DIMMING_MODE);
    EXPECT_FALSE(set.DALI_ALLOW_MINMAX_VALUES);
    EXPECT_FALSE(set.DALI_RECALL_MINMAX_LEVEL);
    EXPECT_TRUE(set.DALI_RECALL_OLDVALUES_LEVEL);
    EXPECT_EQ(set.PROFINET_NAME_STA, QStringLiteral("plc-7"));
    EXPECT_EQ(set.DMX_Num_Channels, 24);
    EXPECT_EQ(set.BACnet_Type, 2);

    const TGeneralParameterExtras blank =
        extras("<PROFINET_NAME_STA>   </PROFINET_NAME_STA><DMX_Num_Channels>many</DMX_Num_Channels>");
    EXPECT_EQ(blank.PROFINET_NAME_STA, QStringLiteral("SERIAL"));
    EXPECT_EQ(blank.DMX_Num_Channels, 512);
}

TEST(GeneralParametersFile, SaveIntoAMissingFolderFails) {
    QTemporaryDir dir;
    TXMLDocument document;
    EXPECT_FALSE(Save_General_Parameters(document, TGeneralParameters(), dir.filePath(QStringLiteral("gone/ParGen.xml"))));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

}  // namespace

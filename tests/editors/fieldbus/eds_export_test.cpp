#include "core/program_state.h"
#include "editors/fieldbus/eds_export.h"
#include "editors/fieldbus/eds_save.h"
#include "eds_checker.h"
#include "platform/dialogs.h"
#include "platform/wall_clock.h"
#include "test_support.h"
#include "editors/golden_files.h"

#include <QFileInfo>
#include <QRandomGenerator>

namespace {

// The golden folders, wherever the tests run from.
QString Source_Folder() { return QStringLiteral(FIELDBUS_GOLDEN_FOLDER "/.."); }

const QDateTime Fixed_Moment(QDate(2023, 5, 2), QTime(14, 7));

class EdsExportTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        File_PDO_CANopen = PathIn("PDO_CANopen.xml");
        File_SDO_Server_CANopen = PathIn("SDO_Server_CANopen.xml");
        SetWallClock([] { return Fixed_Moment; });
    }
    void TearDown() override {
        SetWallClock({});
        ProgramFolderTest::TearDown();
    }

    static void Expect_No_Fault(const QByteArray& text) {
        const eds_checker::Description description = eds_checker::Read(text);
        EXPECT_TRUE(description.faults.isEmpty()) << description.faults.join('\n').toStdString();
    }
};

// Each folder holds the rule files of a configuration (none, some or both) and the
// description written from them at 14:07 on 2 May 2023.
TEST_F(EdsExportTest, GoldenDescriptions) {
    for (const char* name : {"no_rule_files", "receive_only", "full_pdos", "manufacturer_objects"}) {
        SCOPED_TRACE(name);
        const QString folder = Source_Folder() + "/golden/eds/" + name;
        for (const char* file : {"PDO_CANopen.xml", "SDO_Server_CANopen.xml"}) {
            QFile::remove(PathIn(file));
            if (QFileInfo::exists(folder + "/" + file)) WriteFile(file, Read_Whole_File(folder + "/" + file));
        }
        ASSERT_EQ(Write_EDS_File(PathIn("device.eds")), "");
        const QByteArray written = ReadFile("device.eds");
        EXPECT_EQ(written, Read_Whole_File(folder + "/expected.eds"));
        Expect_No_Fault(written);
    }
}

TEST_F(EdsExportTest, TheTimeKeepsTheDevicesOwnNoonRule) {
    struct Case {
        int hour, minute;
        const char* text;
    };
    const Case cases[] = {{0, 0, "00:00AM"},  {0, 5, "00:05AM"},  {9, 41, "09:41AM"},  {11, 59, "11:59AM"},
                          {12, 0, "12:00AM"}, {12, 30, "00:30PM"}, {12, 59, "00:59PM"}, {13, 0, "01:00PM"},
                          {23, 59, "11:59PM"}};
    for (const Case& c : cases) EXPECT_EQ(EDS_Time_Text(QTime(c.hour, c.minute)), c.text) << c.text;
    EXPECT_EQ(EDS_Date_Text(QDate(2023, 5, 2)), "05-02-2023");
    EXPECT_EQ(EDS_Date_Text(QDate(987, 12, 31)), "12-31-987");
}

TEST_F(EdsExportTest, PdoNumbersThatDoNotConvertTakeTheDevicesDefaults) {
    WriteFile("PDO_CANopen.xml", "<!-- by hand --><P><Receive_PDO><row COB-ID=\"abc\" Dimension=\"\"/>"
                                 "<row COB-ID=\" $1FF\" Dimension=\"x3\"/></Receive_PDO><Transmit_PDO>"
                                 "<row COB-ID=\"385 \" Dimension=\"2 \"/></Transmit_PDO></P>");
    TPDO_Table table;
    ASSERT_EQ(Load_PDO_Table(File_PDO_CANopen, table), "");
    ASSERT_EQ(table.Receive.size(), 2u);
    EXPECT_EQ(table.Receive[0].COB_ID, 0u);
    EXPECT_EQ(table.Receive[0].Dimension, 8);
    EXPECT_EQ(table.Receive[1].COB_ID, 0x1FFu);
    EXPECT_EQ(table.Receive[1].Dimension, 3);
    ASSERT_EQ(table.Transmit.size(), 1u);
    EXPECT_EQ(table.Transmit[0].COB_ID, 0u);
    EXPECT_EQ(table.Transmit[0].Dimension, 8);
}

TEST_F(EdsExportTest, FindingAnIndexByHashAgreesWithALinearSearch) {
    TSDO_Object_List objects;
    QRandomGenerator random(7);
    for (int i = 0; i < 2000; ++i) objects.Add(0x2000 + int(random.bounded(600)), {int(random.bounded(256)), 1, true, {}});
    for (int index = 0x1FF0; index < 0x2300; ++index) {
        int linear = -1;
        for (std::size_t k = 0; k < objects.Objects().size() && linear < 0; ++k)
            if (objects.Objects()[k].Index == index) linear = int(k);
        EXPECT_EQ(objects.Find_SDO_Index(index), linear) << index;
    }
}

TEST_F(EdsExportTest, SortingKeepsEqualSubIndexesInOrder) {
    TSDO_Object_List objects;
    for (int sub : {5, 1, 5, 0, 3}) objects.Add(0x2000, {sub, sub == 5 && objects.Objects().empty() ? 1 : 2, true, {}});
    Sort_SDO_Sub_Indexes(objects);
    const std::vector<SDO_Sub_Type>& entries = objects.Objects()[0].Sub_Indexs;
    std::vector<int> subs;
    for (const SDO_Sub_Type& entry : entries) subs.push_back(entry.Sub);
    EXPECT_EQ(subs, std::vector<int>({0, 1, 3, 5, 5}));
    EXPECT_EQ(entries[3].Quantity, 1);
    EXPECT_EQ(entries[4].Quantity, 2);
}

// Rule files the export cannot describe: a message naming the file, the row and the
// rule, and the chosen file as it was.
TEST_F(EdsExportTest, HostileRuleFilesStopTheExportBeforeWriting) {
    const QString pdoRow = "<row COB-ID=\"0x181\" Dimension=\"%1\"/>";
    QString thirtyOne;
    for (int i = 0; i < 31; ++i) thirtyOne += pdoRow.arg(1);
    const QString sdoRow = "<row Index=\"%1\" SubIndex=\"%2\" NByte=\"1\"/>";
    struct Case {
        const char* what;
        QString pdo;
        QString sdo;
        QStringList message;
    };
    const Case cases[] = {
        {"not well-formed", "<PDO_CANopen><Receive_PDO>", "", {"PDO_CANopen.xml", "not well-formed"}},
        {"no list", "<PDO_CANopen><Receive_PDO/></PDO_CANopen>", "", {"PDO_CANopen.xml", "no list \"Transmit_PDO\""}},
        {"no attribute", "<PDO_CANopen><Receive_PDO><row COB-ID=\"1\"/></Receive_PDO><Transmit_PDO/></PDO_CANopen>", "",
         {"PDO_CANopen.xml", "Row 1", "\"Dimension\""}},
        {"31 PDOs", "<PDO_CANopen><Receive_PDO/><Transmit_PDO>" + thirtyOne + "</Transmit_PDO></PDO_CANopen>", "",
         {"PDO_CANopen.xml", "Transmit_PDO", "31 PDOs"}},
        {"Dimension 9", "<PDO_CANopen><Receive_PDO>" + pdoRow.arg(1) + pdoRow.arg(9) + "</Receive_PDO><Transmit_PDO/></PDO_CANopen>",
         "", {"PDO_CANopen.xml", "row 2", "Dimension \"9\""}},
        {"Dimension 0", "<PDO_CANopen><Receive_PDO>" + pdoRow.arg("0x0") + "</Receive_PDO><Transmit_PDO/></PDO_CANopen>", "",
         {"row 1", "Dimension \"0x0\""}},
        {"index too low", "", "<S><SDO_Read>" + sdoRow.arg("0x1FFF").arg(0) + "</SDO_Read><SDO_Write/></S>",
         {"SDO_Server_CANopen.xml", "row 1", "\"SDO_Read\"", "0x1FFF"}},
        {"index too high", "", "<S><SDO_Read/><SDO_Write>" + sdoRow.arg("24576").arg(0) + "</SDO_Write></S>",
         {"row 1", "\"SDO_Write\"", "24576"}},
        {"sub-index 256", "", "<S><SDO_Read>" + sdoRow.arg("0x2000").arg(256) + "</SDO_Read><SDO_Write/></S>",
         {"SubIndex \"256\""}},
        {"sub-index negative", "", "<S><SDO_Read>" + sdoRow.arg("0x2000").arg(-1) + "</SDO_Read><SDO_Write/></S>",
         {"SubIndex \"-1\""}},
        {"not a number", "", "<S><SDO_Read><row Index=\"0x2000\" SubIndex=\"1\" NByte=\"one\"/></SDO_Read><SDO_Write/></S>",
         {"NByte \"one\"", "not a number"}},
        {"a pair twice", "",
         "<S><SDO_Read>" + sdoRow.arg("0x2000").arg(1) + "</SDO_Read><SDO_Write>" + sdoRow.arg("$2000").arg("0x01") +
             "</SDO_Write></S>",
         {"row 1 of the list \"SDO_Write\"", "repeats the Index 0x2000 with the SubIndex 1 of row 1 of the list \"SDO_Read\""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(File_PDO_CANopen);
        QFile::remove(File_SDO_Server_CANopen);
        if (!c.pdo.isEmpty()) WriteFile("PDO_CANopen.xml", c.pdo.toUtf8());
        if (!c.sdo.isEmpty()) WriteFile("SDO_Server_CANopen.xml", c.sdo.toUtf8());
        WriteFile("device.eds", "kept");
        const QString problem = Write_EDS_File(PathIn("device.eds"));
        for (const QString& part : c.message) EXPECT_TRUE(problem.contains(part)) << problem.toStdString() << " / " << part.toStdString();
        EXPECT_EQ(ReadFile("device.eds"), "kept");
    }
}

// Random valid configurations read back without fault, and the description holds the
// configuration's objects.
TEST_F(EdsExportTest, RandomConfigurationsReadBackAsConfigured) {
    for (quint32 seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        QRandomGenerator random(seed);
        TPDO_Table pdos;
        QString lists[2];
        for (int list = 0; list < 2; ++list) {
            const int count = int(random.bounded(31));
            for (int n = 0; n < count; ++n) {
                const TPDO_Entry entry{quint32(random.bounded(0x800)), int(random.bounded(8)) + 1};
                (list == 0 ? pdos.Receive : pdos.Transmit).push_back(entry);
                lists[list] += QStringLiteral("<row COB-ID=\"0x%1\" Dimension=\"%2\"/>").arg(entry.COB_ID, 0, 16).arg(entry.Dimension);
            }
        }
        WriteFile("PDO_CANopen.xml", QStringLiteral("<P><Receive_PDO>%1</Receive_PDO><Transmit_PDO>%2</Transmit_PDO></P>")
                                         .arg(lists[0], lists[1])
                                         .toUtf8());
        QMap<QString, QString> configured;  // "IIIIsubS" -> data type and access
        QString sdoLists[2];
        for (int list = 0; list < 2; ++list) {
            const int count = int(random.bounded(60));
            for (int i = 0; i < count; ++i) {
                const int index = 0x2000 + int(random.bounded(8));
                const int sub = int(random.bounded(20));
                const QString key = QStringLiteral("%1SUB%2").arg(index, 4, 16).arg(sub, 0, 16).toUpper();
                if (configured.contains(key)) continue;
                const int size = QList<int>({1, 2, 4})[int(random.bounded(3))];
                configured.insert(key, QStringLiteral("%1 %2").arg(QLatin1String(size == 1 ? "0x0005" : size == 2 ? "0x0006" : "0x0007"),
                                                                    QLatin1String(list == 0 ? "ro" : "rw")));
                sdoLists[list] += QStringLiteral("<row Index=\"%1\" SubIndex=\"%2\" NByte=\"%3\"/>").arg(index).arg(sub).arg(size);
            }
        }
        WriteFile("SDO_Server_CANopen.xml",
                  QStringLiteral("<S><SDO_Read>%1</SDO_Read><SDO_Write>%2</SDO_Write></S>").arg(sdoLists[0], sdoLists[1]).toUtf8());

        ASSERT_EQ(Write_EDS_File(PathIn("device.eds")), "");
        const QByteArray text = ReadFile("device.eds");
        const eds_checker::Description description = eds_checker::Read(text);
        ASSERT_TRUE(description.faults.isEmpty()) << description.faults.join('\n').toStdString();

        for (int list = 0; list < 2; ++list) {
            const std::vector<TPDO_Entry>& entries = list == 0 ? pdos.Receive : pdos.Transmit;
            for (std::size_t n = 0; n < entries.size(); ++n) {
                const int base = (list == 0 ? 0x1400 : 0x1800) + int(n);
                const auto* cob = description.Find(QStringLiteral("%1sub1").arg(base, 4, 16));
                ASSERT_NE(cob, nullptr);
                EXPECT_EQ(eds_checker::Number(cob->Value("DefaultValue")), entries[n].COB_ID);
                const auto* mapping = description.Find(QStringLiteral("%1").arg(base + 0x200, 4, 16));
                ASSERT_NE(mapping, nullptr);
                EXPECT_EQ(eds_checker::Number(mapping->Value("SubNumber")), entries[n].Dimension + 1);
            }
            EXPECT_EQ(description.Find(QStringLiteral("%1").arg((list == 0 ? 0x1400 : 0x1800) + int(entries.size()), 4, 16)),
                      nullptr);
        }
        QMap<QString, QString> described;
        for (const eds_checker::Section& section : description.sections) {
            if (section.Value("ParameterName") != QLatin1String("Application Variable")) continue;
            described.insert(section.name, section.Value("DataType") + " " + section.Value("AccessType"));
        }
        EXPECT_EQ(described, configured);
    }
}

TEST_F(EdsExportTest, TheSaveDialogChoosesTheFileAndReplacesItWithoutAsking) {
    Project_Folder = PathIn("PROJECTS/Plant");
    TSaveDialog SaveEDS(nullptr);
    SaveEDS.DefaultExt = "*.eds";
    std::vector<FileDialogRequest> requests;
    std::optional<QString> answer;
    SetFileDialogResponder([&](const FileDialogRequest& request) {
        requests.push_back(request);
        return answer;
    });
    Build_EDS_File(&SaveEDS);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].initialDir, Project_Folder);
    answer = PathIn("device");
    WriteFile("device.eds", "old");
    Build_EDS_File(&SaveEDS);
    EXPECT_TRUE(ReadFile("device.eds").startsWith("[FileInfo]\r\nFileName=DALI_CANopen.eds\r\n"));
    EXPECT_TRUE(Messages.empty());

    WriteFile("PDO_CANopen.xml", "<P><Receive_PDO><row COB-ID=\"1\" Dimension=\"12\"/></Receive_PDO><Transmit_PDO/></P>");
    WriteFile("device.eds", "old");
    Build_EDS_File(&SaveEDS);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].type, mtError);
    EXPECT_TRUE(Messages[0].text.contains("PDO_CANopen.xml"));
    EXPECT_EQ(ReadFile("device.eds"), "old");
}

}  // namespace

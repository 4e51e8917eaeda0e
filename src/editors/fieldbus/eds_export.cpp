#include "editors/fieldbus/eds_export.h"
#include "core/maker_values.h"
#include "core/program_state.h"
#include "editors/rule_file_reader.h"
#include "editors/rule_integer.h"
#include "platform/file_system.h"
#include "platform/wall_clock.h"

#include <algorithm>
#include <array>
#include <climits>
#include <optional>

// Sections of the text, in file order: file and device information, the object lists,
// the fixed communication objects, the PDO communication and mapping objects, the PDO
// data objects, the manufacturer objects.

namespace {

constexpr int Lowest_SDO_Index = 0x2000;
constexpr int Highest_SDO_Index = 0x5FFF;
constexpr int Highest_Sub_Index = 0xFF;

const std::array<const char*, 30> Receive_Names = {"b",  "c",  "d",  "e",  "f",  "g",  "h",  "j",  "k",  "i",
                                                   "aa", "ab", "ac", "ad", "ae", "af", "ag", "ah", "ai", "al",
                                                   "am", "an", "ao", "ap", "aq", "ar", "as", "at", "au", "av"};
const std::array<const char*, 30> Transmit_Names = {"l",  "m",  "n",  "o",  "p",  "q",  "r",  "s",  "t",  "u",
                                                    "ca", "cb", "cc", "cd", "ce", "cf", "cg", "ch", "ci", "cl",
                                                    "cm", "cn", "co", "cp", "cq", "cr", "cs", "ct", "cu", "cv"};

QString Hex(quint32 value, int digits) {
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

QString Row_Problem(const QString& fileName, const QString& listName, int row, const QString& rule) {
    return QStringLiteral("The file \"%1\" cannot be exported: row %2 of the list \"%3\" %4.")
        .arg(fileName)
        .arg(row)
        .arg(listName, rule);
}

QString Read_PDO_List(const TXMLNode& root, const QString& fileName, const QString& listName,
                      std::vector<TPDO_Entry>& entries) {
    const TXMLNode list = Find_Rule_List(root, listName);
    const TRuleRows rows = Read_Rule_List(list, {{QStringLiteral("COB-ID"), {}}, {QStringLiteral("Dimension"), {}}},
                                          Max_PDOs_Per_List, fileName, listName);
    if (rows.Rows_Left_Out > 0)
        return QStringLiteral("The file \"%1\" cannot be exported: the list \"%2\" holds %3 PDOs, more than the %4 a "
                              "device description takes.")
            .arg(fileName, listName)
            .arg(rows.Rows.size() + std::size_t(rows.Rows_Left_Out))
            .arg(Max_PDOs_Per_List);
    if (!rows.Message.isEmpty()) return rows.Message;
    for (std::size_t i = 0; i < rows.Rows.size(); ++i) {
        const std::optional<std::int64_t> cobId = Rule_Integer_Value(rows.Rows[i][0]);
        const std::optional<std::int64_t> dimension = Rule_Integer_Value(rows.Rows[i][1]);
        TPDO_Entry entry;
        // A COB-ID that does not convert is 0 and a Dimension that does not convert is 8,
        // as the device reads them.
        entry.COB_ID = cobId && *cobId >= INT_MIN && *cobId <= UINT_MAX ? quint32(*cobId) : 0;
        entry.Dimension = dimension ? int(std::clamp<std::int64_t>(*dimension, -1, 9)) : 8;
        if (entry.Dimension < 1 || entry.Dimension > 8)
            return Row_Problem(fileName, listName, int(i) + 1,
                               QStringLiteral("has the Dimension \"%1\", outside 1..8").arg(rows.Rows[i][1]));
        entries.push_back(entry);
    }
    return {};
}

struct SectionWriter {
    QByteArray text;

    void Line(const QString& line) {
        text += line.toLatin1();
        text += "\r\n";
    }
    void Key(const char* key, const QString& value) { Line(QLatin1String(key) + QLatin1Char('=') + value); }
    void Section(const QString& name) { Line(QLatin1Char('[') + name + QLatin1Char(']')); }
    void End() { Line(QString()); }

    // A VAR: ParameterName, ObjectType, DataType, AccessType, DefaultValue when given, PDOMapping.
    void Variable(const QString& section, const QString& name, const char* objectType, const char* dataType,
                  const char* access, const QString& defaultValue, const char* mapping = "0") {
        Section(section);
        Key("ParameterName", name);
        Key("ObjectType", QLatin1String(objectType));
        Key("DataType", QLatin1String(dataType));
        Key("AccessType", QLatin1String(access));
        if (!defaultValue.isNull()) Key("DefaultValue", defaultValue);
        Key("PDOMapping", QLatin1String(mapping));
        End();
    }
    void Header(const QString& section, int subNumber, const QString& name, const char* objectType) {
        Section(section);
        Key("SubNumber", QString::number(subNumber));
        Key("ParameterName", name);
        Key("ObjectType", QLatin1String(objectType));
        End();
    }
};

void Write_Fixed_Objects(SectionWriter& w) {
    const QString none;
    w.Variable(QStringLiteral("1000"), QStringLiteral("Device Type"), "0x07", "0x0007", "const", QStringLiteral("0x000101A4"));
    w.Variable(QStringLiteral("1001"), QStringLiteral("Error Register"), "0x07", "0x0005", "ro", QStringLiteral("0x00"));
    w.Variable(QStringLiteral("1005"), QStringLiteral("COB-ID SYNC"), "0x07", "0x0007", "rw", QStringLiteral("0x80000080"));
    w.Variable(QStringLiteral("1006"), QStringLiteral("Communication Cycle Period"), "0x07", "0x0007", "rw",
               QStringLiteral("0x00000000"));
    w.Variable(QStringLiteral("1008"), QStringLiteral("Manufacturer Device Name"), "0x07", "0x0009", "const",
               QStringLiteral("s1"));
    w.Variable(QStringLiteral("1014"), QStringLiteral("COB-ID EMCY"), "0x07", "0x0007", "ro", QStringLiteral("$NODEID+0x80"));
    w.Header(QStringLiteral("1016"), 3, QStringLiteral("Heartbeat Consumer Entries"), "0x08");
    w.Variable(QStringLiteral("1016sub0"), QStringLiteral("Number of Entries"), "0x07", "0x0005", "ro", QStringLiteral("0x02"));
    w.Variable(QStringLiteral("1016sub1"), QStringLiteral("Consumer Heartbeat Time 1"), "0x07", "0x0007", "rw",
               QStringLiteral("0x00000000"));
    w.Variable(QStringLiteral("1016sub2"), QStringLiteral("Consumer Heartbeat Time 2"), "0x07", "0x0007", "rw",
               QStringLiteral("0x00000000"));
    w.Variable(QStringLiteral("1017"), QStringLiteral("Producer Heartbeat Time"), "0x07", "0x0006", "rw",
               QStringLiteral("0x000003E8"));
    w.Header(QStringLiteral("1018"), 5, QStringLiteral("Identity Object"), "0x09");
    w.Variable(QStringLiteral("1018sub0"), QStringLiteral("number of entries"), "0x07", "0x0005", "ro", QStringLiteral("0x4"));
    w.Variable(QStringLiteral("1018sub1"), QStringLiteral("Vendor Id"), "0x07", "0x0007", "ro", none);
    w.Variable(QStringLiteral("1018sub2"), QStringLiteral("Product Code"), "0x07", "0x0007", "ro", none);
    w.Variable(QStringLiteral("1018sub3"), QStringLiteral("Revision number"), "0x07", "0x0007", "ro", none);
    w.Variable(QStringLiteral("1018sub4"), QStringLiteral("Serial number"), "0x07", "0x0007", "ro", none);
    w.Header(QStringLiteral("1029"), 2, QStringLiteral("Error Behaviour"), "0x08");
    w.Variable(QStringLiteral("1029sub0"), QStringLiteral("Number of Entries"), "0x07", "0x0005", "ro", QStringLiteral("1"));
    w.Variable(QStringLiteral("1029sub1"), QStringLiteral("Communication Error"), "0x07", "0x0005", "rw", QStringLiteral("0x0"));
    w.Header(QStringLiteral("1280"), 4, QStringLiteral("Client SDO Parameter 1"), "0x09");
    w.Variable(QStringLiteral("1280sub0"), QStringLiteral("Number of Entries"), "0x07", "0x0005", "ro", QStringLiteral("0x03"));
    w.Variable(QStringLiteral("1280sub1"), QStringLiteral("COB-ID Client -> Server"), "0x07", "0x0007", "rw", none);
    w.Variable(QStringLiteral("1280sub2"), QStringLiteral("COB-ID Server -> Client"), "0x07", "0x0007", "rw", none);
    w.Variable(QStringLiteral("1280sub3"), QStringLiteral("Node ID of the SDO Server"), "0x07", "0x0005", "rw", none);
}

void Write_Communication_Objects(SectionWriter& w, const std::vector<TPDO_Entry>& pdos, int baseIndex,
                                 const QString& name) {
    for (std::size_t n = 0; n < pdos.size(); ++n) {
        const QString index = Hex(quint32(baseIndex + int(n)), 4);
        w.Header(index, 4, name + QString::number(n + 1), "0x09");
        w.Variable(index + QLatin1String("sub0"), QStringLiteral("Number of Entries"), "0x07", "0x0005", "ro",
                   QStringLiteral("0x03"));
        w.Variable(index + QLatin1String("sub1"), QStringLiteral("COB-ID"), "0x07", "0x0007", "rw",
                   QLatin1String("0x") + Hex(pdos[n].COB_ID, 8));
        w.Variable(index + QLatin1String("sub2"), QStringLiteral("Transmission Type"), "0x07", "0x0005", "rw",
                   QStringLiteral("0xFE"));
        w.Variable(index + QLatin1String("sub3"), QStringLiteral("Inhibit Time"), "0x07", "0x0006", "rw",
                   QStringLiteral("0x0"));
    }
}

void Write_Mapping_Objects(SectionWriter& w, const std::vector<TPDO_Entry>& pdos, int baseIndex, int dataIndex,
                           const QString& name, bool numbered) {
    for (std::size_t n = 0; n < pdos.size(); ++n) {
        const QString index = Hex(quint32(baseIndex + int(n)), 4);
        const int dimension = pdos[n].Dimension;
        w.Header(index, dimension + 1, numbered ? name + QString::number(n + 1) : name, "0x09");
        w.Variable(index + QLatin1String("sub0"), QStringLiteral("Number of Entries"), "0x07", "0x0005", "ro",
                   QLatin1String("0x") + Hex(quint32(dimension), 2));
        for (int j = 1; j <= dimension; ++j)
            w.Variable(index + QLatin1String("sub") + QString::number(j), QStringLiteral("Mapping Entry %1").arg(j), "0x07",
                       "0x0007", "ro",
                       QLatin1String("0x") + Hex(quint32(dataIndex + int(n)), 4) + Hex(quint32(j), 2) +
                           QLatin1String("08"));
    }
}

void Write_Data_Objects(SectionWriter& w, const std::vector<TPDO_Entry>& pdos, int baseIndex, const char* prefix,
                        const std::array<const char*, 30>& names, const char* countAccess, const char* entryAccess) {
    for (std::size_t n = 0; n < pdos.size(); ++n) {
        const QString index = Hex(quint32(baseIndex + int(n)), 4);
        const int dimension = pdos[n].Dimension;
        w.Header(index, dimension + 1, QLatin1String(prefix) + QString::number(n + 1), "0x08");
        w.Variable(index + QLatin1String("sub0"), QStringLiteral("Number of Entries"), "0x07", "0x0005", countAccess,
                   QLatin1String("0x") + Hex(quint32(dimension), 2));
        for (int j = 1; j <= dimension; ++j)
            w.Variable(index + QLatin1String("sub") + QString::number(j), QLatin1String(names[n]) + QString::number(j),
                       "0x07", "0x0005", entryAccess, QStringLiteral("0x00"), "1");
    }
}

void Write_Manufacturer_Objects(SectionWriter& w, const TSDO_Object_List& objects) {
    for (const SDO_Index& object : objects.Objects()) {
        const QString index = Hex(quint32(object.Index), 4);
        const std::vector<SDO_Sub_Type>& entries = object.Sub_Indexs;
        const bool ownSub0 = entries.front().Sub == 0;
        w.Header(index, int(entries.size()) + (ownSub0 ? 0 : 1), QStringLiteral("App Vars"), "0x9");
        if (!ownSub0)
            w.Variable(index + QLatin1String("sub0"), QStringLiteral("Largest Sub-Index supported"), "0x7", "0x0005", "ro",
                       QLatin1String("0x") + Hex(quint32(entries.back().Sub), 2));
        for (const SDO_Sub_Type& entry : entries) {
            w.Section(index + QLatin1String("sub") + QString::number(entry.Sub, 16).toUpper());
            w.Key("ParameterName", QStringLiteral("Application Variable"));
            w.Key("ObjectType", QStringLiteral("0x7"));
            if (entry.Quantity == 1) {
                w.Key("DataType", QStringLiteral("0x0005"));
                w.Key("LowLimit", QStringLiteral("0x00"));
                w.Key("HighLimit", QStringLiteral("0xFF"));
                w.Key("DefaultValue", QStringLiteral("0x00"));
            } else if (entry.Quantity == 2) {
                w.Key("DataType", QStringLiteral("0x0006"));
                w.Key("LowLimit", QStringLiteral("0x0000"));
                w.Key("HighLimit", QStringLiteral("0xFFFF"));
                w.Key("DefaultValue", QStringLiteral("0x0000"));
            } else {
                w.Key("DataType", QStringLiteral("0x0007"));
                w.Key("LowLimit", QStringLiteral("0x00000000"));
                w.Key("HighLimit", QStringLiteral("0xFFFFFFFF"));
                w.Key("DefaultValue", QStringLiteral("0x00000000"));
            }
            w.Key("AccessType", entry.Readonly ? QStringLiteral("ro") : QStringLiteral("rw"));
            w.Key("PDOMapping", QStringLiteral("0"));
            w.End();
        }
    }
}

}  // namespace

void TSDO_Object_List::Add(int Index, const SDO_Sub_Type& entry) {
    const int position = Find_SDO_Index(Index);
    if (position >= 0) {
        FObjects[std::size_t(position)].Sub_Indexs.push_back(entry);
        return;
    }
    FPositions.insert(Index, int(FObjects.size()));
    FObjects.push_back({Index, {entry}});
}

QString Load_PDO_Table(const QString& fileName, TPDO_Table& table) {
    table = {};
    TXMLDocument document;
    const TRuleFile file = Open_Rule_File(document, fileName);
    if (file.State == TRuleFileState::Missing) return {};
    if (!file.Loaded()) return file.Message;
    QString problem = Read_PDO_List(file.Root, fileName, QStringLiteral("Receive_PDO"), table.Receive);
    if (problem.isEmpty()) problem = Read_PDO_List(file.Root, fileName, QStringLiteral("Transmit_PDO"), table.Transmit);
    if (!problem.isEmpty()) table = {};
    return problem;
}

QString Load_SDO_Objects(const QString& fileName, TSDO_Object_List& objects) {
    objects = {};
    TXMLDocument document;
    const TRuleFile file = Open_Rule_File(document, fileName);
    if (file.State == TRuleFileState::Missing) return {};
    if (!file.Loaded()) return file.Message;
    const QStringList names = {QStringLiteral("Index"), QStringLiteral("SubIndex"), QStringLiteral("NByte")};
    // Where each index and sub-index pair was first seen, to name both rows of a repeat.
    QHash<int, QString> seen;
    for (const QString& listName : {QStringLiteral("SDO_Read"), QStringLiteral("SDO_Write")}) {
        const TRuleRows rows = Read_Rule_List(Find_Rule_List(file.Root, listName),
                                              {{names[0], {}}, {names[1], {}}, {names[2], {}}}, INT_MAX, fileName,
                                              listName);
        if (!rows.Message.isEmpty()) {
            objects = {};
            return rows.Message;
        }
        for (std::size_t i = 0; i < rows.Rows.size(); ++i) {
            const int row = int(i) + 1;
            int values[3];
            for (int k = 0; k < 3; ++k) {
                const std::optional<std::int64_t> value = Rule_Integer_Value(rows.Rows[i][k]);
                if (!value || *value < INT_MIN || *value > INT_MAX) {
                    objects = {};
                    return Row_Problem(fileName, listName, row,
                                       QStringLiteral("has the %1 \"%2\", which is not a number").arg(names[k], rows.Rows[i][k]));
                }
                values[k] = int(*value);
            }
            QString rule;
            if (values[0] < Lowest_SDO_Index || values[0] > Highest_SDO_Index)
                rule = QStringLiteral("has the Index \"%1\", outside 0x2000..0x5FFF").arg(rows.Rows[i][0]);
            else if (values[1] < 0 || values[1] > Highest_Sub_Index)
                rule = QStringLiteral("has the SubIndex \"%1\", outside 0..255").arg(rows.Rows[i][1]);
            else if (const int key = values[0] * 256 + values[1]; seen.contains(key))
                rule = QStringLiteral("repeats the Index 0x%1 with the SubIndex %2 of %3")
                           .arg(Hex(quint32(values[0]), 4))
                           .arg(values[1])
                           .arg(seen.value(key));
            else
                seen.insert(key, QStringLiteral("row %1 of the list \"%2\"").arg(row).arg(listName));
            if (!rule.isEmpty()) {
                objects = {};
                return Row_Problem(fileName, listName, row, rule);
            }
            objects.Add(values[0], {values[1], values[2], listName == QLatin1String("SDO_Read"), QString()});
        }
    }
    return {};
}

void Sort_SDO_Sub_Indexes(TSDO_Object_List& objects) {
    for (SDO_Index& object : objects.Objects())
        std::stable_sort(object.Sub_Indexs.begin(), object.Sub_Indexs.end(),
                         [](const SDO_Sub_Type& a, const SDO_Sub_Type& b) { return a.Sub < b.Sub; });
}

QString EDS_Time_Text(const QTime& time) {
    int hour = time.hour();
    const int minute = time.minute();
    QString suffix = QStringLiteral("AM");
    if (hour > 12) {
        hour -= 12;
        suffix = QStringLiteral("PM");
    } else if (hour == 12 && minute != 0) {
        hour = 0;
        suffix = QStringLiteral("PM");
    }
    return QStringLiteral("%1:%2%3").arg(hour, 2, 10, QLatin1Char('0')).arg(minute, 2, 10, QLatin1Char('0')).arg(suffix);
}

QString EDS_Date_Text(const QDate& date) {
    return QStringLiteral("%1-%2-%3").arg(date.month(), 2, 10, QLatin1Char('0')).arg(date.day(), 2, 10, QLatin1Char('0')).arg(date.year());
}

QByteArray Build_EDS_Text(const TPDO_Table& pdos, const TSDO_Object_List& objects, const QDateTime& moment) {
    SectionWriter w;
    const QString time = EDS_Time_Text(moment.time());
    const QString date = EDS_Date_Text(moment.date());
    const QString product = QStringLiteral("Converter DALI / CANopen");
    const int receive = int(pdos.Receive.size());
    const int transmit = int(pdos.Transmit.size());

    w.Section(QStringLiteral("FileInfo"));
    w.Key("FileName", QStringLiteral("DALI_CANopen.eds"));
    w.Key("FileVersion", QStringLiteral("1"));
    w.Key("FileRevision", QStringLiteral("0"));
    w.Key("EDSVersion", QStringLiteral("4.0"));
    w.Key("Description", product);
    w.Key("CreationTime", time);
    w.Key("CreationDate", date);
    w.Key("CreatedBy", Maker_Name);
    w.Key("ModificationTime", time);
    w.Key("ModificationDate", date);
    w.Key("ModifiedBy", Maker_Name);
    w.End();

    w.Section(QStringLiteral("DeviceInfo"));
    w.Key("VendorName", Maker_Name);
    w.Key("VendorNumber", QStringLiteral("0x00"));
    w.Key("ProductName", product);
    w.Key("ProductNumber", QStringLiteral("566"));
    w.Key("RevisionNumber", QStringLiteral("0x0"));
    w.Key("OrderCode", QStringLiteral("RT30566"));
    for (const char* rate : {"10", "20", "50", "125", "250", "500", "800", "1000"})
        w.Line(QStringLiteral("BaudRate_%1=%2").arg(QLatin1String(rate), qstrcmp(rate, "800") == 0 ? "0" : "1"));
    w.Key("DynamicChannelsSupported", QStringLiteral("0"));
    w.Key("GroupMessaging", QStringLiteral("0"));
    w.Key("LSS_Supported", QStringLiteral("0"));
    w.Key("Granularity", QStringLiteral("0"));
    w.Key("SimpleBootUpSlave", QStringLiteral("1"));
    w.Key("SimpleBootUpMaster", QStringLiteral("0"));
    w.Key("NrOfRXPDO", QString::number(receive));
    w.Key("NrOfTXPDO", QString::number(transmit));
    w.End();

    w.Section(QStringLiteral("Comments"));
    w.Key("Lines", QStringLiteral("0"));
    w.End();

    w.Section(QStringLiteral("DummyUsage"));
    for (int k = 1; k <= 7; ++k) w.Line(QStringLiteral("Dummy000%1=0").arg(k));
    w.End();

    w.Section(QStringLiteral("MandatoryObjects"));
    w.Key("SupportedObjects", QStringLiteral("3"));
    w.Line(QStringLiteral("1=0x1000"));
    w.Line(QStringLiteral("2=0x1001"));
    w.Line(QStringLiteral("3=0x1018"));
    w.End();

    w.Section(QStringLiteral("OptionalObjects"));
    w.Key("SupportedObjects", QString::number(8 + 3 * receive + 3 * transmit));
    int number = 0;
    for (const char* index : {"1005", "1006", "1008", "1014", "1016", "1017", "1029", "1280"})
        w.Line(QStringLiteral("%1=0x%2").arg(++number).arg(QLatin1String(index)));
    const auto list = [&](int base, int count) {
        for (int n = 0; n < count; ++n) w.Line(QStringLiteral("%1=0x%2").arg(++number).arg(Hex(quint32(base + n), 4)));
    };
    list(0x1400, receive);
    list(0x1600, receive);
    list(0x1800, transmit);
    list(0x1A00, transmit);
    list(0x7000, receive);
    list(0x7050, transmit);
    w.End();

    w.Section(QStringLiteral("ManufacturerObjects"));
    w.Key("SupportedObjects", QString::number(objects.Objects().size()));
    for (std::size_t k = 0; k < objects.Objects().size(); ++k)
        w.Line(QStringLiteral("%1=0x%2").arg(k + 1).arg(Hex(quint32(objects.Objects()[k].Index), 4)));
    w.End();

    Write_Fixed_Objects(w);
    Write_Communication_Objects(w, pdos.Receive, 0x1400, QStringLiteral("Receive PDO Communication Parameter "));
    Write_Mapping_Objects(w, pdos.Receive, 0x1600, 0x7000, QStringLiteral("Receive PDO Mapping Parameter"), false);
    Write_Communication_Objects(w, pdos.Transmit, 0x1800, QStringLiteral("Transmit PDO Communication Parameter "));
    Write_Mapping_Objects(w, pdos.Transmit, 0x1A00, 0x7050, QStringLiteral("Transmit PDO Mapping Parameter "), true);
    Write_Data_Objects(w, pdos.Receive, 0x7000, "RPDO", Receive_Names, "ro", "rww");
    Write_Data_Objects(w, pdos.Transmit, 0x7050, "TPDO", Transmit_Names, "rw", "rwr");
    Write_Manufacturer_Objects(w, objects);
    return w.text;
}

QString Write_EDS_File(const QString& FileName) {
    TPDO_Table pdos;
    QString problem = Load_PDO_Table(File_PDO_CANopen, pdos);
    if (!problem.isEmpty()) return problem;
    TSDO_Object_List objects;
    problem = Load_SDO_Objects(File_SDO_Server_CANopen, objects);
    if (!problem.isEmpty()) return problem;
    Sort_SDO_Sub_Indexes(objects);
    if (!WriteFileAtomically(FileName, Build_EDS_Text(pdos, objects, Now())))
        return QStringLiteral("The EDS file \"%1\" cannot be written.").arg(FileName);
    return {};
}

#include "editors/fieldbus/eds_export.h"
#include "core/maker_values.h"
#include "core/program_state.h"
#include "editors/rule_file_reader.h"
#include "editors/rule_integer.h"
#include "platform/file_system.h"
#include "platform/wall_clock.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <climits>
#include <optional>
#include <string>
#include <utility>

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

QString Row_Problem(const QString& fileName, const QString& listName, int row, const QString& rule) {
    return QStringLiteral("The file \"%1\" cannot be exported: row %2 of the list \"%3\" %4.")
        .arg(fileName, QString::number(row), listName, rule);
}

QString Read_PDO_List(const TXMLNode& root, const QString& fileName, const QString& listName,
                      std::vector<TPDO_Entry>& entries) {
    const TXMLNode list = Find_Rule_List(root, listName);
    const TRuleRows rows = Read_Rule_List(list, {{QStringLiteral("COB-ID"), {}}, {QStringLiteral("Dimension"), {}}},
                                          Max_PDOs_Per_List, fileName, listName);
    if (rows.Rows_Left_Out > 0)
        return QStringLiteral("The file \"%1\" cannot be exported: the list \"%2\" holds %3 PDOs, more than the %4 a "
                              "device description takes.")
            .arg(fileName, listName, QString::number(rows.Rows.size() + std::size_t(rows.Rows_Left_Out)),
                 QString::number(Max_PDOs_Per_List));
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

// The text is ASCII, so it is built as bytes: no conversion per line.
QByteArray Hex_Bytes(quint32 value, int digits) {
    char buffer[16];
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, value, 16).ptr;
    const int length = int(end - buffer);
    QByteArray hex(std::max(digits, length), '0');
    char* out = hex.data() + hex.size() - length;
    for (const char* c = buffer; c != end; ++c) *out++ = char(std::toupper(static_cast<unsigned char>(*c)));
    return hex;
}

// Appends to a standard string: its append is inline, and the text has tens of thousands
// of short pieces.
struct SectionWriter {
    std::string text;

    void Put(QByteArrayView piece) { text.append(piece.data(), std::size_t(piece.size())); }
    void Line(QByteArrayView line) {
        Put(line);
        text += "\r\n";
    }
    void Key(QByteArrayView key, QByteArrayView value) {
        Put(key);
        text += '=';
        Put(value);
        text += "\r\n";
    }
    void Section(QByteArrayView name) {
        text += '[';
        Put(name);
        text += "]\r\n";
    }
    void End() { text += "\r\n"; }

    // A VAR: ParameterName, ObjectType, DataType, AccessType, DefaultValue when given, PDOMapping.
    void Variable(QByteArrayView section, QByteArrayView name, QByteArrayView objectType, QByteArrayView dataType,
                  QByteArrayView access, QByteArrayView defaultValue, QByteArrayView mapping = "0") {
        Section(section);
        Key("ParameterName", name);
        Key("ObjectType", objectType);
        Key("DataType", dataType);
        Key("AccessType", access);
        if (!defaultValue.isNull()) Key("DefaultValue", defaultValue);
        Key("PDOMapping", mapping);
        End();
    }
    void Header(QByteArrayView section, int subNumber, QByteArrayView name, QByteArrayView objectType) {
        Section(section);
        Key("SubNumber", QByteArray::number(subNumber));
        Key("ParameterName", name);
        Key("ObjectType", objectType);
        End();
    }
};

void Write_Fixed_Objects(SectionWriter& w) {
    const QByteArrayView none;
    w.Variable("1000", "Device Type", "0x07", "0x0007", "const", "0x000101A4");
    w.Variable("1001", "Error Register", "0x07", "0x0005", "ro", "0x00");
    w.Variable("1005", "COB-ID SYNC", "0x07", "0x0007", "rw", "0x80000080");
    w.Variable("1006", "Communication Cycle Period", "0x07", "0x0007", "rw", "0x00000000");
    w.Variable("1008", "Manufacturer Device Name", "0x07", "0x0009", "const", "s1");
    w.Variable("1014", "COB-ID EMCY", "0x07", "0x0007", "ro", "$NODEID+0x80");
    w.Header("1016", 3, "Heartbeat Consumer Entries", "0x08");
    w.Variable("1016sub0", "Number of Entries", "0x07", "0x0005", "ro", "0x02");
    w.Variable("1016sub1", "Consumer Heartbeat Time 1", "0x07", "0x0007", "rw", "0x00000000");
    w.Variable("1016sub2", "Consumer Heartbeat Time 2", "0x07", "0x0007", "rw", "0x00000000");
    w.Variable("1017", "Producer Heartbeat Time", "0x07", "0x0006", "rw", "0x000003E8");
    w.Header("1018", 5, "Identity Object", "0x09");
    w.Variable("1018sub0", "number of entries", "0x07", "0x0005", "ro", "0x4");
    w.Variable("1018sub1", "Vendor Id", "0x07", "0x0007", "ro", none);
    w.Variable("1018sub2", "Product Code", "0x07", "0x0007", "ro", none);
    w.Variable("1018sub3", "Revision number", "0x07", "0x0007", "ro", none);
    w.Variable("1018sub4", "Serial number", "0x07", "0x0007", "ro", none);
    w.Header("1029", 2, "Error Behaviour", "0x08");
    w.Variable("1029sub0", "Number of Entries", "0x07", "0x0005", "ro", "1");
    w.Variable("1029sub1", "Communication Error", "0x07", "0x0005", "rw", "0x0");
    w.Header("1280", 4, "Client SDO Parameter 1", "0x09");
    w.Variable("1280sub0", "Number of Entries", "0x07", "0x0005", "ro", "0x03");
    w.Variable("1280sub1", "COB-ID Client -> Server", "0x07", "0x0007", "rw", none);
    w.Variable("1280sub2", "COB-ID Server -> Client", "0x07", "0x0007", "rw", none);
    w.Variable("1280sub3", "Node ID of the SDO Server", "0x07", "0x0005", "rw", none);
}

QByteArray Sub_Section(const QByteArray& index, int sub) {
    QByteArray name;
    name.reserve(index.size() + 5);
    return name.append(index).append("sub").append(Hex_Bytes(quint32(sub), 1));
}

void Write_Communication_Objects(SectionWriter& w, const std::vector<TPDO_Entry>& pdos, int baseIndex,
                                 QByteArrayView name) {
    for (std::size_t n = 0; n < pdos.size(); ++n) {
        const QByteArray index = Hex_Bytes(quint32(baseIndex + int(n)), 4);
        w.Header(index, 4, name.toByteArray() + QByteArray::number(n + 1), "0x09");
        w.Variable(Sub_Section(index, 0), "Number of Entries", "0x07", "0x0005", "ro", "0x03");
        w.Variable(Sub_Section(index, 1), "COB-ID", "0x07", "0x0007", "rw", "0x" + Hex_Bytes(pdos[n].COB_ID, 8));
        w.Variable(Sub_Section(index, 2), "Transmission Type", "0x07", "0x0005", "rw", "0xFE");
        w.Variable(Sub_Section(index, 3), "Inhibit Time", "0x07", "0x0006", "rw", "0x0");
    }
}

void Write_Mapping_Objects(SectionWriter& w, const std::vector<TPDO_Entry>& pdos, int baseIndex, int dataIndex,
                           QByteArrayView name, bool numbered) {
    for (std::size_t n = 0; n < pdos.size(); ++n) {
        const QByteArray index = Hex_Bytes(quint32(baseIndex + int(n)), 4);
        const int dimension = pdos[n].Dimension;
        w.Header(index, dimension + 1, numbered ? name.toByteArray() + QByteArray::number(n + 1) : name.toByteArray(),
                 "0x09");
        w.Variable(Sub_Section(index, 0), "Number of Entries", "0x07", "0x0005", "ro",
                   "0x" + Hex_Bytes(quint32(dimension), 2));
        const QByteArray mapped = "0x" + Hex_Bytes(quint32(dataIndex + int(n)), 4);
        for (int j = 1; j <= dimension; ++j)
            w.Variable(Sub_Section(index, j), "Mapping Entry " + QByteArray::number(j), "0x07", "0x0007", "ro",
                       mapped + Hex_Bytes(quint32(j), 2) + "08");
    }
}

void Write_Data_Objects(SectionWriter& w, const std::vector<TPDO_Entry>& pdos, int baseIndex, const char* prefix,
                        const std::array<const char*, 30>& names, const char* countAccess, const char* entryAccess) {
    for (std::size_t n = 0; n < pdos.size(); ++n) {
        const QByteArray index = Hex_Bytes(quint32(baseIndex + int(n)), 4);
        const int dimension = pdos[n].Dimension;
        w.Header(index, dimension + 1, prefix + QByteArray::number(n + 1), "0x08");
        w.Variable(Sub_Section(index, 0), "Number of Entries", "0x07", "0x0005", countAccess,
                   "0x" + Hex_Bytes(quint32(dimension), 2));
        for (int j = 1; j <= dimension; ++j)
            w.Variable(Sub_Section(index, j), names[n] + QByteArray::number(j), "0x07", "0x0005", entryAccess, "0x00", "1");
    }
}

void Write_Manufacturer_Objects(SectionWriter& w, const TSDO_Object_List& objects) {
    for (const SDO_Index& object : objects.Objects()) {
        const QByteArray index = Hex_Bytes(quint32(object.Index), 4);
        const std::vector<SDO_Sub_Type>& entries = object.Sub_Indexs;
        const bool ownSub0 = entries.front().Sub == 0;
        w.Header(index, int(entries.size()) + (ownSub0 ? 0 : 1), "App Vars", "0x9");
        if (!ownSub0)
            w.Variable(Sub_Section(index, 0), "Largest Sub-Index supported", "0x7", "0x0005", "ro",
                       "0x" + Hex_Bytes(quint32(entries.back().Sub), 2));
        for (const SDO_Sub_Type& entry : entries) {
            w.Section(Sub_Section(index, entry.Sub));
            w.Key("ParameterName", "Application Variable");
            w.Key("ObjectType", "0x7");
            if (entry.Quantity == 1) {
                w.Key("DataType", "0x0005");
                w.Key("LowLimit", "0x00");
                w.Key("HighLimit", "0xFF");
                w.Key("DefaultValue", "0x00");
            } else if (entry.Quantity == 2) {
                w.Key("DataType", "0x0006");
                w.Key("LowLimit", "0x0000");
                w.Key("HighLimit", "0xFFFF");
                w.Key("DefaultValue", "0x0000");
            } else {
                w.Key("DataType", "0x0007");
                w.Key("LowLimit", "0x00000000");
                w.Key("HighLimit", "0xFFFFFFFF");
                w.Key("DefaultValue", "0x00000000");
            }
            w.Key("AccessType", entry.Readonly ? "ro" : "rw");
            w.Key("PDOMapping", "0");
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
    // Where each index and sub-index pair was first seen (row, list), to name both rows of a repeat.
    QHash<int, std::pair<int, QString>> seen;
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
                           .arg(QLatin1String(Hex_Bytes(quint32(values[0]), 4)))
                           .arg(values[1])
                           .arg(QStringLiteral("row %1 of the list \"%2\"").arg(seen.value(key).first).arg(seen.value(key).second));
            else
                seen.insert(key, {row, listName});
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
    const QByteArray time = EDS_Time_Text(moment.time()).toLatin1();
    const QByteArray date = EDS_Date_Text(moment.date()).toLatin1();
    const QByteArray maker = Maker_Name.toLatin1();
    const QByteArrayView product = "Converter DALI / CANopen";
    const int receive = int(pdos.Receive.size());
    const int transmit = int(pdos.Transmit.size());
    std::size_t entries = 0;
    for (const SDO_Index& object : objects.Objects()) entries += object.Sub_Indexs.size() + 1;
    // Room for the fixed text and the largest sections of each kind, so the text grows once.
    w.text.reserve(8192 + 3000 * std::size_t(receive + transmit) + 256 * entries);

    w.Section("FileInfo");
    w.Key("FileName", "DALI_CANopen.eds");
    w.Key("FileVersion", "1");
    w.Key("FileRevision", "0");
    w.Key("EDSVersion", "4.0");
    w.Key("Description", product);
    w.Key("CreationTime", time);
    w.Key("CreationDate", date);
    w.Key("CreatedBy", maker);
    w.Key("ModificationTime", time);
    w.Key("ModificationDate", date);
    w.Key("ModifiedBy", maker);
    w.End();

    w.Section("DeviceInfo");
    w.Key("VendorName", maker);
    w.Key("VendorNumber", "0x00");
    w.Key("ProductName", product);
    w.Key("ProductNumber", "566");
    w.Key("RevisionNumber", "0x0");
    w.Key("OrderCode", "RT30566");
    for (const char* rate : {"10", "20", "50", "125", "250", "500", "800", "1000"})
        w.Key(QByteArray("BaudRate_") + rate, qstrcmp(rate, "800") == 0 ? "0" : "1");
    w.Key("DynamicChannelsSupported", "0");
    w.Key("GroupMessaging", "0");
    w.Key("LSS_Supported", "0");
    w.Key("Granularity", "0");
    w.Key("SimpleBootUpSlave", "1");
    w.Key("SimpleBootUpMaster", "0");
    w.Key("NrOfRXPDO", QByteArray::number(receive));
    w.Key("NrOfTXPDO", QByteArray::number(transmit));
    w.End();

    w.Section("Comments");
    w.Key("Lines", "0");
    w.End();

    w.Section("DummyUsage");
    for (int k = 1; k <= 7; ++k) w.Key("Dummy000" + QByteArray::number(k), "0");
    w.End();

    w.Section("MandatoryObjects");
    w.Key("SupportedObjects", "3");
    w.Key("1", "0x1000");
    w.Key("2", "0x1001");
    w.Key("3", "0x1018");
    w.End();

    w.Section("OptionalObjects");
    w.Key("SupportedObjects", QByteArray::number(8 + 3 * receive + 3 * transmit));
    int number = 0;
    for (const char* index : {"1005", "1006", "1008", "1014", "1016", "1017", "1029", "1280"})
        w.Key(QByteArray::number(++number), QByteArray("0x") + index);
    const auto list = [&](int base, int count) {
        for (int n = 0; n < count; ++n) w.Key(QByteArray::number(++number), "0x" + Hex_Bytes(quint32(base + n), 4));
    };
    list(0x1400, receive);
    list(0x1600, receive);
    list(0x1800, transmit);
    list(0x1A00, transmit);
    list(0x7000, receive);
    list(0x7050, transmit);
    w.End();

    w.Section("ManufacturerObjects");
    w.Key("SupportedObjects", QByteArray::number(qulonglong(objects.Objects().size())));
    for (std::size_t k = 0; k < objects.Objects().size(); ++k)
        w.Key(QByteArray::number(qulonglong(k + 1)), "0x" + Hex_Bytes(quint32(objects.Objects()[k].Index), 4));
    w.End();

    Write_Fixed_Objects(w);
    Write_Communication_Objects(w, pdos.Receive, 0x1400, "Receive PDO Communication Parameter ");
    Write_Mapping_Objects(w, pdos.Receive, 0x1600, 0x7000, "Receive PDO Mapping Parameter", false);
    Write_Communication_Objects(w, pdos.Transmit, 0x1800, "Transmit PDO Communication Parameter ");
    Write_Mapping_Objects(w, pdos.Transmit, 0x1A00, 0x7050, "Transmit PDO Mapping Parameter ", true);
    Write_Data_Objects(w, pdos.Receive, 0x7000, "RPDO", Receive_Names, "ro", "rww");
    Write_Data_Objects(w, pdos.Transmit, 0x7050, "TPDO", Transmit_Names, "rw", "rwr");
    Write_Manufacturer_Objects(w, objects);
    return QByteArray(w.text.data(), qsizetype(w.text.size()));
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

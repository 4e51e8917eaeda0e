#include "editors/automation/bacnet_access_check.h"

#include "core/address_helpers.h"
#include "core/text_table.h"
#include "editors/rule_integer.h"

#include <array>
#include <initializer_list>

namespace {

constexpr std::int64_t kMaxInstance = 4294967295;

struct TObjectTypeName {
    const char* text;
    int code;
    bool read_only;
};

constexpr std::array<TObjectTypeName, 15> kObjectTypes = {{
    {"ACCUMULATOR", 1, true},          {"MULTI-STATE INPUT", 2, true},   {"MULTI-STATE OUTPUT", 3, false},
    {"ANALOG INPUT", 4, true},         {"ANALOG OUTPUT", 5, false},      {"BINARY INPUT", 6, true},
    {"BINARY OUTPUT", 7, false},       {"INTEGER VALUE", 8, false},      {"LARGE ANALOG VALUE", 9, false},
    {"POSITIVE INTEGER VALUE", 10, false}, {"MULTI-STATE VALUE", 11, false}, {"ANALOG VALUE", 12, false},
    {"BINARY VALUE", 13, false},       {"LIFE SAFETY POINT", 14, false}, {"LIFE SAFETY ZONE", 15, false},
}};

bool One_Of(int value, std::initializer_list<int> values) {
    for (int v : values)
        if (v == value) return true;
    return false;
}

bool In_Range(const QString& cell, int low, int high) {
    const int value = Rule_Integer(cell);
    return value >= low && value <= high;
}

QString Key(const QString& text) { return text.trimmed().toUpper(); }

// Where a table's cells lie and which texts its messages take: {read, write}.
struct TTableTexts {
    int prefix;
    int ip, slave, object, instance, property;
    int d_net, d_len, d_add_1, d_add_2, d_add_ip, d_len_list, byte_range, too_many, too_few;
    int poll, max_error;
};

constexpr TTableTexts kReadTexts{1437, 1438, 1439, 1440, 1441, 1442, 1470, 1471, 1472, 1473,
                                 1474, 1486, 1482, 1484, 1488, 1444, 1445};
constexpr TTableTexts kWriteTexts{1446, 1447, 1448, 1449, 1450, 1451, 1475, 1476, 1477, 1478,
                                  1479, 1487, 1483, 1485, 1489, 1455, 1456};

// A check's outcome: nothing, or a message text (number, then what follows it).
struct TFailure {
    int text = 0;
    QString tail;
    explicit operator bool() const { return text != 0; }
};

TFailure Fail(int text, const QString& tail = QString()) { return {text, tail}; }

TFailure Device_Failure(const QString& device, int bacnetType, const TTableTexts& texts) {
    if (bacnetType == 0) {
        std::uint8_t b1 = 0, b2 = 0, b3 = 0, b4 = 0;
        if (Parse_IP_Bytes(device, b1, b2, b3, b4)) return Fail(texts.ip);
    } else if (bacnetType == 1 && !In_Range(device, 0, 254)) {
        return Fail(texts.slave);
    }
    return {};
}

// The multi-byte destination address: comma-separated bytes, exactly `bytes` of them.
TFailure Dest_Add_Failure(const QString& values, int bytes, const TTableTexts& texts) {
    const QString text = values.trimmed();
    // An empty address has too few bytes; refusing it without a word left OK seeming dead.
    if (text.isEmpty()) return Fail(texts.too_few);
    int count = 0;
    for (const QString& part : text.split(u',')) {
        if (!In_Range(part.trimmed(), 0, 255)) return Fail(texts.byte_range);
        if (++count > bytes) return Fail(texts.too_many);
    }
    if (count < bytes) return Fail(texts.too_few);
    return {};
}

TFailure Destination_Failure(const QString& network, const QString& length, const QString& address,
                             const TTableTexts& texts) {
    if (!In_Range(network, 1, 65535)) return Fail(texts.d_net);
    if (const std::optional<std::int64_t> value = Rule_Integer_Value(length)) {
        switch (*value) {
        case 1: return In_Range(address, 0, 255) ? TFailure{} : Fail(texts.d_add_1);
        case 2: return In_Range(address, 1, 65535) ? TFailure{} : Fail(texts.d_add_2);
        case 6: {
            std::uint8_t b1 = 0, b2 = 0, b3 = 0, b4 = 0;
            std::uint16_t port = 0;
            return Parse_IP_Port(address.trimmed(), b1, b2, b3, b4, port) ? TFailure{} : Fail(texts.d_add_ip);
        }
        default: return Fail(texts.d_len);
        }
    }
    const QString mode = Key(length);
    if (mode.size() != 2 || mode[0] != u'M' || mode[1] < u'1' || mode[1] > u'8') return Fail(texts.d_len_list);
    return Dest_Add_Failure(address, mode[1].digitValue(), texts);
}

TFailure Read_Row_Failure(const QStringList& row, int bacnetType) {
    const TTableTexts& t = kReadTexts;
    if (TFailure f = Device_Failure(row[BRd_Device], bacnetType, t)) return f;
    const int object = Check_Object_Type(row[BRd_Object_Type], 0);
    if (object == -1) return Fail(t.object);
    const std::int64_t instance = Rule_Integer64(row[BRd_Instance]);
    if (instance < 0 || instance > kMaxInstance) return Fail(t.instance);
    if (Check_Property(row[BRd_Property], 0, object) == -1) return Fail(t.property);
    if (!In_Range(row[BRd_NumByte], 0, 255)) return Fail(1443);
    if (Key(row[BRd_Enable_Destination]) == QLatin1String("Y"))
        if (TFailure f = Destination_Failure(row[BRd_Destination_Network], row[BRd_Destination_Length],
                                             row[BRd_Destination_Address], t))
            return f;
    if (!In_Range(row[BRd_PollTime], 0, 100000000)) return Fail(t.poll);
    if (!In_Range(row[BRd_MaxError], 0, 65535)) return Fail(t.max_error);
    return {};
}

TFailure Write_Row_Failure(const QStringList& row, int bacnetType) {
    const TTableTexts& t = kWriteTexts;
    if (TFailure f = Device_Failure(row[BWr_Device], bacnetType, t)) return f;
    const int object = Check_Object_Type(row[BWr_Object_Type], 1);
    if (object == -1) return Fail(t.object);
    const std::int64_t instance = Rule_Integer64(row[BWr_Instance]);
    if (instance < 0 || instance > kMaxInstance) return Fail(t.instance);
    const int property = Check_Property(row[BWr_Property], 1, object);
    if (property == -1) return Fail(t.property);
    if (Check_Data_Type(row[BWr_Data_Type], object, property) == -1) {
        const QString expected = Aspected_Data_Type_Value(object, property);
        return expected.isEmpty() ? Fail(1452) : Fail(1458, expected);
    }
    if (!In_Range(row[BWr_Priority], 0, 16)) return Fail(1453);
    const int maxBytes = Check_Num_Byte_Max(row[BWr_Data_Type]);
    if (!In_Range(row[BWr_NumByte], 0, maxBytes)) return Fail(1454, QString::number(maxBytes));
    if (Key(row[BWr_Enable_Destination]) == QLatin1String("Y"))
        if (TFailure f = Destination_Failure(row[BWr_Destination_Network], row[BWr_Destination_Length],
                                             row[BWr_Destination_Address], t))
            return f;
    if (row[BWr_OnTimer].toUpper() == QLatin1String("Y") && !In_Range(row[BWr_PollTime], 0, 100000000))
        return Fail(t.poll);
    if (!In_Range(row[BWr_MaxError], 0, 65535)) return Fail(t.max_error);
    return {};
}

// The grid column of the cell a row check's message is about, in either table.
int Column_Of(int text) {
    switch (text) {
    case 1438: case 1439: case 1447: case 1448: return BRd_Device + 1;
    case 1440: case 1449: return BRd_Object_Type + 1;
    case 1441: return BRd_Instance + 1;
    case 1442: return BRd_Property + 1;
    case 1443: return BRd_NumByte + 1;
    case 1470: return BRd_Destination_Network + 1;
    case 1471: case 1486: return BRd_Destination_Length + 1;
    case 1472: case 1473: case 1474: case 1482: case 1484: case 1488: return BRd_Destination_Address + 1;
    case 1444: return BRd_PollTime + 1;
    case 1445: return BRd_MaxError + 1;
    case 1450: return BWr_Instance + 1;
    case 1451: return BWr_Property + 1;
    case 1452: case 1458: return BWr_Data_Type + 1;
    case 1453: return BWr_Priority + 1;
    case 1454: return BWr_NumByte + 1;
    case 1475: return BWr_Destination_Network + 1;
    case 1476: case 1487: return BWr_Destination_Length + 1;
    case 1455: return BWr_PollTime + 1;
    case 1456: return BWr_MaxError + 1;
    default: return BWr_Destination_Address + 1;  // 1477 to 1479, 1483, 1485, 1489
    }
}

template <class Failure>
std::optional<TRuleCheckError> Check_Table(const TCellTable& table, int tableIndex, int bacnetType, int prefix,
                                           Failure failure) {
    const int used = Used_Rows(table, BACnet_Key_Column(bacnetType) - 1);
    for (int r = 0; r < used; ++r) {
        if (table[r][0] != QLatin1String("Y")) continue;
        const TFailure f = failure(table[r], bacnetType);
        if (f)
            return TRuleCheckError{r + 1, Column_Of(f.text),
                                   LangText(prefix) + QString::number(r + 1) + LangText(f.text) + f.tail, tableIndex};
    }
    return std::nullopt;
}

}  // namespace

int Check_Object_Type(const QString& str, int read_write) {
    const QString text = Key(str);
    for (const TObjectTypeName& type : kObjectTypes)
        if (text == QLatin1String(type.text)) return type.read_only && read_write != 0 ? -1 : type.code;
    const int proprietary = Rule_Integer(text);
    return proprietary >= 128 && proprietary <= 1023 ? proprietary : -1;
}

int Check_Property(const QString& str, int read_write, int Obj_Type) {
    const QString text = Key(str);
    if (text == QLatin1String("PRESENT VALUE (85)")) return 100;
    struct TNamedProperty {
        const char* text;
        int bytes;
        bool applies;
    };
    const TNamedProperty readOnly[] = {
        {"OBJECT IDENTIFIER (75)", 4, true},
        {"UNITS (117)", 4, !One_Of(Obj_Type, {2, 3, 6, 7, 11, 13})},
        {"SCALE (187)", 1, Obj_Type == 1},
        {"PRESCALE (185)", 5, Obj_Type == 1},
        {"POLARITY (84)", 1, One_Of(Obj_Type, {6, 7, 13})},
        {"EVENT STATE (36)", 4, true},
        {"STATUS FLAGS (111)", 1, true},
        {"OBJECT TYPE (79)", 2, true},
        {"NUMBER OF STATES (74)", 4, One_Of(Obj_Type, {2, 3, 11})},
    };
    if (read_write == 0)
        for (const TNamedProperty& property : readOnly)
            if (property.applies && text == QLatin1String(property.text)) return property.bytes;
    const int proprietary = Rule_Integer(text);
    return proprietary >= 512 && proprietary <= 4194303 ? 200 : -1;
}

int Check_Data_Type(const QString& str, int Obj_Type, int Property_val) {
    if (Property_val != 100) return 1000;
    const QString text = Key(str);
    if (text == QLatin1String("UNSIGNED INT") && One_Of(Obj_Type, {3, 10, 11})) return 4;
    if (text == QLatin1String("SIGNED INT") && Obj_Type == 8) return 4;
    if (text == QLatin1String("REAL") && One_Of(Obj_Type, {5, 12})) return 4;
    if (text == QLatin1String("DOUBLE") && Obj_Type == 9) return 8;
    if (text == QLatin1String("ENUMERATED") && One_Of(Obj_Type, {7, 13})) return 1;
    if (Obj_Type >= 128 && Obj_Type <= 1023) return 1;
    return -1;
}

QString Aspected_Data_Type_Value(int Obj_Type, int Property_val) {
    if (Property_val != 100) return QString();
    if (One_Of(Obj_Type, {3, 10, 11})) return QStringLiteral("Unsigned Int");
    if (One_Of(Obj_Type, {5, 12})) return QStringLiteral("Real");
    if (One_Of(Obj_Type, {7, 13})) return QStringLiteral("Enumerated");
    if (Obj_Type == 8) return QStringLiteral("Signed Int");
    if (Obj_Type == 9) return QStringLiteral("Double");
    return QString();
}

int Check_Num_Byte_Max(const QString& str) {
    const QString text = Key(str);
    if (text == QLatin1String("NULL")) return 0;
    if (text == QLatin1String("BOOLEAN")) return 1;
    if (text == QLatin1String("DOUBLE")) return 8;
    if (text == QLatin1String("BIT STRING")) return 120;
    for (const char* four : {"UNSIGNED INT", "SIGNED INT", "REAL", "ENUMERATED", "DATE", "TIME", "OBJECT ID"})
        if (text == QLatin1String(four)) return 4;
    return 255;
}

int BACnet_Key_Column(int bacnetType) { return bacnetType == 0 || bacnetType == 1 ? 2 : 3; }

std::optional<TRuleCheckError> Check_BACnet_Rules(const TCellTable& read, const TCellTable& write, int bacnetType) {
    if (auto error = Check_Table(read, 0, bacnetType, kReadTexts.prefix, Read_Row_Failure)) return error;
    return Check_Table(write, 1, bacnetType, kWriteTexts.prefix, Write_Row_Failure);
}

QString Str_Hint_Read(const TCellTable& read, int ARow, int ACol) {
    if (ACol != BRd_NumByte + 1 || ARow < 1 || ARow > int(read.size())) return QString();
    const QStringList& row = read[std::size_t(ARow - 1)];
    if (row[BRd_Object_Type].trimmed().isEmpty() || row[BRd_Property].trimmed().isEmpty()) return QString();
    const int object = Check_Object_Type(row[BRd_Object_Type], 0);
    const int property = Check_Property(row[BRd_Property], 0, object);
    if (property >= 1 && property <= 49) return QString::number(property);
    if (property != 100) return QString();
    if (One_Of(object, {1, 2, 3, 4, 5, 8, 10})) return QStringLiteral("4");
    if (One_Of(object, {6, 7})) return QStringLiteral("1");
    if (object == 9) return QStringLiteral("8");
    return QString();
}

#include "editors/automation/snmp_trap_check.h"

#include "core/address_helpers.h"
#include "core/text_table.h"
#include "editors/rule_integer.h"

namespace {

constexpr int kDefaultRows = 64;

bool Is_On(const QString& cell) { return cell.toUpper() == QLatin1String("Y"); }

bool Is_Blank(const QString& cell) { return cell.trimmed().isEmpty(); }

bool In_Range(const QString& cell, int low, int high) {
    const int value = Rule_Integer(cell);
    return value >= low && value <= high;
}

bool Is_Int_Type(const QString& type) { return type.toUpper() == QLatin1String("INT"); }

// The checks both tables share from Position to Num Bits/Bytes, as their message numbers.
struct TTypeTexts {
    int position, bit, string_bit, bits, bytes;
};

int Type_Failure(const QString& type, const QString& position, const QString& bit, const QString& size,
                 const TTypeTexts& texts) {
    if (Is_Blank(position)) return texts.position;
    if (Is_Blank(bit)) return texts.bit;
    const bool integer = Is_Int_Type(type);
    if (!integer && bit.trimmed() != QLatin1String("0")) return texts.string_bit;
    if (integer && !In_Range(size, 1, 64)) return texts.bits;
    if (!integer && !In_Range(size, 1, 16)) return texts.bytes;
    return 0;
}

int Read_Row_Failure(const QStringList& row) {
    if (Check_Error_CommName_Desc(row[TrapR_Community_Name], 0)) return 1976;
    if (Is_Blank(row[TrapR_Type])) return 1961;
    if (Is_On(row[TrapR_On_Timer]) && !In_Range(row[TrapR_Time], 1, 1000000000)) return 1962;
    if (const int text = Type_Failure(row[TrapR_Type], row[TrapR_Position], row[TrapR_Bit], row[TrapR_NumBits],
                                      {1963, 1964, 1965, 1966, 1967}))
        return text;
    if (Check_Error_CommName_Desc(row[TrapR_Description], 1)) return 1977;
    QString ip1, ip2, ip3, ip4;
    if (!Split_IP_Address(row[TrapR_IP_Address], ip1, ip2, ip3, ip4)) return 1968;
    if (Is_Blank(row[TrapR_Conversion])) return 1985;
    return 0;
}

int Write_Row_Failure(const QStringList& row) {
    if (Check_Error_CommName_Desc(row[TrapW_Community_Name], 0)) return 1978;
    if (Is_Blank(row[TrapW_Type])) return 1969;
    if (const int text = Type_Failure(row[TrapW_Type], row[TrapW_Position], row[TrapW_Bit], row[TrapW_NumBits],
                                      {1970, 1971, 1972, 1973, 1974}))
        return text;
    if (Check_Error_CommName_Desc(row[TrapW_Description], 1)) return 1979;
    if (Is_Blank(row[TrapW_Conversion])) return 1986;
    return 0;
}

// The grid column of the cell a row check's message is about, in either table.
int Column_Of(int text) {
    switch (text) {
    case 1976: return TrapR_Community_Name + 1;
    case 1961: return TrapR_Type + 1;
    case 1962: return TrapR_Time + 1;
    case 1963: return TrapR_Position + 1;
    case 1964: case 1965: return TrapR_Bit + 1;
    case 1966: case 1967: return TrapR_NumBits + 1;
    case 1977: return TrapR_Description + 1;
    case 1968: return TrapR_IP_Address + 1;
    case 1985: return TrapR_Conversion + 1;
    case 1978: return TrapW_Community_Name + 1;
    case 1969: return TrapW_Type + 1;
    case 1970: return TrapW_Position + 1;
    case 1971: case 1972: return TrapW_Bit + 1;
    case 1973: case 1974: return TrapW_NumBits + 1;
    case 1979: return TrapW_Description + 1;
    default: return TrapW_Conversion + 1;  // 1986
    }
}

// Walks a table's enabled rows; the first failure, or none.
template <class Failure>
std::optional<TRuleCheckError> Check_Table(const TCellTable& table, int tableIndex, int descriptionColumn, Failure failure,
                                           QStringList& descriptions) {
    const int used = Used_Rows(table, 1);
    for (int r = 0; r < used; ++r) {
        if (!Is_On(table[r][0])) continue;
        if (const int text = failure(table[r]))
            return TRuleCheckError{r + 1, Column_Of(text), LangText(1960) + QString::number(r + 1) + LangText(text),
                                   tableIndex};
        descriptions.append(table[r][descriptionColumn]);
    }
    return std::nullopt;
}

}  // namespace

bool Check_Error_CommName_Desc(const QString& str, int Check_Type) {
    for (qsizetype i = 0; i < str.size(); ++i) {
        const QChar c = str[i];
        const bool lower = c >= u'a' && c <= u'z';
        if (Check_Type == 1 && i == 0 && !lower) return true;
        if (!lower && !(c >= u'A' && c <= u'Z') && !(c >= u'0' && c <= u'9')) return true;
    }
    return false;
}

std::optional<TRuleCheckError> Check_SNMP_Trap_Rules(const TCellTable& read, const TCellTable& write,
                                                     QStringList& descriptions) {
    descriptions.clear();
    if (auto error = Check_Table(read, 0, TrapR_Description, Read_Row_Failure, descriptions)) return error;
    if (auto error = Check_Table(write, 1, TrapW_Description, Write_Row_Failure, descriptions)) return error;
    for (qsizetype i = 0; i < descriptions.size(); ++i)
        for (qsizetype j = i + 1; j < descriptions.size(); ++j)
            if (descriptions[i] == descriptions[j]) return TRuleCheckError{0, 0, LangText(1980)};
    return std::nullopt;
}

TCellTable SNMP_Trap_Default_Read_Rows() {
    TCellTable rows;
    for (int n = 0; n < kDefaultRows; ++n) {
        const QString description = QStringLiteral("lampADV%1").arg(n);
        rows.push_back({QStringLiteral("Y"), QStringLiteral("public"), QStringLiteral("Int"), QStringLiteral("N"),
                        QStringLiteral("N"), QStringLiteral("N"), QStringLiteral("1000"), QString::number(8 * n),
                        QStringLiteral("0"), QStringLiteral("8"), description, QStringLiteral("192.168.2.16"),
                        QStringLiteral("None"), description});
    }
    return rows;
}

TCellTable SNMP_Trap_Default_Write_Rows() {
    TCellTable rows;
    for (int n = 0; n < kDefaultRows; ++n) {
        const QString description = QStringLiteral("lamp%1").arg(n);
        rows.push_back({QStringLiteral("Y"), QStringLiteral("public"), QStringLiteral("Int"), QString::number(n),
                        QStringLiteral("0"), QStringLiteral("8"), description, QStringLiteral("None"), description});
    }
    return rows;
}

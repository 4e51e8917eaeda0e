#include "editors/automation/snmp_manager_check.h"

#include "config/rule_cell_rules.h"
#include "core/address_helpers.h"
#include "core/text_table.h"
#include "editors/rule_integer.h"

namespace {

bool Is_On(const QString& cell) { return cell.trimmed() == Flag_On_Text; }

bool In_Range(const QString& cell, int low, int high) {
    const int value = Rule_Integer(cell);
    return value >= low && value <= high;
}

// The row's first failing check, as its message text number; 0 when it passes. Adds
// what the row keeps in the converter's string memory to the budget.
int Row_Failure(const QStringList& row, int& budget) {
    std::uint8_t b1 = 0, b2 = 0, b3 = 0, b4 = 0;
    if (Parse_IP_Bytes(row[SNMPM_IP_Address], b1, b2, b3, b4)) return 2738;
    const QString& oid = row[SNMPM_OID];
    if (const int code = Check_OID(oid); code >= 1 && code <= 6) return 2738 + code;
    if (!oid.isEmpty()) budget += int(oid.size()) + 1;
    if (row[SNMPM_Mode].trimmed() == QLatin1String("Get") && !Is_On(row[SNMPM_On_Timer])) return 2757;
    if (Is_On(row[SNMPM_On_Timer]) && !In_Range(row[SNMPM_Time], 1, 100000000)) return 2745;
    if (!In_Range(row[SNMPM_Number_Bytes], 0, 1024)) return 2746;
    if (row[SNMPM_ConvertFrom].trimmed().isEmpty()) return 2756;
    if (Rule_Integer(row[SNMPM_Version]) == 3) {
        if (!row[SNMPM_User].isEmpty()) budget += int(row[SNMPM_User].size()) + 1;
        const int level = SNMP_Security_Level_Code(row[SNMPM_Security_Level]);
        if (level == -1) return 2783;
        if (level & 1) {
            if (!row[SNMPM_Auth_Pass].isEmpty()) budget += int(row[SNMPM_Auth_Pass].size()) + 1;
            if (row[SNMPM_Auth_Mode].trimmed().isEmpty()) return 2784;
        }
        if (level & 2) {
            if (!row[SNMPM_Priv_Pass].isEmpty()) budget += int(row[SNMPM_Priv_Pass].size()) + 1;
            if (row[SNMPM_Priv_Mode].trimmed().isEmpty()) return 2785;
        }
    }
    return 0;
}

// The grid column of the cell a row check's message is about.
int Column_Of(int text) {
    switch (text) {
    case 2738: return SNMPM_IP_Address + 1;
    case 2757: return SNMPM_On_Timer + 1;
    case 2745: return SNMPM_Time + 1;
    case 2746: return SNMPM_Number_Bytes + 1;
    case 2756: return SNMPM_ConvertFrom + 1;
    case 2783: return SNMPM_Security_Level + 1;
    case 2784: return SNMPM_Auth_Mode + 1;
    case 2785: return SNMPM_Priv_Mode + 1;
    default: return SNMPM_OID + 1;  // 2739 to 2744
    }
}

bool Same_Request(const QStringList& a, const QStringList& b) {
    for (int column : {SNMPM_IP_Address, SNMPM_Version, SNMPM_OID})
        if (a[column].trimmed() != b[column].trimmed()) return false;
    return true;
}

}  // namespace

std::optional<TRuleCheckError> Check_SNMP_Manager_Rules(const TCellTable& rules) {
    const int used = Used_Rows(rules, SNMPM_IP_Address);
    int budget = 1;
    for (int r = 0; r < used; ++r) {
        if (!Is_On(rules[r][SNMPM_Enable])) continue;
        if (const int text = Row_Failure(rules[r], budget))
            return TRuleCheckError{r + 1, Column_Of(text), LangText(2737) + QString::number(r + 1) + LangText(text)};
    }
    // The walk for duplicates stops one row short of the table's end, as the window's
    // last row has no later row to compare with.
    for (int r = 0; r < used && r < int(rules.size()) - 1; ++r) {
        if (!Is_On(rules[r][SNMPM_Enable])) continue;
        for (int later = r + 1; later < used; ++later)
            if (Is_On(rules[later][SNMPM_Enable]) && Same_Request(rules[r], rules[later]))
                return TRuleCheckError{later + 1, SNMPM_IP_Address + 1,
                                       LangText(2786) + QString::number(r + 1) + LangText(2787) +
                                           QString::number(later + 1) + LangText(2788)};
    }
    if (budget >= SNMP_Manager_Budget) return TRuleCheckError{0, 0, LangText(2789)};
    return std::nullopt;
}

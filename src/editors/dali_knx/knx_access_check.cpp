#include "editors/dali_knx/knx_access_check.h"

#include "config/rule_cell_rules.h"
#include "core/address_helpers.h"
#include "core/text_table.h"
#include "editors/dali_knx/knx_access_file.h"
#include "editors/rule_integer.h"

namespace {

// Byte and bit lengths of a rule; an extended rule's length field is still one byte.
constexpr int Byte_Length_Max = 14;
constexpr int Bit_Length_Max = 112;
constexpr int Extended_Length_Max = 255;

struct Failure {
    int column;
    int text;
    QString bound;
};

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

std::optional<Failure> CheckRow(const QStringList& row, QChar separator, bool mulFactorShown) {
    auto cell = [&row](int column) { return row[column]; };
    if (Check_KNX_Address(cell(KNX_Source_Address).trimmed(), false, true) != 0)
        return Failure{KNX_Source_Address, 2649, {}};
    const QString destination = cell(KNX_Destination_Address).trimmed();
    const bool group = Has_No_Dot(destination);
    if (Check_KNX_Address(destination, group, true) != 0) return Failure{KNX_Destination_Address, group ? 2651 : 2650, {}};
    const QString apci = cell(KNX_APCI).toUpper();
    if (apci != QLatin1String("READ") && apci != QLatin1String("WRITE") && !InRange(Rule_Integer(cell(KNX_APCI)), 0, 1023))
        return Failure{KNX_APCI, 2652, {}};
    if (!KNX_Priority_Is_Listed(cell(KNX_Priority))) return Failure{KNX_Priority, 2653, {}};
    // Only a format the compiler knows: any other would compile as "None" without a word.
    if (!KNX_Format_Is_Known(cell(KNX_Format))) return Failure{KNX_Format, 2654, {}};
    const QString factor = cell(KNX_MultiplicationFactor).trimmed();
    float value = 0;
    if (mulFactorShown && !factor.isEmpty() && !Str_To_Float_Sep(factor, separator, value))
        return Failure{KNX_MultiplicationFactor, 2665, {}};
    if (KNX_Flag_Is_On(cell(KNX_On_Timer)) && !InRange(Rule_Integer(cell(KNX_Poll_Time)), 1, 100000000))
        return Failure{KNX_Poll_Time, 2655, {}};
    const int position = Rule_Integer(cell(KNX_Position));
    if (!InRange(position, 0, KNX_Max_Num_Byte - 1))
        return Failure{KNX_Position, 2656, QString::number(KNX_Max_Num_Byte - 1)};
    const bool byteMode = KNX_Bit_Mode_Is_Byte(cell(KNX_Bit_Mode));
    const int bit = Rule_Integer(cell(KNX_Bit_Mode));
    if (!byteMode && !InRange(bit, 0, 7)) return Failure{KNX_Bit_Mode, 2657, {}};
    const bool extended = KNX_Flag_Is_On(cell(KNX_Extended));
    const int lengthMax = extended ? Extended_Length_Max : byteMode ? Byte_Length_Max : Bit_Length_Max;
    const int length = Rule_Integer(cell(KNX_Length));
    if (!InRange(length, 1, lengthMax)) return Failure{KNX_Length, 2658, QString::number(lengthMax)};
    const int bytes = byteMode ? length : (length + bit + 7) / 8;
    if (position + bytes > KNX_Max_Num_Byte) return Failure{KNX_Length, 2659, QString::number(KNX_Max_Num_Byte)};
    if (!InRange(Rule_Integer(cell(KNX_TimeOut)), 0, 100000000)) return Failure{KNX_TimeOut, 2666, {}};
    return std::nullopt;
}

}  // namespace

std::optional<TRuleCheckError> Check_KNX_Rules(const TCellTable& rules, QChar decimalSeparator, bool mulFactorShown) {
    const int used = Used_Rows(rules, KNX_Source_Address);
    for (int r = 0; r < used; ++r) {
        const QStringList& row = rules[std::size_t(r)];
        if (!KNX_Enable_Is_On(row[KNX_Enable])) continue;
        if (const std::optional<Failure> failure = CheckRow(row, decimalSeparator, mulFactorShown))
            return TRuleCheckError{r + 1, failure->column + 1,
                                   LangText(2648) + QString::number(r + 1) + LangText(failure->text) + failure->bound};
    }
    return std::nullopt;
}

#include "editors/fieldbus/can_frame_check.h"

#include "config/rule_cell_rules.h"
#include "core/text_table.h"
#include "editors/rule_integer.h"

namespace {

constexpr int kMax_Dimension = 8;

bool In_Range(const QString& cell, int low, int high) {
    const int value = Rule_Integer(cell);
    return value >= low && value <= high;
}

struct TFailure {
    int Column;
    int Text;
    QString Bound;
};

std::optional<TFailure> Row_Failure(const QStringList& row, const TCANFrameLayout& at) {
    const auto cell = [&row](int column) -> const QString& { return row[column - 1]; };
    const bool elevenBits = cell(CAN_Type_Column).trimmed() == CAN_Type_11_Bits;
    if (!In_Range(cell(CAN_CobID_Column), 0, elevenBits ? 2047 : 536870911))
        return TFailure{CAN_CobID_Column, elevenBits ? at.CobID_11_Text : at.CobID_11_Text + 1, {}};
    if (!In_Range(cell(CAN_Dimension_Column), 1, kMax_Dimension))
        return TFailure{CAN_Dimension_Column, at.CobID_11_Text + 2, {}};
    const bool timed = at.On_Timer < 0 || Trimmed_Flag_Is_On(cell(at.On_Timer));
    if (timed && !In_Range(cell(at.Time), 0, 100000000)) return TFailure{at.Time, at.CobID_11_Text + 3, {}};
    const int dimension = Rule_Integer(cell(CAN_Dimension_Column));
    for (int k = 1; k <= dimension; ++k) {
        const QString& byte = cell(at.First_Byte + k - 1);
        if (byte.trimmed().isEmpty() || byte == CAN_No_Byte || In_Range(byte, 0, at.Max_Byte - 1)) continue;
        return TFailure{at.First_Byte + k - 1, k == 1 ? at.Byte1_Text : at.Byte1_Text + k,
                        QString::number(at.Max_Byte - 1) + LangText(at.Byte1_Text + 1)};
    }
    return std::nullopt;
}

}  // namespace

std::optional<TRuleCheckError> Check_CAN_Frames(const TCANFrameLayout& layout, const TCellTable& rows) {
    const int used = Used_Rows(rows, CAN_CobID_Column - 1);
    for (int r = 0; r < used; ++r) {
        const QStringList& row = rows[std::size_t(r)];
        if (!Trimmed_Flag_Is_On(row[CAN_Enable_Column - 1])) continue;
        if (const std::optional<TFailure> failure = Row_Failure(row, layout))
            return TRuleCheckError{r + 1, failure->Column,
                                   LangText(layout.Error_Row_Text) + QString::number(r + 1) +
                                       LangText(failure->Text) + failure->Bound};
    }
    return std::nullopt;
}

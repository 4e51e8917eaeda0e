#include "editors/fieldbus/canopen_rule_check.h"

#include "core/text_table.h"
#include "editors/rule_integer.h"

namespace {

bool Passes(const TCANopenStep& step, int value) {
    if (step.Kind == TCANopenStep::Size) return value == 1 || value == 2 || value == 4;
    return value >= step.Low && value <= step.High;
}

std::optional<TRuleCheckError> Row_Failure(const QStringList& row, const TCANopenTableCheck& check, int areaBytes) {
    const auto cell = [&row](int column) -> const QString& { return row[column - 1]; };
    for (const TCANopenStep& step : check.Steps) {
        if (step.Kind != TCANopenStep::Positions) {
            if (!Passes(step, Rule_Integer(cell(step.Column)))) return TRuleCheckError{0, step.Column, LangText(step.Text)};
            continue;
        }
        // The count column was checked by an earlier step; positions beyond it hold anything.
        const int used = Rule_Integer(cell(step.Count_Column));
        for (int k = 0; k < step.Count && k < used; ++k) {
            const int value = Rule_Integer(cell(step.Column + k));
            if (value < 0 || value > areaBytes - 1)
                return TRuleCheckError{0, step.Column + k, LangText(step.Text + k) + QString::number(areaBytes - 1)};
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<TRuleCheckError> Check_CANopen_Tables(int errorRowText, std::span<const TCANopenTableCheck> checks,
                                                    std::span<const TCellTable> tables, int areaBytes) {
    for (std::size_t t = 0; t < checks.size() && t < tables.size(); ++t) {
        const TCellTable& rows = tables[t];
        const int used = Used_Rows(rows, checks[t].Key_Column - 1);
        for (int r = 0; r < used; ++r) {
            std::optional<TRuleCheckError> error = Row_Failure(rows[std::size_t(r)], checks[t], areaBytes);
            if (!error) continue;
            error->Row = r + 1;
            error->Table = int(t);
            error->Message = LangText(errorRowText) + QString::number(r + 1) + error->Message;
            return error;
        }
    }
    return std::nullopt;
}

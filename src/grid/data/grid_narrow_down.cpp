// Narrowing the data rows as the user types: one filter level per character typed on,
// one given back per character deleted.

#include "grid/core/string_grid.h"

void TExStringGrid::NarrowDown(const QString& ACondition, int AColumn) {
    SetFixedRowAlways(true);
    // The typed text is found as typed: no character of it acts as an operator.
    auto setCondition = [&] {
        FFilter->Clear();
        TFilterData& item = FFilter->Add();
        item.CaseSensitive = false;
        item.Column = AColumn;
        item.Condition = ACondition;
        if (AColumn == -1) {
            item.Data = fcRow;
        } else {
            item.Data = fcNormal;
            item.Method = fmContains;
        }
    };
    const QString& last = FNarrowDownText;
    if (!last.isEmpty() && ACondition.size() == last.size() + 1 && ACondition.startsWith(last)) {
        setCondition();
        ApplyFilter();
    } else if (!ACondition.isEmpty() && last.size() == ACondition.size() + 1 && last.startsWith(ACondition)) {
        RemoveLastFilter();
    } else {
        RemoveAllFilters();
        if (!ACondition.isEmpty()) {
            setCondition();
            ApplyFilter();
        }
    }
    FNarrowDownText = ACondition;
    // The filter reads as active while a narrowing holds rows out.
    FFilterActive = FFilterLevel > 0;
}

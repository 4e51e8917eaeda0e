// Narrowing the data rows to those whose cell contains a typed text, and removing every
// filter level again.

#include "grid/core/hidden_row_store.h"
#include "grid/core/string_grid.h"

void TExStringGrid::NarrowDown(const QString& Text, int ACol) {
    if (Text.isEmpty() || ACol < 0) {
        RemoveAllFilters();
        return;
    }
    // Typing on only narrows further: the rows held out stay out, and the rows shown are
    // walked once. Any other text starts again from every row.
    const bool further = FFilterActive && ACol == FNarrowDownColumn && !FNarrowDownText.isEmpty() &&
                         Text.contains(FNarrowDownText, Qt::CaseInsensitive);
    if (!further) RemoveAllFilters();
    std::vector<int> failing;
    const int last = RowCount() - FixedFooters();
    for (int row = FixedRows(); row < last; ++row)
        if (!Cells(ACol, row).contains(Text, Qt::CaseInsensitive)) failing.push_back(row);
    if (!failing.empty()) {
        HoldRowsOut(std::move(failing), FFilterLevel);
        ++FFilterLevel;
    }
    FNarrowDownText = Text;
    FNarrowDownColumn = ACol;
    SetFilterActive(true);
}

void TExStringGrid::RemoveAllFilters() {
    for (int level = FFilterLevel - 1; level >= 0; --level) ShowHeldOutRows(FHiddenRows->TakeLevel(level));
    FFilterLevel = 0;
    FNarrowDownText.clear();
    FNarrowDownColumn = -1;
    SetFilterActive(false);
}

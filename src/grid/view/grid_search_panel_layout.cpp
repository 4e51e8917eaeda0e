// The search footer's strip under the cells: its place, the room it takes and the
// scrolling that keeps the last row in sight above it.

#include "grid/core/string_grid.h"
#include "grid/data/search_panel.h"

int TExStringGrid::SearchPanelHeight() const {
    return FSearchPanel && !FSearchPanel->isHidden() ? FSearchPanel->height() : 0;
}

void TExStringGrid::AlignSearchPanel() {
    if (!FSearchPanel || FAligningSearchPanel) return;
    FAligningSearchPanel = true;
    ApplyBorderMargins();
    const QRect cells = viewport()->geometry();
    FSearchPanel->setGeometry(cells.left(), cells.bottom() + 1, cells.width(), FSearchPanel->height());
    FAligningSearchPanel = false;
}

// The panel takes its own room below the cells, so showing the last row whole is enough;
// the walk stops where the grid cannot scroll further.
void TExStringGrid::ScrollAboveSearchFooter() {
    if (!FSearchFooter->Visible() || RowCount() <= FixedRows()) return;
    const int clientBottom = viewport()->height();
    if (clientBottom <= DefaultRowHeight()) return;
    const int last = RowCount() - 1;
    while (TopRow() < RowCount()) {
        const TRect r = CellRect(0, last);
        if (!r.IsEmpty() && r.Bottom <= clientBottom) return;
        const int before = TopRow();
        SetTopRow(before + 1);
        if (TopRow() == before) return;
    }
}

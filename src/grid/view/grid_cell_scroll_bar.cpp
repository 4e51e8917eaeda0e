// The shared cell scroll bar: the mouse lays it over a cell whose text is taller than the
// cell, dragging it scrolls that cell's text and reports OnScrollCell. The cell keeps the
// position, so the painted bar and the text follow when the live bar moves away.

#include "grid/core/string_grid.h"
#include "grid/view/cell_scroll_bar.h"

#include <QSignalBlocker>

void TExStringGrid::TrackCellScrollBar(int ACol, int ARow) {
    if (!FScrollBar || ACol < 0 || ARow < 0) return;
    const int realCol = RealColIndex(ACol);
    if (!HasScrollBar(realCol, ARow)) {
        HideCellScrollBar();
        return;
    }
    const bool alreadyHere = FScrollBar->isVisible() && FScrollCol == realCol && FScrollRow == ARow;
    FScrollCol = realCol;
    FScrollRow = ARow;
    const TScrollProp prop = GetScrollProp(realCol, ARow);
    // Taking the cell's values is not a scroll of the user's.
    const QSignalBlocker quiet(FScrollBar);
    FScrollBar->SetCellValues(GetScrollPosition(realCol, ARow), prop.PageSize, prop.Range);
    // A cell that shows all of its text has nothing to scroll; a bar left standing over
    // another cell would scroll this one.
    if (prop.PageSize >= prop.Range) {
        HideCellScrollBar();
        return;
    }
    if (alreadyHere) return;
    const TRect cell = CellRect(ACol, ARow);
    const int line = GridLineWidth();
    FScrollBar->setGeometry(cell.Right - TCellScrollBar::BarWidth - line, cell.Top + line, TCellScrollBar::BarWidth,
                            cell.Height() - 2 * line);
    FScrollBar->setEnabled(true);
    FScrollBar->show();
    FScrollBar->raise();
}

void TExStringGrid::HideCellScrollBar() {
    if (FScrollBar) FScrollBar->hide();
}

void TExStringGrid::CellScrollBarMoved(int Position) {
    if (FScrollCol < 0 || FScrollRow < 0) return;
    SetScrollPosition(FScrollCol, FScrollRow, Position);
    DoScrollCell();
}

void TExStringGrid::DoScrollCell() {
    if (!OnScrollCell || !FScrollBar) return;
    OnScrollCell(this, FScrollCol, FScrollRow, FScrollBar->value(), FScrollBar->minimum(),
                 GetScrollProp(FScrollCol, FScrollRow).Range);
}

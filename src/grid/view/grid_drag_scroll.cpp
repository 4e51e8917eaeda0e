// Scrolling while a drag hovers near an edge of the grid: the pointer's margins give the
// directions, a timer of its own waits InitialDelay and then scrolls every RepeatDelay,
// one row or column per direction and tick, as far as the grid can go.

#include "grid/core/string_grid.h"

#include "platform/interval_timer.h"

void TExStringGrid::DragScrollMove(QPoint P) {
    TDragScrollDirection directions;
    if (FDragScrollOptions->Active) {
        const TDragScrollMargins& margins = *FDragScrollOptions->Margins();
        const QSize area = Surface()->size();
        if (P.y() < margins.TopMargin) directions.Include(dsdUp);
        else if (P.y() > area.height() - margins.BottomMargin) directions.Include(dsdDown);
        if (P.x() < margins.LeftMargin) directions.Include(dsdLeft);
        else if (P.x() > area.width() - margins.RightMargin) directions.Include(dsdRight);
    }
    if (directions.Empty()) {
        StopDragScroll();
        return;
    }
    FDragScrollDirections = directions;
    if (!FDragScrollTimer) {
        FDragScrollTimer = CreateIntervalTimer();
        FDragScrollTimer->OnTick = [this] { DragScrollTick(); };
    }
    // Every move with a direction waits the initial delay again.
    FDragScrollTimer->Start(FDragScrollOptions->Delays()->InitialDelay);
}

void TExStringGrid::StopDragScroll() { FDragScrollTimer.reset(); }

void TExStringGrid::DragScrollTick() {
    FDragScrollTimer->Start(FDragScrollOptions->Delays()->RepeatDelay);
    TDragScrollDirection directions = FDragScrollDirections;
    bool canScroll = true;
    if (OnDragScroll) OnDragScroll(this, TopRow(), LeftCol(), directions, canScroll);
    if (!canScroll) return;
    if (directions.Contains(dsdUp) && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
    if (directions.Contains(dsdDown) && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
    if (directions.Contains(dsdLeft) && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
    if (directions.Contains(dsdRight) && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
}

// The feedback while a column or row is dragged to a new place: the image of its cells
// (or its header caption) follows the mouse, arrows point at where it would land, and the
// view scrolls at the edges. The move itself is the base control's, on the release.

#include "grid/core/string_grid.h"

#include "grid/view/header_drag_button.h"

namespace {

enum { kArrowUp, kArrowDown, kArrowLeft, kArrowRight };

}  // namespace

// The arrows float over the whole window, not only over the grid.
void TExStringGrid::PlaceArrowWindow(int Index, QPoint ScreenPoint, bool Visible) {
    QWidget* arrow = FArrowWindows[Index];
    if (!arrow) return;
    QWidget* top = arrow->parentWidget() ? arrow->parentWidget()->window() : nullptr;
    if (top && arrow->parentWidget() != top) arrow->setParent(top);
    if (top) arrow->move(top->mapFromGlobal(ScreenPoint));
    arrow->setVisible(Visible);
    arrow->raise();
}

void TExStringGrid::TrackMoveFeedback(int ACol, int ARow, int X, int Y) {
    const TGridState state = GridState();
    if (state == gsColSizing) ColSized = true;
    if (state == gsRowSizing) Rowsized = true;
    bool allow = true;
    if (state == gsColMoving && OnColumnMove) OnColumnMove(this, Movecell, allow);
    if (state == gsRowMoving && OnRowMove) OnRowMove(this, Movecell, allow);
    if (!allow) {
        SetGridState(gsNormal);
        return;
    }
    const bool moving = GridState() == gsColMoving || GridState() == gsRowMoving;
    const bool away = X != Clickposx || Y != Clickposy;
    if (!moving || RowCount() <= 1 || !away || !FEnhRowColMove || FSizingFixed || FSizingFixedR) return;
    DoStartBlockFocus();
    const bool columns = GridState() == gsColMoving;
    const int fixedCols = TStringGrid::FixedCols();
    const int fixedRows = TStringGrid::FixedRows();
    if (columns && Movecell >= fixedCols && ARow >= 0) {
        if (!MoveForm && FDragDropSettings->ShowCells) {
            MoveForm = SelectionToForm({Movecell, 0, Movecell, TopRow() + VisibleRowCount() - fixedRows});
            MoveForm->show();
        }
        MoveButton->SetCaption(Cells(RealColIndex(Movecell), 0));
        MoveButton->resize(ColWidths(Movecell), RowHeights(ARow));
    } else if (!columns && Movecell >= fixedRows && ACol >= 0) {
        if (!MoveForm && FDragDropSettings->ShowCells) {
            MoveForm = SelectionToForm({0, Movecell, VisibleColCount() + LeftCol() - fixedCols, Movecell});
            MoveForm->show();
        }
        MoveButton->SetCaption(Cells(RealColIndex(0), Movecell));
        MoveButton->resize(ColWidths(ACol), RowHeights(Movecell));
    }
    // The image follows the mouse.
    const QPoint corner = Surface()->mapToGlobal(QPoint(X - MoveOfsX, Y - MoveOfsY));
    if (FDragDropSettings->ShowCells && MoveForm) {
        const int left = UseRightToLeftAlignment() ? corner.x() + ColWidths(0) - MoveForm->width() : corner.x();
        MoveForm->move(left, corner.y());
    } else {
        MoveButton->move(corner);
    }
    if (columns) PlaceColumnArrows(ACol, ARow, allow);
    else PlaceRowArrows(ACol, ARow, allow);
    // Auto-scroll at the edges.
    if (columns && VisibleColCount() < ColCount()) {
        if (X < FixedColsWidth() && LeftCol() > fixedCols) SetLeftCol(LeftCol() - 1);
        else if (X > Surface()->width() && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
    } else if (!columns && VisibleRowCount() < RowCount()) {
        if (Y < FixedRowsHeight() && TopRow() > fixedRows) SetTopRow(TopRow() - 1);
        else if (Y > Surface()->height() && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
    }
    if (!FDragDropSettings->ShowCells) MoveButton->show();
    MoveButton->setEnabled(true);
    Surface()->setCursor(allow ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
}


void TExStringGrid::PlaceColumnArrows(int ACol, int ARow, bool& Allow) {
    const int fixedCols = TStringGrid::FixedCols();
    if (FMoveColInd >= fixedCols && ACol >= 0 && ARow >= 0) {
        const TRect cell = CellRect(FMoveColInd, 0);
        const QPoint topLeft = Surface()->mapToGlobal(QPoint(cell.Left, cell.Top));
        const QPoint bottomLeft = Surface()->mapToGlobal(QPoint(cell.Left, cell.Bottom));
        const int x = FMoveColInd < Movecell ? topLeft.x() - 5 : topLeft.x() + ColWidths(FMoveColInd) - 5;
        const bool visible = FMoveColInd - LeftCol() < VisibleColCount();
        PlaceArrowWindow(kArrowUp, {x, bottomLeft.y()}, visible);
        PlaceArrowWindow(kArrowDown, {x, topLeft.y() - 8}, visible);
    }
    if (ACol < 0) return;
    FMoveColInd = ACol;
    FMoveRowInd = 0;
    if (OnColumnMoving) OnColumnMoving(this, ACol, Allow);
}

void TExStringGrid::PlaceRowArrows(int ACol, int ARow, bool& Allow) {
    const bool footerRow = FFloatingFooter->Visible && FFloatingFooter->FooterStyle == fsFixedLastRow &&
                           FMoveRowInd == RowCount() - 1;
    if (!footerRow && FMoveRowInd >= TStringGrid::FixedRows() && FMoveRowInd < TopRow() + VisibleRowCount() &&
        ARow >= 0 && ACol >= 0) {
        const TRect cell = CellRect(0, FMoveRowInd);
        const QPoint topLeft = Surface()->mapToGlobal(QPoint(cell.Left, cell.Top));
        const QPoint topRight = Surface()->mapToGlobal(QPoint(cell.Right, cell.Top));
        const int y = FMoveRowInd < Movecell ? topLeft.y() - 5 : topLeft.y() - 5 + RowHeights(FMoveRowInd);
        const bool visible = FMoveRowInd - TopRow() < VisibleRowCount();
        PlaceArrowWindow(kArrowLeft, {topLeft.x() - 10, y}, visible);
        PlaceArrowWindow(kArrowRight, {topRight.x(), y}, visible);
    }
    if (ARow < 0) return;
    FMoveColInd = 0;
    FMoveRowInd = ARow;
    if (OnRowMoving) OnRowMoving(this, ARow, Allow);
}

void TExStringGrid::EndMoveFeedback() {
    const bool blocking = MoveForm || (MoveButton && MoveButton->isVisible());
    delete MoveForm;
    MoveForm = nullptr;
    if (MoveButton) MoveButton->hide();
    for (QWidget* arrow : FArrowWindows) arrow->hide();
    FMoveColInd = -1;
    FMoveRowInd = -1;
    if (blocking) DoEndBlockFocus();
}

// The left double click: on a header border it sizes the column to its contents (and
// the release that follows does not sort); elsewhere it fires the double-click events,
// opens the editor where editing waits for a double click, and opens the fixed-cell
// editor on headers set up for it.

#include "grid/core/string_grid.h"

#include <QMouseEvent>

namespace {

constexpr int BorderMargin = 3;

}  // namespace

void TExStringGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    FButtonEvent = event;
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton) WMLButtonDblClk(p.x(), p.y());
    else TStringGrid::mouseDoubleClickEvent(event);
    FButtonEvent = nullptr;
}

void TExStringGrid::WMLButtonDblClk(int XPos, int YPos) {
    int ACol = -1, ARow = -1;
    MouseToCell(XPos, YPos, ACol, ARow);
    if (FMouseActions->RangeSelectAndEdit() && ACol >= 0 && ARow >= 0 && !HasClickableObject(RealColIndex(ACol), ARow))
        FForceSel = true;
    if (ACol < 0 && ARow >= 0) {
        if (FFixedRowAlways) {
            InheritedButtonEvent(QEvent::MouseButtonDblClick, Qt::LeftButton, XPos, YPos);
            return;
        }
        ACol = ColCount() - 1;
        ARow = 0;
    }
    if (ACol < 0 || ARow < 0) {
        InheritedButtonEvent(QEvent::MouseButtonDblClick, Qt::LeftButton, XPos, YPos);
        return;
    }

    if (ARow < FixedRows() && Options().Contains(goColSizing) && FMouseActions->AutoSizeColOnDblClick()) {
        const TRect R = CellRect(ACol, ARow);
        const auto autoSize = [&](int column) {
            FDblClk = true;
            bool allow = true;
            if (OnColumnSize) OnColumnSize(this, column, allow);
            if (allow) {
                AutoSizeCol(column);
                if (OnEndColumnSize) OnEndColumnSize(this, column);
            }
            FForceSel = false;
            InheritedButtonEvent(QEvent::MouseButtonDblClick, Qt::LeftButton, XPos, YPos);
        };
        if (XPos - R.Left <= BorderMargin && ACol - 1 >= FixedCols()) {
            autoSize(ACol - 1);
            return;
        }
        if (R.Right - XPos <= BorderMargin && ACol >= FixedCols()) {
            autoSize(ACol);
            return;
        }
    }

    const int RCol = RealColIndex(ACol);
    if (HasCellObject(RCol, ARow, {ctButton, ctBitButton, ctExpand})) {
        const TRect g = GetCellGraphicRect(ACol, ARow);
        if (XPos >= g.Left && XPos < g.Right && YPos >= g.Top && YPos < g.Bottom) return;
    }
    if (HasClickableObject(RCol, ARow)) {
        InheritedButtonEvent(QEvent::MouseButtonDblClick, Qt::LeftButton, XPos, YPos);
        return;
    }
    InheritedButtonEvent(QEvent::MouseButtonDblClick, Qt::LeftButton, XPos, YPos);
    if (OnDblClickCell) OnDblClickCell(this, ARow, ACol);

    const bool dataCell = ACol >= FixedCols() && ARow >= FixedRows();
    bool editable = dataCell;
    if (dataCell) CanEditBaseCell(RealCol(RCol), DisplRow(ARow), editable);
    if (FMouseActions->EditOnDblClickOnly()) {
        if (editable) {
            SetOptions(Options() + TGridOptions{goEditing});
            RememberEditCell(ACol, ARow);
            // A double click that no press made current moves there without the cell
            // check, which would switch editing off again for a double-click-only grid.
            FForceSel = true;
            if (Col() != ACol || Row() != ARow) MoveColRow(ACol, ARow, true, true);
            ShowInplaceEdit();
        }
    } else if (FMouseActions->RangeSelectAndEdit() && editable) {
        SetOptions(Options() + TGridOptions{goEditing});
        const TPoint base = BaseCell(RCol, ARow);
        const TRect R = CellRect(DisplColIndex(base.X), base.Y);
        SimulatePress(R.Left + 4, R.Top + 4);
    }
    FForceSel = false;
    if ((ARow < FixedRows() && FMouseActions->FixedRowsEdit() == fceDblClick) ||
        (ACol < FixedCols() && FMouseActions->FixedColsEdit() == fceDblClick))
        ShowFixedCellEditor(ACol, ARow);
}

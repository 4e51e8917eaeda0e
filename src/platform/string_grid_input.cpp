// Keys, mouse and wheel of the string grid: moving the current cell, extending the
// selection, sizing and moving rows and columns.

#include "platform/string_grid.h"

#include <QWheelEvent>
#include <algorithm>

namespace {

constexpr int SizingMargin = 3;

}  // namespace

// ---- keys -------------------------------------------------------------------------

void TStringGrid::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControlOf<QAbstractScrollArea>::KeyDown(Key, Shift);
    if (Key == 0) return;
    const bool ctrl = Shift.Contains(ssCtrl);
    const bool extend = Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect) && !FOptions.Contains(goRowSelect);
    const bool rowSelect = FOptions.Contains(goRowSelect);
    int c = Col();
    int r = Row();
    const int page = std::max(1, VisibleRowCount());
    switch (Key) {
    case VK_UP: --r; break;
    case VK_DOWN: ++r; break;
    case VK_LEFT:
        if (rowSelect) { SetLeftCol(LeftCol() - 1); return; }
        --c;
        break;
    case VK_RIGHT:
        if (rowSelect) { SetLeftCol(LeftCol() + 1); return; }
        ++c;
        break;
    case VK_PRIOR:
        SetTopRow(TopRow() - page);
        r -= page;
        break;
    case VK_NEXT:
        SetTopRow(TopRow() + page);
        r += page;
        break;
    case VK_HOME:
        c = FixedCols();
        if (ctrl || rowSelect) r = FixedRows();
        break;
    case VK_END:
        c = ColCount() - 1;
        if (ctrl || rowSelect) r = RowCount() - 1;
        break;
    case VK_TAB:
        if (!FOptions.Contains(goTabs) || ctrl) return;
        if (Shift.Contains(ssShift)) {
            if (--c < FixedCols()) { c = ColCount() - 1; --r; }
        } else if (++c >= ColCount()) {
            c = FixedCols();
            ++r;
        }
        if (r < FixedRows() || r >= RowCount()) return;
        MoveColRow(c, r, true, true);
        Key = 0;
        return;
    case VK_F2:
        if (FOptions.Contains(goEditing)) SetEditorMode(true);
        return;
    default: return;
    }
    c = std::clamp(c, FixedCols(), ColCount() - 1);
    r = std::clamp(r, FixedRows(), RowCount() - 1);
    if (c != Col() || r != Row()) MoveColRow(c, r, !extend, true);
    else ScrollIntoView(c, r);
}

void TStringGrid::KeyPress(QChar& Key) {
    if (FOptions.Contains(goEditing) && !FEditorMode && (Key.unicode() == 8 || Key.unicode() >= 32)) {
        ShowEditorChar(Key);
        return;
    }
    TCustomControlOf<QAbstractScrollArea>::KeyPress(Key);
    if (Key.unicode() == 27 && FEditorMode) {
        FInplaceEdit->SetText(GetEditText(Col(), Row()));
        HideEditor();
        Key = QChar();
        return;
    }
    if (Key.unicode() == 13 && FOptions.Contains(goEditing) && !FOptions.Contains(goAlwaysShowEditor)) {
        if (FEditorMode) HideEditor();
        else ShowEditor();
        Key = QChar();
    }
}

// ---- wheel ------------------------------------------------------------------------

bool TStringGrid::DoMouseWheelDown(TShiftState, TPoint) {
    if (Row() < RowCount() - 1) MoveColRow(Col(), Row() + 1, true, true);
    return true;
}

bool TStringGrid::DoMouseWheelUp(TShiftState, TPoint) {
    if (Row() > FixedRows()) MoveColRow(Col(), Row() - 1, true, true);
    return true;
}

void TStringGrid::wheelEvent(QWheelEvent* event) {
    FWheelDelta += event->angleDelta().y();
    const int notches = FWheelDelta / 120;
    FWheelDelta -= notches * 120;
    const TShiftState shift = ShiftStateOf(event->modifiers(), event->buttons());
    const QPoint p = event->position().toPoint();
    for (int i = 0; i < std::abs(notches); ++i) {
        if (notches < 0) DoMouseWheelDown(shift, {p.x(), p.y()});
        else DoMouseWheelUp(shift, {p.x(), p.y()});
    }
    event->accept();
}

// ---- mouse ------------------------------------------------------------------------

bool TStringGrid::SizingBorderAt(int X, int Y, TGridState& state, int& index) {
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < 0 || cell.Y < 0) return false;
    if (FOptions.Contains(goColSizing) && cell.Y < FixedRows()) {
        // The border right of a column, or the left border of the column under the mouse.
        const TRect r = CellScreenRect(cell.X, cell.Y);
        if (r.Right - X <= SizingMargin) index = cell.X;
        else if (X - r.Left <= SizingMargin && cell.X > 0 && cell.X != FixedCols()) index = cell.X - 1;
        else if (X - r.Left <= SizingMargin && cell.X == FixedCols() && LeftCol() == FixedCols() && cell.X > 0) index = cell.X - 1;
        else index = -1;
        if (index >= 0) {
            state = gsColSizing;
            CalcSizingState(X, Y, state, index);
            return state == gsColSizing;
        }
    }
    if (FOptions.Contains(goRowSizing) && cell.X < FixedCols()) {
        const TRect r = CellScreenRect(cell.X, cell.Y);
        if (r.Bottom - Y <= SizingMargin) index = cell.Y;
        else if (Y - r.Top <= SizingMargin && cell.Y > 0 && (cell.Y != FixedRows() || TopRow() == FixedRows())) index = cell.Y - 1;
        else index = -1;
        if (index >= 0) {
            state = gsRowSizing;
            CalcSizingState(X, Y, state, index);
            return state == gsRowSizing;
        }
    }
    return false;
}

void TStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (!Focused() && !(FInplaceEdit && FInplaceEdit->hasFocus())) SetFocus();
    if (Button == mbLeft && !Shift.Contains(ssDouble)) {
        TGridState sizing = gsNormal;
        int index = -1;
        const TGridCoord cell = MouseCoord(X, Y);
        if (SizingBorderAt(X, Y, sizing, index)) {
            HideEditor();
            FGridState = sizing;
            FSizingIndex = index;
            // The size follows the mouse by as much as it moves from the press.
            FSizingStartSize = sizing == gsColSizing ? ColWidths(index) : RowHeights(index);
            FSizingEdge = sizing == gsColSizing ? X - FSizingStartSize : Y - FSizingStartSize;
        } else if (cell.X >= FixedCols() && cell.Y >= 0 && cell.Y < FixedRows() && FOptions.Contains(goColMoving)) {
            HideEditor();
            FGridState = gsColMoving;
            FMoveIndex = cell.X;
        } else if (cell.Y >= FixedRows() && cell.X >= 0 && cell.X < FixedCols() && FOptions.Contains(goRowMoving)) {
            HideEditor();
            FGridState = gsRowMoving;
            FMoveIndex = cell.Y;
        } else if (IsScrolledCell(cell.X, cell.Y)) {
            if (FOptions.Contains(goEditing) && cell == FCurrent && !Shift.Contains(ssShift)) {
                ShowEditor();
            } else {
                const bool extend = Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect);
                MoveColRow(cell.X, cell.Y, !extend, true);
                if (FOptions.Contains(goRangeSelect) && !FOptions.Contains(goRowSelect)) FGridState = gsSelecting;
            }
        }
    }
    TCustomControlOf<QAbstractScrollArea>::MouseDown(Button, Shift, X, Y);
}

void TStringGrid::MouseMove(TShiftState Shift, int X, int Y) {
    if (FGridState == gsSelecting) {
        const TGridCoord cell = MouseCoord(X, Y);
        if (IsScrolledCell(cell.X, cell.Y) && !(cell == FCurrent)) MoveColRow(cell.X, cell.Y, false, true);
    } else if (FGridState == gsNormal) {
        TGridState sizing = gsNormal;
        int index = -1;
        if (SizingBorderAt(X, Y, sizing, index)) Surface()->setCursor(sizing == gsColSizing ? Qt::SplitHCursor : Qt::SplitVCursor);
        else Surface()->unsetCursor();
    }
    TCustomControlOf<QAbstractScrollArea>::MouseMove(Shift, X, Y);
}

void TStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    const TGridState state = FGridState;
    // The sizing state lasts while the new size is set, so the size notices know a user sized.
    if (state == gsColSizing && FSizingIndex >= 0) SetColWidths(FSizingIndex, std::max(0, X - FSizingEdge));
    else if (state == gsRowSizing && FSizingIndex >= 0) SetRowHeights(FSizingIndex, std::max(0, Y - FSizingEdge));
    FGridState = gsNormal;
    if (state == gsColMoving || state == gsRowMoving) {
        const TGridCoord cell = MouseCoord(X, Y);
        if (state == gsColMoving && cell.X >= FixedCols()) MoveColumn(FMoveIndex, cell.X);
        if (state == gsRowMoving && cell.Y >= FixedRows()) MoveRow(FMoveIndex, cell.Y);
    }
    FSizingIndex = -1;
    FMoveIndex = -1;
    TCustomControlOf<QAbstractScrollArea>::MouseUp(Button, Shift, X, Y);
}

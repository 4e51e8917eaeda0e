// What the grid adds to the control's mouse-down and mouse-up methods, which the press and
// release handlers reach through their inherited handling: editing a range, the fixed
// drop-down button, the fixed-cell editors, the filter glyph, cancelling a sizing drag
// released beyond the edge, and the disjunct cell selection.

#include "grid/core/string_grid.h"

#include "platform/popup_menu.h"

namespace {

constexpr int kFixedButtonWidth = 16;
// A press this far inside a fixed cell opens its editor instead of sizing its border.
constexpr int kFixedEditInset = 4;
constexpr int kFilterGlyphHeight = 19;
constexpr int kFilterGlyphRightMargin = 3;

bool InsideInset(TRect Cell, int X, int Y) {
    return TRect{Cell.Left + kFixedEditInset, Cell.Top + kFixedEditInset, Cell.Right - kFixedEditInset,
                 Cell.Bottom - kFixedEditInset}
        .Contains({X, Y});
}

}  // namespace

void TExStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    int col = -1;
    int row = -1;
    MouseToCell(X, Y, col, row);
    const bool valid = col >= 0 && row >= 0;
    if (FMouseActions->RangeSelectAndEdit() && Button == mbLeft && !FMouseActions->EditOnDblClickOnly()) {
        const bool current = col == Col() && row == Row();
        if (current && valid && !Options().Contains(goEditing) && IsEditable(RealColIndex(col), row)) {
            SetOptions(Options().Include(goEditing));
            TBaseGrid::MouseDown(Button, Shift, X, Y);
            ShowInplaceEdit();
            return;
        }
        if (!current && Options().Contains(goEditing) && Shift.Contains(ssShift)) {
            SetOptions(Options().Exclude(goEditing));
            TBaseGrid::MouseDown(Button, Shift, X, Y);
            return;
        }
    }
    const TRect cell = valid ? CellRect(col, row) : TRect{};
    if (valid) {
        const int margin = Options().Contains(goColSizing) ? 2 : 0;
        if (X > cell.Right - kFixedButtonWidth && X < cell.Right - margin && IsHoverFixedCell(col, row) &&
            FControlLook->FixedDropDownButton) {
            FDropDownDown = true;
            bool keepHighlighted = false;
            if (FFixedDropDownMenu || OnFixedDropDownClick) {
                FNoMouseLeave = true;
                TPopupMenu* menu = FFixedDropDownMenu;
                if (OnFixedDropDownClick) OnFixedDropDownClick(this, col, row, menu, keepHighlighted);
                if (menu) {
                    FMouseDownMove = false;
                    SetHoverFixedCell(col, row);
                    InvalidateCell(col, row);
                    const QPoint at = Surface()->mapToGlobal(QPoint(cell.Right - kFixedButtonWidth, cell.Bottom));
                    menu->Popup(at.x(), at.y());
                    SetHoverFixedCell(-1, -1);
                    InvalidateCell(col, row);
                }
                FNoMouseLeave = keepHighlighted;
            }
            return;
        }
        if (IsHoverFixedCell(col, row) && FControlLook->FixedGradientDownFrom != clNone &&
            row == TStringGrid::FixedRows() - 1)
            InvalidateCell(col, row);
    }
    FEditStart = true;
    TBaseGrid::MouseDown(Button, Shift, X, Y);
    FEditStart = false;
    if (Shift.Contains(ssShift) && FSelectionRectangle) InvalidateGrid();
    if (valid) {
        const bool fixedRow = row < TStringGrid::FixedRows();
        const bool fixedCol = col < TStringGrid::FixedCols();
        const TGridFixedCellEdit rowsEdit = FMouseActions->FixedRowsEdit();
        const TGridFixedCellEdit colsEdit = FMouseActions->FixedColsEdit();
        const bool inside = InsideInset(cell, X, Y);
        const bool opens =
            (rowsEdit == fceLeftClick && Button == mbLeft && fixedRow && (!Options().Contains(goColSizing) || inside)) ||
            (colsEdit == fceLeftClick && Button == mbLeft && fixedCol && (!Options().Contains(goRowSizing) || inside)) ||
            (rowsEdit == fceRightClick && Button == mbRight && fixedRow) ||
            (colsEdit == fceRightClick && Button == mbRight && fixedCol);
        if (opens) {
            ShowFixedCellEditor(col, row);
            return;
        }
    }
    SyncOtherGrid();
}

void TExStringGrid::SyncOtherGrid() {
    TExStringGrid* other = FSyncGrid->Grid();
    if (!other) return;
    if (FSyncGrid->SelectionColumn()) other->SetCol(Col());
    if (FSyncGrid->SelectionRow()) other->SetRow(Row());
}

void TExStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (InDesignMode()) {
        TBaseGrid::MouseUp(Button, Shift, X, Y);
        DesignHelperClick(X, Y);
        return;
    }
    const TGridRect selectionBefore = Selection();
    int col = -1;
    int row = -1;
    MouseToCell(X, Y, col, row);
    const bool valid = col >= 0 && row >= 0;
    const int realCol = valid ? RealColIndex(col) : -1;
    // The filter glyph in the header cell's top-right corner; a click elsewhere, or on the
    // glyph of the column whose list is open, closes the plain list.
    bool filterOpened = false;
    if (valid && row == FFilterDropDownRow && realCol != FFilterCol) {
        const TRect cell = CellRect(col, row);
        if (X > cell.Right - kFixedButtonWidth && Y < cell.Top + kFilterGlyphHeight &&
            X < cell.Right - kFilterGlyphRightMargin && GetColumnFilter(RealCol(realCol))) {
            OpenFilterDropDown(col, row, realCol);
            filterOpened = true;
        }
    }
    if (!filterOpened) HideFilterDropDown();
    FDropDownDown = false;
    // Released beyond the edge: the sizing is cancelled and the size stays.
    if ((X > Surface()->width() && GridState() == gsColSizing) ||
        (Y > Surface()->height() && GridState() == gsRowSizing)) {
        SetGridState(gsNormal);
        return;
    }
    if (FMouseActions->DisjunctCellSelect() && Button == mbLeft && valid && !SelectDisjunctCell(col, row, Shift))
        return;
    if (GridState() == gsColMoving && Button == mbRight) return;
    const bool moving = GridState() == gsColMoving || GridState() == gsRowMoving;
    TBaseGrid::MouseUp(Button, Shift, X, Y);
    if (moving) EndMoveFeedback();
    if (valid && IsHoverFixedCell(col, row) && FControlLook->FixedGradientDownFrom != clNone &&
        row == TStringGrid::FixedRows() - 1)
        InvalidateCell(col, row);
    const TGridRect selection = Selection();
    if (!(selection == selectionBefore))
        SelectionChanged(selection.Left, selection.Top, selection.Right, selection.Bottom);
}

bool TExStringGrid::SelectDisjunctCell(int ACol, int ARow, TShiftState Shift) {
    int baseCol = ACol;
    int baseRow = ARow;
    ResolveBaseCell(ACol, ARow, baseCol, baseRow);
    auto isFixedCell = [this](int c, int r) { return c < TStringGrid::FixedCols() || r < TStringGrid::FixedRows(); };
    auto repaintListed = [this] {
        for (const TGridCoord& cell : FSelectedCells) InvalidateCell(cell.X, cell.Y);
    };
    if (!isFixedCell(baseCol, baseRow)) {
        bool canSelect = true;
        if (OnSelectCell) OnSelectCell(this, baseCol, baseRow, canSelect);
        if (!canSelect) return false;
        if (Shift.Contains(ssShift)) {
            SetSelectedCells(ACol, ARow, true);
        } else if (Shift.Contains(ssCtrl)) {
            SetSelectedCells(baseCol, baseRow, !SelectedCells(baseCol, baseRow));
        } else {
            repaintListed();
            ClearSelectedCells();
            SetSelectedCells(baseCol, baseRow, true);
        }
    } else if (!Shift.Contains(ssCtrl) && !isFixedCell(ACol, ARow)) {
        ClearSelectedCells();
        InvalidateGrid();
    }
    const TGridRect selection = Selection();
    if (selection.Left == selection.Right && selection.Top == selection.Bottom) {
        InvalidateCell(selection.Left, selection.Top);
        return true;
    }
    for (int c = selection.Left; c <= selection.Right; ++c)
        for (int r = selection.Top; r <= selection.Bottom; ++r)
            if (!(c == baseCol && r == baseRow) && !IsSelected(c, r)) SetSelectedCells(c, r, true);
    repaintListed();
    InvalidateCell(ACol, ARow);
    return true;
}

// SelectCell: asked before every move of the current cell. It keeps goEditing in step
// with the target cell, closes an open editor (which stores and validates its text) and
// asks the row, column and cell changing events.

#include "grid/core/string_grid.h"

bool TExStringGrid::SelectCell(int ACol, int ARow) {
    if (FForceSel) {
        if (!FRowIndicator.isNull() && FixedCols() > 0) {
            RepaintCell(0, Row());
            RepaintCell(0, ARow);
        }
        return true;
    }
    bool allow = true;
    bool result = false;
    if (ACol < 0 || ARow < 0) return false;
    FEditText = Cells(RealColIndex(ACol), ARow);
    if (!Options().Contains(goRangeSelect) && IsMergedNonBaseCell(RealColIndex(ACol), ARow)) {
        const TPoint base = BaseCell(RealColIndex(ACol), ARow);
        MoveColRow(DisplColIndex(base.X), base.Y, true, true);
        RepaintCell(DisplColIndex(base.X), base.Y);
        if (FMouseActions->DirectEdit() ||
            (FControlLook->DropDownAlwaysVisible && CellHasComboBox(RealCol(base.X), DisplRow(base.Y))))
            ShowEditor();
        return false;
    }
    if (ACol == 0 && FNumNodes > 0 && !Options().Contains(goRowSelect)) return false;
    if (FUseEnabledRows && FNavigation->SkipDisabledRows() && !RowEnabled(ARow)) return false;

    const int RCol = RealColIndex(ACol);
    QString cellText = Cells(RCol, ARow);
    const bool plainFocused = InplaceEditor() && InplaceEditor()->hasFocus();
    const bool editingOn = Options().Contains(goEditing);
    if (HasClickableObject(RCol, ARow)) {
        bool canEdit = true;
        CanEditBaseCell(RealCol(RCol), DisplRow(ARow), canEdit);
        if (!FEditDisable) FEditDisable = !canEdit && (editingOn || FMouseActions->RangeSelectAndEdit());
        if (!editingOn && !Options().Contains(goRowSelect) && canEdit) {
            FEditChange = true;
            SetOptions(Options() + TGridOptions{goEditing});
        }
    } else {
        bool canEdit = editingOn || FEditDisable;
        CanEditBaseCell(RealCol(RCol), DisplRow(ARow), canEdit);
        if (canEdit && FMouseActions->DirectEdit()) {
            EditControl = DefaultEditor();
            if (HasNoEditor(RealCol(RCol), DisplRow(ARow))) canEdit = false;
        }
        if (canEdit && FMouseActions->EditOnDblClickOnly()) canEdit = false;
        if (canEdit) {
            FEditDisable = false;
            if (!editingOn) {
                FEditChange = true;
                if (!FEditing) RememberEditCell(ACol, ARow);
                if (Options().Contains(goRowSelect) && FMouseActions->RangeSelectAndEdit())
                    SetOptions(Options() - TGridOptions{goRowSelect});
                SetOptions(Options() + TGridOptions{goEditing});
            }
        }
        if (FEditing) {
            HideInplaceEdit();
            cellText = Cells(RCol, ARow);
            // A refusal reopened the editor on the edited cell: the move does not happen.
            if (FEditing && !FLastValidation) return false;
        }
        if (!canEdit && Options().Contains(goEditing)) {
            FEditMode = false;
            FEditDisable = true;
            FEditChange = true;
            SetOptions(Options() - TGridOptions{goEditing});
        }
    }
    const bool editingNow = FEditing && !(InplaceEditor() && InplaceEditor()->hasFocus());
    if (!FEditing || plainFocused) {
        DoCellChanging(ACol, ARow, allow);
        if (IsFixed(ACol, ARow) || !allow)
            result = allow && Options().Contains(goRowSelect) ? true : (FixedRowAlways() && RowCount() == FixedRows());
        else
            result = TBaseGrid::SelectCell(ACol, ARow);
    } else if (editingNow) {
        const QString saved = FCellCache;
        result = ValidateCell(Cells(RealColIndex(FOldCol >= 0 ? FOldCol : Col()), FOldRow >= 0 ? FOldRow : Row()));
        DoCellChanging(ACol, ARow, allow);
        if (!allow) result = false;
        if (result) result = TBaseGrid::SelectCell(ACol, ARow);
        else cellText = saved;
    }
    if (!FRowIndicator.isNull() && FixedCols() > 0) {
        RepaintCell(0, Row());
        RepaintCell(0, ARow);
    }
    FCellCache = cellText;
    return result;
}

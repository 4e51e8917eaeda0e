// The least forms of the editing operations the keyboard, the Tab walk and the mouse
// call, until the editing work brings the whole of them: the editability of a cell,
// opening and closing the base control's editor, the cell-selection check that keeps
// goEditing in step with the target cell, a simulated click and the remembered cell.

#include "grid/core/string_grid.h"

bool TExStringGrid::IsEditable(int ACol, int ARow) {
    if (!Options().Contains(goEditing) && !FMouseActions->RangeSelectAndEdit() && !FEditDisable) return false;
    if (IsFixed(DisplColIndex(ACol), ARow)) return false;
    bool canEdit = true;
    CanEditBaseCell(RealCol(ACol), DisplRow(ARow), canEdit);
    return canEdit;
}

void TExStringGrid::ShowInplaceEdit() {
    if (HasClickableObject(RealColIndex(Col()), Row())) return;
    if (Row() < TopRow()) SetTopRow(Row());
    if (Col() < LeftCol()) SetLeftCol(Col());
    ShowEditor();
}

void TExStringGrid::HideInplaceEdit() {
    if (EditControl == edComboEdit || EditControl == edComboList) {
        HideComboCellEditor();
        return;
    }
    if (!EditorMode()) return;
    HideEditor();
}

void TExStringGrid::SimulateCellClick(int ACol, int ARow) {
    const TRect cell = CellRect(ACol, ARow);
    FForceSel = true;
    const TMouseEvent down = std::exchange(OnMouseDown, nullptr);
    const TMouseEvent up = std::exchange(OnMouseUp, nullptr);
    MouseDown(mbLeft, {}, cell.Left + 2, cell.Top + 2);
    MouseUp(mbLeft, {}, cell.Left + 2, cell.Top + 2);
    OnMouseDown = down;
    OnMouseUp = up;
    FForceSel = false;
}

void TExStringGrid::RememberEditCell(int ACol, int ARow) {
    FOldCol = ACol;
    FOldRow = ARow;
    FOldCellText = GetGridCell(RealColIndex(ACol), ARow);
}

bool TExStringGrid::SelectCell(int ACol, int ARow) {
    if (FForceSel) return true;
    if (ACol < 0 || ARow < 0) return false;
    const int RCol = RealColIndex(ACol);
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
        if (canEdit && FMouseActions->EditOnDblClickOnly()) canEdit = false;
        if (canEdit) {
            FEditDisable = false;
            if (!editingOn) {
                FEditChange = true;
                RememberEditCell(ACol, ARow);
                if (Options().Contains(goRowSelect) && FMouseActions->RangeSelectAndEdit())
                    SetOptions(Options() - TGridOptions{goRowSelect});
                SetOptions(Options() + TGridOptions{goEditing});
            }
        } else if (editingOn) {
            HideInplaceEdit();
            FEditDisable = true;
            FEditChange = true;
            SetOptions(Options() - TGridOptions{goEditing});
        }
    }
    return TBaseGrid::SelectCell(ACol, ARow);
}

// Whether a cell may be edited, which editor kind it gets, and the editing gate the base
// control asks before it shows its plain edit.

#include "grid/core/string_grid.h"

bool TExStringGrid::IsPlainEditorKind(TEditorType Kind) {
    switch (Kind) {
    case edNormal:
    case edNumeric:
    case edPositiveNumeric:
    case edFloat:
    case edCapital:
    case edMixedCase:
    case edPassword:
    case edLowerCase:
    case edUpperCase:
    case edValidChars:
    case edPositiveFloat: return true;
    default: return false;
    }
}

TEditorType TExStringGrid::CellEditorKind(int ACol, int ARow) {
    TEditorType kind = DefaultEditor();
    const TPoint base = BaseCell(ACol, ARow);
    GetCellEditorTypeEx(RealCol(base.X), DisplRow(base.Y), kind);
    return kind;
}

bool TExStringGrid::IsEditableCell(int ACol, int ARow) {
    const TPoint base = BaseCell(ACol, ARow);
    bool canEdit = true;
    CanEditBaseCell(RealCol(base.X), DisplRow(base.Y), canEdit);
    // The fixed columns are counted on the screen, so the fixed test takes the displayed one.
    bool fixed = false;
    IsFixedCell(DisplCol(DisplColIndex(base.X)), DisplRow(base.Y), fixed);
    return canEdit && !fixed;
}

bool TExStringGrid::IsEditable(int ACol, int ARow) {
    if (!Options().Contains(goEditing) && !FMouseActions->RangeSelectAndEdit() && !FEditDisable) return false;
    return IsEditableCell(ACol, ARow);
}

namespace {

// The special kinds whose editor exists on this grid; the others open nothing, and an
// edit mode without a visible editor would swallow the keys.
bool HasSpecialEditor(TEditorType Kind) {
    return Kind == edComboEdit || Kind == edComboList || Kind == edRichEdit || TExStringGrid::IsSpinKind(Kind) ||
           TExStringGrid::IsEditBtnKind(Kind) || TExStringGrid::IsUnitKind(Kind) || Kind == edCheckBox ||
           Kind == edButton || Kind == edCustom || TExStringGrid::IsDateEditorKind(Kind) ||
           TExStringGrid::IsDropDownEditorKind(Kind);
}

}  // namespace

bool TExStringGrid::CanEditShow() {
    if (FValidating) return false;
    bool ret = TBaseGrid::CanEditShow();
    if (InDesignMode()) return ret;
    const TPoint base = BaseCell(RealColIndex(Col()), Row());
    if (ret && !FEditMode && HasClickableObject(base.X, base.Y)) return false;
    if (ret && !FEditMode) {
        FNoEditChange = true;
        FCellCache = CurrentCell();
        EditControl = CellEditorKind(base.X, base.Y);
        if (EditControl == edNone) return false;
        const bool plain = IsPlainEditorKind(EditControl);
        if (!plain && !HasSpecialEditor(EditControl)) return false;
        // A custom cell without a link would leave the grid editing with no editor shown.
        if (EditControl == edCustom && !FEditLink) return false;
        // The text before the edit is the one validation compares with, whichever way the
        // cell became current (arrow keys do not remember it).
        if (!FEditing) RememberEditCell(Col(), Row());
        FEditMode = true;
        FEditDoneReported = false;
        if (plain) {
            FShowEditProcess = true;
        } else {
            ShowCellEditor(DisplColIndex(base.X), base.Y);
            FEntered = true;
            if (FFocusHelper->Enabled()) ShowFocusWindow(CellRect(Col(), Row()));
            ret = false;
        }
    }
    if (ret) {
        FEntered = true;
        FEditing = true;
        if (FFocusHelper->Enabled()) ShowFocusWindow(CellRect(Col(), Row()));
    }
    return ret;
}

// Validation of an edited cell: remembering the text from before the edit, asking
// OnCellValidate once per edit, and what a refusal does (the cell gets the handler's
// corrected text or its earlier one, the editor reopens there, the balloon tells why).

#include "grid/core/grid_undo_redo.h"
#include "grid/core/string_grid.h"
#include "grid/data/ex_string_grid_check.h"
#include "grid/edit/edit_balloon.h"

void TExStringGrid::RememberEditCell(int ACol, int ARow) {
    FOldCol = ACol;
    FOldRow = ARow;
    FOldCellText = GetGridCell(RealColIndex(ACol), ARow);
    FOldModifiedValue = FModified;
}

bool TExStringGrid::EditorWantsTab() const {
    return Options().Contains(goTabs) || OnCellValidate || OnCellValidateWide;
}

void TExStringGrid::DoCellChanging(int NewCol, int NewRow, bool& Allow) {
    if (NewRow != Row() && OnRowChanging) OnRowChanging(this, Row(), NewRow, Allow);
    if (NewCol != Col() && OnColChanging) OnColChanging(this, Col(), NewCol, Allow);
    if (NewCol == Col() && NewRow == Row()) return;
    if (!FDisableChange && OnCellChanging) OnCellChanging(this, Row(), Col(), NewRow, NewCol, Allow);
}

bool TExStringGrid::ValidateCell(const QString& NewValue) {
    if (!FEditing || FValidating) return true;
    FEditing = false;
    FValidating = true;
    bool valid = true;
    const int ACol = RealColIndex(FOldCol);
    const int ARow = FOldRow;
    FNewCellText = NewValue;
    // The cell may be gone when a handler removed rows while the editor was open.
    const bool cellExists = ARow >= 0 && ARow < RowCount() && FOldCol >= 0 && FOldCol < ColCount();
    try {
        if (cellExists && (NewValue != FOldCellText || AlwaysValidate())) {
            const bool changed = NewValue != FOldCellText;
            const bool advanceOnEnter = FNavigation->AdvanceOnEnter();
            FNavigation->SetAdvanceOnEnter(false);
            QString value = NewValue;
            // The checker's correction is what the handler sees; its marks come after the
            // handler, accepted or not, on the corrected text.
            if (FCellChecker && FCellChecker->AutoCorrect()) value = FCellChecker->Correct(ACol, ARow, value);
            if (OnCellValidate) OnCellValidate(this, ACol, ARow, value, valid);
            if (FCellChecker && FCellChecker->AutoMarkError()) value = FCellChecker->MarkError(ACol, ARow, value);
            FNavigation->SetAdvanceOnEnter(advanceOnEnter);
            // A refusal that puts the earlier text back changes nothing: no modified mark.
            const QString stored = valid || value != NewValue ? value : FOldCellText;
            if (stored != FOldCellText) {
                FGridModified = true;
                if (FixedCols() > 0 && Row() < RowCount()) {
                    SetRowModified(Row(), true);
                    if (FShowModified->Enabled) RepaintCell(0, Row());
                }
            }
            if (valid) UpdateFooterColumn(ACol);
            if (valid && UndoRedo() && value != FOldCellText)
                UndoRedo()->RegisterChange(ACol, ARow, FOldCellText, value);
            if (valid && changed) DoCellsChanged(Rect(ACol, ARow, ACol, ARow));
            FNewCellText = value;
            if (valid) {
                SetCells(ACol, ARow, value);
                const TPoint base = BaseCell(ACol, ARow);
                if (base.X != ACol || base.Y != ARow) SetCells(base.X, base.Y, value);
            } else {
                FLastValidation = false;
                const QString restored = value != NewValue ? value : FOldCellText;
                FNewCellText = restored;
                HideEditor();
                if (FSpecialEditor) HideCellEditor(FOldCol, FOldRow);
                SetCells(ACol, ARow, restored);
                MoveColRow(FOldCol, FOldRow, true, true);
                FValidating = false;
                FModified = FOldModifiedValue;
                if (FReopenAfterRefusal) {
                    FEditing = true;
                    ShowInplaceEdit();
                    ShowInvalidEntryBalloon();
                }
            }
            FOldCellText = GetGridCell(ACol, ARow);
        }
    } catch (...) {
        RememberEditCell(Col(), Row());
        FValidating = false;
        throw;
    }
    RememberEditCell(Col(), Row());
    FValidating = false;
    if (valid) HideFocusWindow();
    return valid;
}

void TExStringGrid::ShowInvalidEntryBalloon() {
    if (InvalidEntryTitle().isEmpty() && InvalidEntryText().isEmpty()) return;
    QWidget* at = FSpecialEditor || !FEditMode ? FEditCtrl : InplaceEditor();
    if (!at || !at->isVisible()) return;
    if (!FInvalidEntryBalloon) FInvalidEntryBalloon = new TEditBalloon(this);
    FInvalidEntryBalloon->ShowAt(at, InvalidEntryTitle(), InvalidEntryText(), InvalidEntryIcon());
}

bool TExStringGrid::PlainEditRefusesEnter() {
    TInplaceEdit* edit = InplaceEditor();
    if (!FEditMode || FSpecialEditor || !FEditing || !edit || !edit->hasFocus()) return false;
    if (ValidateCell(edit->Text())) {
        if (FEditMode) edit->SetText(FNewCellText);
        return false;
    }
    return true;
}

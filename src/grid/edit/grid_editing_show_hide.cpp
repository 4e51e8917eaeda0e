// Opening and closing editors: the special editors by kind, the road from code
// (ShowInplaceEdit, HideInplaceEdit), the end of an edit after a key an editor gave up,
// and the editing-done notification with its posted "GridEditDone".

#include "grid/core/string_grid.h"
#include "grid/view/grid_edit_done_event.h"
#include "platform/messages.h"

#include <QKeyEvent>
#include <utility>

void TExStringGrid::ShowCellEditor(int ACol, int ARow) {
    FEditing = true;
    FSpecialEditor = true;
    FEditActive = true;
    FEditCtrl = nullptr;
    if (EditControl != edCustom) FLastValidation = true;
    if (EditControl == edComboEdit || EditControl == edComboList) ShowComboCellEditor(ACol, ARow);
    if (EditControl == edRichEdit) ShowRichCellEditor(ACol, ARow);
    if (IsDateEditorKind(EditControl)) ShowDateCellEditor(ACol, ARow);
    if (IsSpinKind(EditControl)) ShowSpinCellEditor(ACol, ARow);
    if (IsEditBtnKind(EditControl)) ShowEditBtnCellEditor(ACol, ARow);
    if (IsUnitKind(EditControl)) ShowUnitCellEditor(ACol, ARow);
    if (EditControl == edCheckBox) ShowCheckBoxCellEditor(ACol, ARow);
    if (EditControl == edButton) ShowButtonCellEditor(ACol, ARow);
    if (EditControl == edCustom) ShowCustomCellEditor(ACol, ARow);
    if (IsDropDownEditorKind(EditControl)) ShowDropDownCellEditor(ACol, ARow);
    FStartEditChar = QChar();
}

void TExStringGrid::HideCellEditor(int ACol, int ARow) {
    if (ComponentState().Contains(csDestroying)) return;
    FSpecialEditor = false;
    FBlockKill = true;
    FStartEditChar = QChar();
    if (EditControl == edComboEdit || EditControl == edComboList) {
        HideComboCellEditor();
        FEditMode = false;
    }
    if (EditControl == edRichEdit) HideRichCellEditor(ACol, ARow);
    if (IsDateEditorKind(EditControl)) HideDateCellEditor(ACol, ARow);
    if (IsSpinKind(EditControl)) HideSpinCellEditor(ACol, ARow);
    if (IsEditBtnKind(EditControl)) HideEditBtnCellEditor(ACol, ARow);
    if (IsUnitKind(EditControl)) HideUnitCellEditor(ACol, ARow);
    if (EditControl == edCheckBox || EditControl == edButton) HideCheckBoxOrButtonCellEditor();
    if (EditControl == edCustom) HideCustomCellEditor(ACol, ARow);
    if (IsDropDownEditorKind(EditControl)) HideDropDownCellEditor(ACol, ARow);
    if (EditControl != edNormal && FEditActive) DoEditingDone(RealColIndex(ACol), ARow);
    FBlockKill = false;
    FEditActive = false;
}

void TExStringGrid::ShowCellEdit() {
    QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    keyPressEvent(&f2);
}

void TExStringGrid::ShowInplaceEdit() {
    if (HasClickableObject(RealColIndex(Col()), Row())) return;
    if (Row() < TopRow()) SetTopRow(Row());
    if (Col() < LeftCol()) SetLeftCol(Col());
    FEditText = Cells(RealColIndex(Col()), Row());
    ShowEditor();
}

void TExStringGrid::HideInplaceEdit() {
    if (!FEditMode) return;
    HideEditor();
    HideCellEditor(Col(), Row());
    FEditMode = false;
    SelectCell(Col(), Row());
}

void TExStringGrid::EndEditBeforeLinesMove() {
    HideEditor();
    if (FEditMode && FSpecialEditor) HideInplaceEdit();
}

void TExStringGrid::PlainEditorHidden() {
    // A move, a scroll or a change of rows closed the plain edit without HideInplaceEdit.
    if (!FSpecialEditor) FEditMode = false;
}

void TExStringGrid::DoneInplaceEdit(WORD Key, TShiftState Shift) {
    FBlockFocus = true;
    FEditing = false;
    HideInplaceEdit();
    if (FNavigation->AppendOnArrowDown() && Key == VK_DOWN && IsLastDataRow()) AutoAddRow();
    if (Key == VK_TAB || (Key >= VK_LEFT && Key <= VK_DOWN)) {
        TWMKey down{WM_KEYDOWN, Key, 0, Shift, 0};
        WMKeyDown(down);
    }
    const bool alwaysEdit = FNavigation->AlwaysEdit();
    FNavigation->SetAlwaysEdit(false);
    setFocus(Qt::OtherFocusReason);
    if (Key == VK_RETURN) AdvanceAfterEdit(Col(), Row(), false, true, true, false, false);
    FNavigation->SetAlwaysEdit(alwaysEdit);
    FBlockFocus = false;
}

void TExStringGrid::DoEditingDone(int ACol, int ARow) {
    if (FEditDoneReported) return;
    FEditDoneReported = true;
    if (OnEditingDone) OnEditingDone(this);
    FEditMode = false;
    PostGridEditDone(this, ACol, ARow);
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

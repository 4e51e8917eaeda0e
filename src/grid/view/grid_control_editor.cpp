// Editing the form controls of a cell's markup (CONTROL tags of type EDIT, PASSWORD,
// MASK and COMBO) in place: an editor over the control, and its text written back into
// the tag's VALUE when the editor is left, every other byte of the cell kept.

#include "grid/core/string_grid.h"
#include "grid/view/grid_control_editors.h"
#include "grid/view/markup_control_tags.h"

#include <QFocusEvent>
#include <algorithm>
#include <QLineEdit>

void TControlCombo::showPopup() {
    FListOpen = true;
    TComboBox::showPopup();
}

void TControlCombo::hidePopup() {
    TComboBox::hidePopup();
    FListOpen = false;
}

void TControlCombo::focusOutEvent(QFocusEvent* event) {
    TComboBox::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && !FListOpen && OnExit) OnExit(this);
}

namespace {
bool IsEditBoxType(const QString& CtrlType) {
    return CtrlType == QLatin1String("EDIT") || CtrlType == QLatin1String("PASSWORD") ||
           CtrlType == QLatin1String("MASK");
}
}  // namespace

void TExStringGrid::ShowControlEditor(const QString& CellText, const QString& CtrlType, int ARow, int RCol, int ACol,
                                      TRect CtrlRect, const QString& CtrlValue, const QString& CtrlID) {
    if (!IsEditBoxType(CtrlType) && CtrlType != QLatin1String("COMBO")) return;
    FCtrlXY = {RCol, ARow};
    FCtrlID = CtrlID;
    FCtrlType = CtrlType;
    FCtrlEditing = true;
    if (CtrlType == QLatin1String("COMBO"))
        ShowControlComboBox(CellText, CtrlType, ARow, ACol, CtrlRect, CtrlValue, CtrlID);
    else
        ShowControlEditBox(CellText, CtrlType, CtrlRect, CtrlValue, CtrlID);
}

void TExStringGrid::ShowControlEditBox(const QString& CellText, const QString& CtrlType, TRect CtrlRect,
                                       const QString& CtrlValue, const QString& CtrlID) {
    if (!FEditControl) {
        FEditControl = new TControlEdit(this, viewport());
        FEditControl->setObjectName(QStringLiteral("FEditControl"));
        FEditControl->OnExit = [this](TObject* Sender) { ControlEditDone(Sender); };
    }
    TControlEdit* edit = FEditControl;
    edit->SetWidth(0);
    edit->SetPasswordChar(CtrlType == QLatin1String("PASSWORD") ? QChar(u'*') : QChar());
    edit->SetEditMask(CtrlType == QLatin1String("MASK") ? GetControlTagProp(CellText, CtrlID) : QString());
    edit->SetMaxLength(GetControlTagMaxLen(CellText, CtrlID));
    edit->SetText(CtrlValue);
    edit->setFrame(false);
    edit->SetBounds(CtrlRect.Left + 1, CtrlRect.Top + 8, CtrlRect.Right - CtrlRect.Left - 4, 14);
    edit->Show();
    edit->BringToFront();
    edit->SetFocus();
}

void TExStringGrid::ShowControlComboBox(const QString& CellText, const QString& CtrlType, int ARow, int ACol,
                                        TRect CtrlRect, const QString& CtrlValue, const QString& CtrlID) {
    if (!FComboControl) {
        FComboControl = new TControlCombo(this, viewport());
        FComboControl->setObjectName(QStringLiteral("FComboControl"));
        FComboControl->OnExit = [this](TObject* Sender) { ControlEditDone(Sender); };
        QObject::connect(FComboControl, &QComboBox::activated, this, [this] { ControlComboSelect(FComboControl); });
    }
    TControlCombo* combo = FComboControl;
    combo->SetWidth(0);
    bool edit = true;
    int dropCount = 8;
    TStringList values;
    if (OnControlComboList) OnControlComboList(this, ARow, ACol, CtrlID, CtrlType, CtrlValue, &values, edit, dropCount);
    combo->clear();
    for (int i = 0; i < values.Count(); ++i) combo->addItem(values.Strings(i));
    combo->SetStyle(edit ? csDropDown : csDropDownList);
    combo->SetBounds(CtrlRect.Left - 1, CtrlRect.Top + 4, CtrlRect.Right - CtrlRect.Left, combo->sizeHint().height());
    // A value outside the list still shows: typed in an editable box, as the list's
    // placeholder otherwise (and it stays the value unless an item is chosen).
    combo->setCurrentIndex(combo->findText(CtrlValue, Qt::MatchExactly));
    combo->setPlaceholderText(CtrlValue);
    combo->SetText(CtrlValue);
    combo->setMaxVisibleItems(std::max(1, dropCount));
    if (combo->lineEdit()) {
        const int maxLength = GetControlTagMaxLen(CellText, CtrlID);
        combo->lineEdit()->setMaxLength(maxLength > 0 ? maxLength : 32767);
    }
    combo->Show();
    combo->BringToFront();
    combo->SetFocus();
    combo->showPopup();
}

void TExStringGrid::ControlComboSelect(TObject* /*Sender*/) {
    if (!OnControlComboSelect || !FComboControl) return;
    const int index = FComboControl->currentIndex();
    OnControlComboSelect(this, FCtrlXY.Y, FCtrlXY.X, index, FCtrlID, FComboControl->itemText(index));
}

void TExStringGrid::ControlEditDone(TObject* /*Sender*/) {
    if (!FCtrlEditing) return;
    FCtrlEditing = false;
    QString value;
    if (IsEditBoxType(FCtrlType) && FEditControl) {
        value = FEditControl->Text();
        FEditControl->Hide();
    } else if (FCtrlType == QLatin1String("COMBO") && FComboControl) {
        const bool listWithoutChoice = !FComboControl->isEditable() && FComboControl->currentIndex() < 0;
        value = listWithoutChoice ? FComboControl->placeholderText() : FComboControl->currentText();
        FComboControl->hidePopup();
        FComboControl->Hide();
    } else {
        return;
    }
    QString cellText = Cells(FCtrlXY.X, FCtrlXY.Y);
    if (SetControlTagValue(cellText, FCtrlID, value)) SetCells(FCtrlXY.X, FCtrlXY.Y, cellText);
    if (OnControlEditDone) OnControlEditDone(this, FCtrlXY.Y, FCtrlXY.X, FCtrlID, FCtrlType, value);
    FCtrlType.clear();
}

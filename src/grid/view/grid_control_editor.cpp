// Editing the form controls of a cell's markup (CONTROL tags of type EDIT, PASSWORD,
// MASK and COMBO) in place: an editor over the control, and its text written back into
// the tag's VALUE when the editor is left, every other byte of the cell kept.

#include "grid/core/string_grid.h"
#include "grid/view/grid_control_editors.h"
#include "grid/view/markup_control_tags.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <functional>

namespace {

// Enter or Tab typed in a form-control editor owned by a grid: the editor ends and the
// grid goes on. False for other keys or without a grid.
bool EndControlEditByKey(QWidget* Editor, const std::function<void()>& Exit, QChar Key) {
    const bool tab = Key == QChar(9);
    if (!tab && Key != QChar(13)) return false;
    auto* grid = dynamic_cast<TExStringGrid*>(dynamic_cast<TComponent*>(Editor)->Owner());
    if (!grid) return false;
    Exit();
    grid->ControlEditorKey(tab);
    return true;
}

}  // namespace

void TControlEdit::CMWantSpecialKey(TMessage& Message) {
    const WORD key = WORD(Message.WParam);
    // Enter is left to the window's default button first; Tab stays here.
    if (key == VK_RETURN) Message.Result = 0;
    else if (key == VK_TAB) Message.Result = 1;
    else TCustomMaskEdit::CMWantSpecialKey(Message);
}

void TControlEdit::KeyPress(QChar& Key) {
    if (EndControlEditByKey(this, [this] { DoExit(); }, Key)) {
        Key = QChar();
        return;
    }
    TCustomMaskEdit::KeyPress(Key);
}

void TControlCombo::showPopup() {
    FListOpen = true;
    TAsgComboBox::showPopup();
}

void TControlCombo::hidePopup() {
    TAsgComboBox::hidePopup();
    FListOpen = false;
}

bool TControlCombo::event(QEvent* event) {
    // The combo claims Tab, past the focus chain.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return TAsgComboBox::event(event);
}

void TControlCombo::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QChar key = event->key() == Qt::Key_Tab ? QChar(9) : enter ? QChar(13) : QChar();
    // Enter in the open list chooses its item first.
    if (enter && FListOpen) hidePopup();
    if (!key.isNull() && EndControlEditByKey(this, [this] { if (OnExit) OnExit(this); }, key)) {
        event->accept();
        return;
    }
    TAsgComboBox::keyPressEvent(event);
}

void TControlCombo::focusOutEvent(QFocusEvent* event) {
    TAsgComboBox::focusOutEvent(event);
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

void TExStringGrid::ControlEditDone(TObject* Sender) {
    if (!FCtrlEditing) return;
    // An editor left by Enter or Tab loses the focus only once the next editor takes it:
    // that late exit ends nothing.
    const bool senderOpen = (Sender == FEditControl && IsEditBoxType(FCtrlType)) ||
                            (Sender == FComboControl && FCtrlType == QLatin1String("COMBO"));
    if (!senderOpen) return;
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

void TExStringGrid::ControlEditorKey(bool Tab) {
    if (Tab && !FNavigation->AdvanceAuto()) {
        ShowNextControlEditor(DisplColIndex(FCtrlXY.X), FCtrlXY.Y, FCtrlID);
        return;
    }
    setFocus(Qt::OtherFocusReason);
    if (Tab) AdvanceAfterEdit(DisplColIndex(FCtrlXY.X), FCtrlXY.Y, true, false, true, false, false);
}

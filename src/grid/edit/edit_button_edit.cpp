// The edit of the edit-with-button: layout, F4 and the EditorEnabled gate.
#include "grid/edit/edit_button.h"
#include "grid/edit/edit_button_placement.h"

#include <QApplication>
#include <QFontMetrics>

TAsgEditBtn::TAsgEditBtn(TComponent* AOwner, QWidget* AParent) : TCustomMaskEdit(AOwner, AParent) {
    FButton = new TAsgEditButton(this, this);
    FButton->resize(18, 18);
    FButton->setCursor(Qt::ArrowCursor);
    FButton->SetFocusControl(this);
    FButton->OnClick = [this](TObject* Sender) { ClickBtn(Sender); };
    FButton->show();
    SetText(QStringLiteral("0"));
    PlaceButton();
    SetEditRect();
}

void TAsgEditBtn::ClickBtn(TObject* Sender) {
    if (OnClickBtn) OnClickBtn(Sender);
}

void TAsgEditBtn::SetButtonWidth(int Value) {
    FButton->resize(Value, FButton->height());
    PlaceButton();
    SetEditRect();
}

void TAsgEditBtn::SetIsWinXP(bool Value) {
    FIsWinXP = Value;
    FButton->Button()->SetIsWinXP(Value);
}

void TAsgEditBtn::SetRightAlign(bool Value) {
    if (Value == FRightAlign) return;
    FRightAlign = Value;
    setAlignment((Value ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

void TAsgEditBtn::SetBorderStyle(TFormBorderStyle Value) {
    FBorderStyle = Value;
    setFrame(Value != bsNone);
    PlaceButton();
    SetEditRect();
}

int TAsgEditBtn::MinHeight() const {
    const int fontHeight = QFontMetrics(font()).height();
    return fontHeight + std::min(QFontMetrics(QApplication::font()).height(), fontHeight) / 4;
}

void TAsgEditBtn::PlaceButton() { FButton->setGeometry(InnerButtonRect(*this, FButton->width())); }

void TAsgEditBtn::SetEditRect() {
    const int margin = FBorderStyle == bsSingle ? 1 : 3;
    int right = InnerWidth() - (FButton->width() + FUnitSize + 5);
    if (FUnitSize > 0) right -= 3;
    SetTextRect(Rect(margin, margin, right, InnerHeight() + 1));
}

void TAsgEditBtn::resizeEvent(QResizeEvent* event) {
    TCustomMaskEdit::resizeEvent(event);
    if (height() < MinHeight()) {
        resize(width(), MinHeight());
        return;
    }
    PlaceButton();
    SetEditRect();
}

void TAsgEditBtn::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomMaskEdit::KeyDown(Key, Shift);
    if (Key == VK_F4 && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt)) ClickBtn(this);
}

void TAsgEditBtn::WMChar(TWMKey& Message) {
    if (FEditorEnabled) TCustomMaskEdit::WMChar(Message);
}

void TAsgEditBtn::WMPaste(TMessage& Message) {
    if (FEditorEnabled && !ReadOnly()) TCustomMaskEdit::WMPaste(Message);
}

void TAsgEditBtn::WMCut(TMessage& Message) {
    if (FEditorEnabled && !ReadOnly()) TCustomMaskEdit::WMCut(Message);
}

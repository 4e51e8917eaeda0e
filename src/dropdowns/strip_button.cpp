#include "dropdowns/strip_button.h"

#include "controls/text_utilities.h"
#include "dropdowns/dropdown_drawing.h"
#include "dropdowns/strip_drop_down.h"
#include "platform/image_list.h"

#include <algorithm>

namespace {

bool HidesPopup(TModalResult result) {
    for (TModalResult closing : {mrOk, mrCancel, mrAbort, mrIgnore, mrYes, mrNo, mrAll, mrNoToAll, mrYesToAll})
        if (result == closing) return true;
    return false;
}

bool Cancels(TModalResult result) {
    return result == mrCancel || result == mrAbort || result == mrIgnore || result == mrNo || result == mrNoToAll;
}

TForm* FormOf(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget())
        if (auto* form = dynamic_cast<TForm*>(w)) return form;
    return nullptr;
}

}  // namespace

TExButton::TExButton(TComponent* AOwner, QWidget* AParent) : TCustomControlOf<QWidget>(AOwner, AParent) {
    resize(23, 22);
    SetShowHint(false);
    // No tab stop, and a click does not take the focus from the pop-up's content.
    setFocusPolicy(Qt::NoFocus);
    // Not opaque: the strip's gradient shows where the look paints nothing.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAutoFillBackground(false);
}

void TExButton::SetCaption(const QString& Value) {
    FCaption = Value;
    update();
}

void TExButton::SetAppearance(TExButtonAppearance* Value) {
    FAppearance = Value;
    update();
}

void TExButton::SetImages(TCustomImageList* Value) {
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (FImages) FImages->FreeNotification(this);
    update();
}

void TExButton::SetImageIndex(int Value) {
    FImageIndex = Value;
    update();
}

void TExButton::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControlOf<QWidget>::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages) {
        FImages = nullptr;
        update();
    }
}

void TExButton::SizeToContent() {
    if (!FAppearance) return;
    TSize size = GetTextSize(FAppearance->Font(), FCaption);
    if (FImages && FImageIndex >= 0) {
        size.cx = std::max(size.cx, FImages->Width());
        size.cy = std::max(size.cy, FImages->Height());
    }
    resize(size.cx + 8, size.cy + 4);
}

void TExButton::Click() {
    if (TForm* form = FormOf(this)) form->SetModalResult(FModalResult);
    if (FExDropDown && HidesPopup(FModalResult)) FExDropDown->DoHideDropDown(Cancels(FModalResult));
    TCustomControlOf<QWidget>::Click();
}

void TExButton::WndProc(TMessage& Message) {
    if (Message.Msg != CM_DIALOGCHAR) return;
    const QChar accelerator = AcceleratorOf(FCaption);
    const QChar character(char16_t(Message.WParam));
    if (accelerator.isNull() || accelerator.toUpper() != character.toUpper() || !isVisible() || !isEnabled()) return;
    Click();
    Message.Result = 1;
}

void TExButton::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControlOf<QWidget>::KeyDown(Key, Shift);
    if (Key != VK_RETURN && Key != VK_SPACE) return;
    // Taken here, so the key cannot act a second time on the pop-up or the edit.
    Key = 0;
    Click();
}

void TExButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && isEnabled()) {
        FMouseDownInControl = true;
        update();
    }
    TCustomControlOf<QWidget>::MouseDown(Button, Shift, X, Y);
}

void TExButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        FMouseDownInControl = false;
        update();
    }
    TCustomControlOf<QWidget>::MouseUp(Button, Shift, X, Y);
}

void TExButton::enterEvent(QEnterEvent* event) {
    TCustomControlOf<QWidget>::enterEvent(event);
    FMouseInControl = true;
    if (isEnabled()) update();
    if (OnMouseEnter) OnMouseEnter(this);
}

void TExButton::leaveEvent(QEvent* event) {
    TCustomControlOf<QWidget>::leaveEvent(event);
    FMouseInControl = false;
    if (isEnabled()) update();
    if (OnMouseLeave) OnMouseLeave(this);
}

void TExButton::focusInEvent(QFocusEvent* event) {
    TCustomControlOf<QWidget>::focusInEvent(event);
    update();
}

void TExButton::focusOutEvent(QFocusEvent* event) {
    TCustomControlOf<QWidget>::focusOutEvent(event);
    update();
}

void TExButton::changeEvent(QEvent* event) {
    TCustomControlOf<QWidget>::changeEvent(event);
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange) update();
}

void TExButton::Paint() {
    if (Canvas()) DrawButton(*Canvas());
}

void TExButton::DrawButton(TCanvas& ACanvas) {
    if (!FAppearance) return;
    const TExButtonAppearance& a = *FAppearance;
    TColor color = a.Color(), colorTo = a.ColorTo(), border = a.BorderColor();
    if (!isEnabled()) {
        color = a.ColorDisabled();
        colorTo = a.ColorDisabledTo();
        border = a.BorderColorDisabled();
    } else if (FMouseDownInControl && FMouseInControl) {
        color = colorTo = a.ColorDown();
        border = a.BorderColorDown();
    } else if (FMouseInControl || hasFocus()) {
        color = colorTo = a.ColorHot();
        border = a.BorderColorHot();
    }
    const TRect client = ClientRect();
    DrawButtonBackground(ACanvas, client, color, colorTo, border, 1, a.Gradient());
    ACanvas.Brush.Style = bsClear;
    ACanvas.Font = a.Font();
    DrawImageAndText(ACanvas, client, FCaption, FImageIndex, FImages);
}

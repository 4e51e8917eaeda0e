#include "controls/ex_check_box.h"

#include "controls/office_theme.h"
#include "controls/text_utilities.h"

#include <QEnterEvent>

TExCheckBox::TExCheckBox(TComponent* AOwner, QWidget* AParent) : TCustomControl(AOwner, AParent) {
    resize(98, 20);
}

void TExCheckBox::SetState(TCheckBoxState Value) {
    if (FState == Value) return;
    FState = Value;
    update();
}

void TExCheckBox::SetCaption(const QString& Value) {
    FCaption = Value;
    update();
}

void TExCheckBox::SetAlignment(TAlignment Value) {
    if (FAlignment == Value) return;
    FAlignment = Value;
    update();
}

void TExCheckBox::SetButtonVertAlign(TTextLayout Value) {
    if (FBtnVAlign == Value) return;
    FBtnVAlign = Value;
    update();
}

void TExCheckBox::SetEllipsis(bool Value) {
    if (FEllipsis == Value) return;
    FEllipsis = Value;
    update();
}

bool TExCheckBox::HasOwnColor() const { return Color() != clDefault && Color() != clNone; }

void TExCheckBox::SetColor(TColor Value) {
    TCustomControl::SetColor(Value);
    if (FTransparent) setAutoFillBackground(false);
}

void TExCheckBox::SetTransparent(bool Value) {
    FTransparent = Value;
    setAutoFillBackground(!Value && HasOwnColor());
    update();
}

void TExCheckBox::Toggle() {
    if (!FReadOnly) SetChecked(!Checked());
}

void TExCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FMouseDown = true;
    if (!hasFocus()) setFocus(Qt::MouseFocusReason);
    TCustomControl::MouseDown(Button, Shift, X, Y);
    FDown = true;
    update();
}

void TExCheckBox::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    if (FMouseDown) FDown = Inside(X, Y);
}

// Pressed and released outside: no toggle and no click.
void TExCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FDown = false;
    if (Inside(X, Y) && hasFocus() && FMouseDown) {
        Toggle();
        Click();
    }
    FMouseDown = false;
    TCustomControl::MouseUp(Button, Shift, X, Y);
    update();
}

void TExCheckBox::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    MouseUp(event->button() == Qt::LeftButton ? mbLeft : mbRight, ShiftStateOf(event->modifiers(), event->buttons()),
            p.x(), p.y());
}

void TExCheckBox::KeyDown(WORD& Key, TShiftState Shift) {
    if (Key == VK_RETURN && FReturnIsTab) {
        Key = 0;
        QWidget::focusNextPrevChild(true);
        return;
    }
    TCustomControl::KeyDown(Key, Shift);
    if (Key == VK_SPACE) FDown = true;
}

void TExCheckBox::KeyUp(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyUp(Key, Shift);
    if (Key != VK_SPACE) return;
    FDown = false;
    Toggle();
    Click();
}

void TExCheckBox::enterEvent(QEnterEvent* event) {
    TCustomControl::enterEvent(event);
    FHot = true;
    update();
}

void TExCheckBox::leaveEvent(QEvent* event) {
    TCustomControl::leaveEvent(event);
    FHot = false;
    update();
}

void TExCheckBox::focusInEvent(QFocusEvent* event) {
    TCustomControl::focusInEvent(event);
    FFocused = true;
    update();
}

void TExCheckBox::focusOutEvent(QFocusEvent* event) {
    TCustomControl::focusOutEvent(event);
    FFocused = false;
    update();
}

void TExCheckBox::changeEvent(QEvent* event) {
    TCustomControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) update();
}

void TExCheckBox::WndProc(TMessage& Message) {
    if (Message.Msg != CM_DIALOGCHAR) return;
    const QChar accelerator = AcceleratorOf(FCaption);
    if (accelerator.isNull() || accelerator.toUpper() != QChar(char16_t(Message.WParam)).toUpper() || !CanFocus())
        return;
    Toggle();
    if (focusPolicy() & Qt::TabFocus) setFocus(Qt::ShortcutFocusReason);
    Message.Result = 1;
}

void TExCheckBox::Paint() {
    TCanvas& canvas = *Canvas();
    // Transparent or with the parent's colour, the toolkit has already drawn what lies below.
    if (!FTransparent && HasOwnColor()) {
        canvas.Brush.Color = Color();
        canvas.FillRect(Rect(0, 0, width(), height()));
    }
    PaintBox(canvas);
    PaintCaption(canvas);
}

void TExCheckBox::PaintBox(TCanvas& canvas) {
    const int h = height();
    if (IsWinXPOrLater() && CurrentVisualStyle().Active && IsComCtl6OrLater()) {
        const int top = FBtnVAlign == tlTop ? 4 : FBtnVAlign == tlCenter ? h / 2 - 6 : h - 14;
        const int left = BoxRight() ? width() - 15 : 0;
        const int state = !isEnabled() ? 3 : FDown ? 2 : FHot ? 1 : 0;
        const TCheckMark mark = FState == cbChecked ? cmChecked : FState == cbGrayed ? cmMixed : cmUnchecked;
        canvas.DrawThemedPart(Rect(left, top, left + 14, top + 14), tpCheckBox, state, mark);
        return;
    }
    const int top = FBtnVAlign == tlTop ? 4 : FBtnVAlign == tlCenter ? h / 2 - 6 : h - 17;
    const int left = BoxRight() ? width() - 13 : 0;
    const bool inactive = FState == cbGrayed || !isEnabled();
    canvas.DrawFrameControl(Rect(left, top, left + 13, top + 13), fcCheckBox, FState == cbChecked, inactive, false,
                            inactive ? 3 : 0);
}

void TExCheckBox::PaintCaption(TCanvas& canvas) {
    TRect r = Rect(0, 4, width(), height());
    if (BoxRight()) {
        r.Left = 6;
        r.Right -= 9;
    } else {
        r.Left += 15;
    }
    canvas.Brush.Style = bsClear;
    const unsigned format = DT_SINGLELINE | (FEllipsis ? DT_END_ELLIPSIS : 0);
    if (!isEnabled()) {
        TRect shadow = Rect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
        canvas.Font.Color = clWhite;
        canvas.DrawText(FCaption, shadow, format);
        canvas.Font.Color = TColor(0x808080);
    }
    TRect text = r;
    canvas.DrawText(FCaption, text, format);
    canvas.Brush.Style = bsSolid;
    if (!FFocused) return;
    TRect extent = r;
    canvas.DrawText(FCaption, extent, format | DT_CALCRECT);
    canvas.DrawFocusRect(Rect(r.Left - 2, r.Top, r.Left + extent.Width() + 1, r.Top + extent.Height() + 1));
}

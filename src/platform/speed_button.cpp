#include "platform/speed_button.h"

#include <algorithm>

TSpeedButton::TSpeedButton(TComponent* AOwner, QWidget* AParent) : TCustomControl(AOwner, AParent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void TSpeedButton::SetCaption(const QString& Value) {
    FCaption = Value;
    update();
}

void TSpeedButton::SetGlyph(const TBitmap& Value) {
    FGlyph = Value;
    update();
}

void TSpeedButton::SetNumGlyphs(int Value) {
    FNumGlyphs = std::clamp(Value, 1, 4);
    update();
}

void TSpeedButton::SetFlat(bool Value) {
    FFlat = Value;
    update();
}

void TSpeedButton::SetTransparent(bool Value) {
    FTransparent = Value;
    setAttribute(Qt::WA_OpaquePaintEvent, !Value);
    update();
}

void TSpeedButton::Click() { TCustomControl::Click(); }

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && isEnabled()) {
        FPressed = true;
        FMouseCapture = true;
        update();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
    if (FMouseCapture) {
        const bool over = rect().contains(X, Y);
        if (over != FPressed) {
            FPressed = over;
            update();
        }
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && FMouseCapture) {
        FMouseCapture = false;
        FPressed = false;
        update();
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TSpeedButton::MouseEnter() {
    FMouseInControl = true;
    update();
}

void TSpeedButton::MouseLeave() {
    FMouseInControl = false;
    update();
}

void TSpeedButton::enterEvent(QEnterEvent* event) {
    TCustomControl::enterEvent(event);
    MouseEnter();
}

void TSpeedButton::leaveEvent(QEvent* event) {
    TCustomControl::leaveEvent(event);
    MouseLeave();
}

TBitmap TSpeedButton::CurrentGlyph() const {
    if (FGlyph.Empty()) return {};
    // The strip holds up, disabled and down pictures; a missing one falls back to up.
    int index = 0;
    if (!isEnabled() && FNumGlyphs > 1) index = 1;
    else if (FPressed && FNumGlyphs > 2) index = 2;
    const int width = FGlyph.Width() / FNumGlyphs;
    TBitmap picture;
    picture.LoadFromImage(FGlyph.Image().copy(index * width, 0, width, FGlyph.Height()));
    picture.SetTransparent(true);
    return picture;
}

void TSpeedButton::PaintGlyph(TCanvas& Canvas) const {
    const TBitmap glyph = CurrentGlyph();
    if (glyph.Empty()) return;
    const int x = std::max(0, (width() - glyph.Width()) / 2) + (FPressed ? 1 : 0);
    const int y = std::max(0, (height() - glyph.Height()) / 2) + (FPressed ? 1 : 0);
    Canvas.Draw(x, y, glyph);
}

void TSpeedButton::Paint() {
    TCanvas& canvas = *Canvas();
    const TRect r = ClientRect();
    const int state = !isEnabled() ? 3 : FPressed ? 2 : 0;
    if (!FFlat || FPressed || FMouseInControl) canvas.DrawFrameControl(r, fcPushButton, false, false, FFlat, state);
    else if (!FTransparent) canvas.Painter()->fillRect(r.ToQRect(), ToQColor(clBtnFace));
    PaintGlyph(canvas);
    if (FCaption.isEmpty()) return;
    TRect textRect = r;
    if (FPressed) textRect = Rect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
    canvas.Font.Color = isEnabled() ? clBtnText : clGrayText;
    canvas.TransparentText = true;
    canvas.DrawText(FCaption, textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

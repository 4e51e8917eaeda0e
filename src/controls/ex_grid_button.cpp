#include "controls/ex_grid_button.h"

#include "controls/gradient_drawing.h"
#include "controls/office_theme.h"

#include <array>

namespace {

constexpr TColor kButtonFace = clBtnFace;

struct TGridButtonLook {
    TColor Color, ColorTo, ColorHot, ColorHotTo, ColorDown, ColorDownTo, ColorChecked, ColorCheckedTo, BorderDown,
        BorderHot;
};

constexpr std::array<TGridButtonLook, 7> kLooks{{
    {0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE5ECED, 0xE0E6E7, 0xD8E0E1, 0xFFFFFF, clNone, 0xAF987A, 0xC3CECE},
    {kButtonFace, clNone, 0xEED2C1, clNone, 0xE2B598, clNone, 0xE8E6E1, clNone, 0xC56A31, 0xC56A31},
    {0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {0xCFF0EA, 0x8CC0B1, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {0xECE2E1, 0xB39698, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {kButtonFace, clNone, kButtonFace, clNone, 0xD8D3D2, clNone, 0xCAC7C7, clNone, clNone, clNone},
    {0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7CE9FC, 0x4DE0FB, 0x7AE9FC, 0xB5E6F2, 0x9CDDED, 0x808080, 0x808080},
}};

}  // namespace

TExGridButton::TExGridButton(TComponent* AOwner, QWidget* AParent) : TCustomControl(AOwner, AParent) {
    setGeometry(0, 0, 22, 23);
    setFocusPolicy(Qt::NoFocus);
}

void TExGridButton::SetLook(int Value) {
    if (Value < 0 || Value >= int(kLooks.size())) return;
    const TGridButtonLook& look = kLooks[std::size_t(Value)];
    Color = look.Color;
    ColorTo = look.ColorTo;
    ColorHot = look.ColorHot;
    ColorHotTo = look.ColorHotTo;
    ColorDown = look.ColorDown;
    ColorDownTo = look.ColorDownTo;
    ColorChecked = look.ColorChecked;
    ColorCheckedTo = look.ColorCheckedTo;
    BorderDownColor = look.BorderDown;
    BorderHotColor = look.BorderHot;
    BorderColor = clNone;
    Rounded = Value == 0;
    Flat = true;
    FLook = Value;
    update();
}

void TExGridButton::SetAutoThemeAdapt(bool Value) {
    FAutoThemeAdapt = Value;
    if (Value) AdaptToTheme();
}

void TExGridButton::AdaptToTheme() {
    const TVisualStyleState style = CurrentVisualStyle();
    int look = 1;
    if (IsWinXPOrLater() && style.Active) {
        if (style.ColorName == QLatin1String("NormalColor")) look = 2;
        else if (style.ColorName == QLatin1String("HomeStead")) look = 3;
        else if (style.ColorName == QLatin1String("Metallic")) look = 4;
    }
    SetLook(look);
}

void TExGridButton::SetStyle(TExGridButtonStyle Value) {
    FStyle = Value;
    update();
}

void TExGridButton::SetGroupIndex(int Value) {
    if (FGroupIndex == Value) return;
    FGroupIndex = Value;
    UpdateExclusive();
}

void TExGridButton::SetAllowAllUp(bool Value) {
    if (FAllowAllUp == Value) return;
    FAllowAllUp = Value;
    UpdateExclusive();
}

void TExGridButton::SetDown(bool Value) {
    if (FGroupIndex == 0 && FStyle == tasButton) Value = false;
    if (FStyle == tasCheck) {
        FDown = Value;
        update();
        return;
    }
    if (Value == FDown || (FDown && !FAllowAllUp)) return;
    FDown = Value;
    if (Value) {
        FState = bsExclusive;
        UpdateExclusive();
    } else {
        FState = bsUp;
    }
    update();
}

void TExGridButton::UpdateExclusive() {
    if (FGroupIndex == 0 || !parentWidget()) return;
    for (QObject* child : parentWidget()->children())
        if (auto* button = dynamic_cast<TExGridButton*>(child)) button->ButtonPressed(FGroupIndex, this);
}

void TExGridButton::ButtonPressed(int Group, TExGridButton* Sender) {
    if (Group != FGroupIndex || Sender == this) return;
    if (Sender->FDown && FDown) {
        FDown = false;
        FState = bsUp;
        update();
    }
    FAllowAllUp = Sender->FAllowAllUp;
}

void TExGridButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !isEnabled()) return;
    if (!FDown || FStyle == tasCheck) {
        FState = bsDown;
        update();
    }
    FDragging = true;
}

void TExGridButton::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    if (!FDragging) return;
    TButtonState state = FDown ? bsExclusive : bsUp;
    if (Inside(X, Y)) state = FDown ? bsExclusive : bsDown;
    if (FStyle == tasCheck && FDown) state = bsDown;
    if (state != FState) {
        FState = state;
        update();
    }
}

// A release outside changes nothing: no Down flip and no Click.
void TExGridButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging) return;
    FDragging = false;
    const bool inside = Inside(X, Y);
    if (FGroupIndex == 0) {
        FState = bsUp;
        if (FStyle == tasCheck && inside) FDown = !FDown;
    } else if (inside) {
        SetDown(!FDown);
    } else if (FDown) {
        FState = bsExclusive;
    }
    update();
    if (inside) Click();
}

void TExGridButton::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    MouseUp(event->button() == Qt::LeftButton ? mbLeft : mbRight, ShiftStateOf(event->modifiers(), event->buttons()),
            p.x(), p.y());
}

void TExGridButton::Paint() {
    TCanvas& canvas = *Canvas();
    const TRect r = Rect(0, 0, width(), height());
    const bool checked = FStyle == tasCheck && FDown;
    const bool pressed = FState == bsDown;
    const TColor from = pressed ? ColorDown : checked ? ColorChecked : Color;
    const TColor to = pressed ? ColorDownTo : checked ? ColorCheckedTo : ColorTo;
    if (to == clNone) {
        canvas.Brush.Color = from;
        canvas.FillRect(r);
    } else {
        DrawGradient(canvas, from, to, 16, r, false);
    }
    const TColor border = pressed || checked ? BorderDownColor : BorderColor;
    if (border != clNone) {
        canvas.Pen.Color = border;
        canvas.FrameRect(r);
    }
}

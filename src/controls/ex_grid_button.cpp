#include "controls/ex_grid_button.h"
#include "controls/ex_grid_button_action_link.h"

#include "controls/gradient_drawing.h"
#include "controls/office_theme.h"
#include "controls/text_utilities.h"

#include <QCursor>
#include <QEnterEvent>
#include <array>

namespace {

constexpr TColor kButtonFace = clBtnFace;
constexpr int kDropDownWidth = 12;
constexpr int kGradientSteps = 16;

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

TRect Inflated(TRect r, int by) { return Rect(r.Left - by, r.Top - by, r.Right + by, r.Bottom + by); }

// Top-to-bottom bands with an optional frame over them.
void FillButtonFace(TCanvas& canvas, TColor from, TColor to, const TRect& r, TColor border) {
    DrawGradient(canvas, from, to, kGradientSteps, r, false);
    if (border == clNone) return;
    canvas.Pen.Color = border;
    canvas.FrameRect(r);
}

// A plain face: the rectangle in the brush colour, framed by the pen (the brush colour without one).
void FillPlainFace(TCanvas& canvas, TColor color, TColor pen, const TRect& r) {
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = color;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Width = 1;
    canvas.Pen.Color = pen == clNone ? color : pen;
    canvas.Rectangle(r);
}

void FrameRounded(TCanvas& canvas, const TRect& r, TColor color) {
    if (color == clNone) return;
    canvas.Brush.Style = bsClear;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Width = 1;
    canvas.Pen.Color = color;
    canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 8, 8);
    canvas.Brush.Style = bsSolid;
}

// Every pixel becomes grey 96 + (its mean level div 2), so white turns 223 and black 96.
TBitmap GreyCopy(const TBitmap& glyph) {
    QImage image = glyph.Image().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            const int mean = (qRed(p) + qGreen(p) + qBlue(p) + 1) / 3;
            const int grey = 96 + mean / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(p));
        }
    }
    TBitmap result;
    result.LoadFromImage(image);
    result.SetTransparent(true);
    return result;
}

}  // namespace

TExGridButton::TExGridButton(TComponent* AOwner, QWidget* AParent) : TCustomControl(AOwner, AParent) {
    setGeometry(0, 0, 22, 23);
    setFocusPolicy(Qt::NoFocus);
    TControl::SetColor(clBtnFace);
}

void TExGridButton::SetCaption(const QString& Value) {
    FCaption = Value;
    update();
}

void TExGridButton::SetLook(int Value) {
    if (Value < 0 || Value >= int(kLooks.size())) return;
    const TGridButtonLook& look = kLooks[std::size_t(Value)];
    TControl::SetColor(look.Color);
    FColorTo = look.ColorTo;
    FColorHot = look.ColorHot;
    FColorHotTo = look.ColorHotTo;
    FColorDown = look.ColorDown;
    FColorDownTo = look.ColorDownTo;
    FColorChecked = look.ColorChecked;
    FColorCheckedTo = look.ColorCheckedTo;
    FBorderDownColor = look.BorderDown;
    FBorderHotColor = look.BorderHot;
    FBorderColor = clNone;
    FRounded = Value == 0;
    FFlat = true;
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

void TExGridButton::SetGlyph(const TBitmap& Value) {
    FGlyph = Value;
    FGlyph.SetTransparent(true);
    if (FGlyphDisabled.Empty() || FGlyphDisabledDerived) {
        FGlyphDisabled = FGlyph.Empty() ? TBitmap() : GreyCopy(FGlyph);
        FGlyphDisabledDerived = true;
    }
    if (FShaded) BuildShade();
    update();
}

void TExGridButton::SetGlyphHot(const TBitmap& Value) {
    FGlyphHot = Value;
    FGlyphHot.SetTransparent(true);
}

void TExGridButton::SetGlyphDown(const TBitmap& Value) {
    FGlyphDown = Value;
    FGlyphDown.SetTransparent(true);
}

void TExGridButton::SetGlyphDisabled(const TBitmap& Value) {
    FGlyphDisabled = Value;
    FGlyphDisabled.SetTransparent(true);
    FGlyphDisabledDerived = false;
}

void TExGridButton::SetShaded(bool Value) {
    FShaded = Value;
    BuildShade();
}

// A grey silhouette of the glyph on the glyph's own key colour.
void TExGridButton::BuildShade() {
    if (FGlyph.Empty()) {
        FGlyphShade = TBitmap();
        return;
    }
    QImage image = FGlyph.Image().convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] != key) line[x] = qRgb(0x80, 0x80, 0x80);
    }
    FGlyphShade.LoadFromImage(image);
    FGlyphShade.SetTransparent(true);
}

void TExGridButton::SetLayout(TButtonLayout Value) {
    if (FLayout == Value) return;
    FLayout = Value;
    update();
}

void TExGridButton::SetMargin(int Value) {
    if (Value < -1 || FMargin == Value) return;
    FMargin = Value;
    update();
}

void TExGridButton::SetSpacing(int Value) {
    if (FSpacing == Value) return;
    FSpacing = Value;
    update();
}

void TExGridButton::SetShowCaption(bool Value) {
    if (FShowCaption == Value) return;
    FShowCaption = Value;
    update();
}

void TExGridButton::SetFlat(bool Value) {
    if (FFlat == Value) return;
    FFlat = Value;
    update();
}

void TExGridButton::SetAutoXPStyle(bool Value) {
    FAutoXPStyle = Value;
    update();
}

void TExGridButton::SetRounded(bool Value) {
    FRounded = Value;
    update();
}

void TExGridButton::SetDropDownButton(bool Value) {
    FDropDownButton = Value;
    update();
}

#define EX_GRID_BUTTON_COLOR_SETTER(Name)   \
    void TExGridButton::Set##Name(TColor Value) { \
        F##Name = Value;                    \
        update();                           \
    }
EX_GRID_BUTTON_COLOR_SETTER(ColorTo)
EX_GRID_BUTTON_COLOR_SETTER(ColorHot)
EX_GRID_BUTTON_COLOR_SETTER(ColorHotTo)
EX_GRID_BUTTON_COLOR_SETTER(ColorDown)
EX_GRID_BUTTON_COLOR_SETTER(ColorDownTo)
EX_GRID_BUTTON_COLOR_SETTER(ColorChecked)
EX_GRID_BUTTON_COLOR_SETTER(ColorCheckedTo)
EX_GRID_BUTTON_COLOR_SETTER(BorderColor)
EX_GRID_BUTTON_COLOR_SETTER(BorderDownColor)
EX_GRID_BUTTON_COLOR_SETTER(BorderHotColor)
#undef EX_GRID_BUTTON_COLOR_SETTER

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

std::unique_ptr<TControlActionLink> TExGridButton::CreateActionLink() {
    return std::make_unique<TExGridButtonActionLink>(this);
}

void TExGridButton::ButtonPressed(int Group, TExGridButton* Sender) {
    if (Group != FGroupIndex || Sender == this) return;
    if (Sender->FDown && FDown) {
        FDown = false;
        FState = bsUp;
        if (QAction* action = Action()) action->setChecked(false);
        update();
    }
    FAllowAllUp = Sender->FAllowAllUp;
}

void TExGridButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !isEnabled()) return;
    if (FDropDownButton && X > width() - kDropDownWidth) {
        FState = bsUp;
        update();
        if (OnDropDown) OnDropDown(this);
        if (FDropDownMenu) {
            const QPoint corner = mapToGlobal(QPoint(0, height()));
            FDropDownMenu->Popup(corner.x(), corner.y());
        }
        return;
    }
    if (!FDown || FStyle == tasCheck) {
        FState = bsDown;
        update();
    }
    FDragging = true;
}

void TExGridButton::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    if (!FDragging) {
        if (!FMouseInControl) RefreshHotState(rect().contains(X, Y));
        return;
    }
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
    RefreshHotState(rect().contains(X, Y));
}

void TExGridButton::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    MouseUp(event->button() == Qt::LeftButton ? mbLeft : mbRight, ShiftStateOf(event->modifiers(), event->buttons()),
            p.x(), p.y());
}

void TExGridButton::DblClick() {
    if (FDown) TCustomControl::DblClick();
}

void TExGridButton::enterEvent(QEnterEvent* event) {
    TCustomControl::enterEvent(event);
    MouseEnter();
}

void TExGridButton::leaveEvent(QEvent* event) {
    TCustomControl::leaveEvent(event);
    MouseLeave();
}

void TExGridButton::changeEvent(QEvent* event) {
    TCustomControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        RefreshHotState(rect().contains(mapFromGlobal(QCursor::pos())));
        update();
    } else if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) {
        update();
    }
}

// Only flat, enabled buttons light up under the mouse.
void TExGridButton::RefreshHotState(bool Inside) {
    if (!FFlat || !isEnabled()) return;
    if (Inside) MouseEnter();
    else MouseLeave();
}

void TExGridButton::MouseEnter() {
    if (FMouseInControl || !isEnabled() || QWidget::mouseGrabber()) return;
    FMouseInControl = true;
    update();
    if (OnMouseEnter) OnMouseEnter(this);
}

void TExGridButton::MouseLeave() {
    if (!FMouseInControl || !isEnabled() || FDragging) return;
    FMouseInControl = false;
    update();
    if (OnMouseLeave) OnMouseLeave(this);
}

void TExGridButton::WndProc(TMessage& Message) {
    if (Message.Msg == CM_DIALOGCHAR) CMDialogChar(Message);
}

void TExGridButton::CMDialogChar(TMessage& Message) {
    const QChar character(char16_t(Message.WParam));
    const QChar accelerator = AcceleratorOf(FCaption);
    if (accelerator.isNull() || accelerator.toUpper() != character.toUpper()) return;
    if (!isEnabled() || isHidden() || !parentWidget() || !parentWidget()->isVisible()) return;
    Click();
    Message.Result = 1;
}

void TExGridButton::PaintFlatFace(TCanvas& canvas, TRect& r, bool hot) {
    if (FBorderDownColor == clNone || FRounded) r = Inflated(r, -1);
    const bool checkedDown = FStyle == tasCheck && FDown;
    canvas.Pen.Width = 1;
    if (!hot) {
        if (checkedDown) {
            if (FColorCheckedTo == clNone) FillPlainFace(canvas, FColorChecked, FBorderDownColor, r);
            else FillButtonFace(canvas, FColorChecked, FColorCheckedTo, r, FBorderDownColor);
        } else if (FColorTo == clNone) {
            canvas.Brush.Color = Color();
            canvas.FillRect(r);
        } else {
            const TColor border = FDown ? FBorderDownColor : FRounded ? clNone : FBorderColor;
            FillButtonFace(canvas, Color(), FColorTo, r, border);
        }
        if (FBorderColor != clNone) {
            if (FRounded) {
                r = Inflated(r, 1);
                FrameRounded(canvas, r, FBorderColor);
            } else {
                canvas.Pen.Color = FBorderColor;
                canvas.FrameRect(r);
            }
        }
    } else {
        const bool pressed = FState == bsDown;
        TColor from = pressed ? FColorDown : FColorHot;
        TColor to = pressed ? FColorDownTo : FColorHotTo;
        TColor pen = pressed ? FBorderDownColor : FBorderHotColor;
        if (checkedDown && !pressed) {
            from = FColorChecked;
            to = FColorCheckedTo;
            pen = FBorderDownColor;
        }
        if (FRounded) pen = clNone;
        if (to == clNone) FillPlainFace(canvas, from, pen, r);
        else FillButtonFace(canvas, from, to, r, pen);
        const TColor edge = pressed ? FBorderDownColor : FBorderHotColor;
        if (FRounded) {
            r = Inflated(r, 1);
            FrameRounded(canvas, r, edge);
        }
        if (FDropDownButton && edge != clNone) {
            canvas.Pen.Color = edge;
            canvas.MoveTo(r.Right - kDropDownWidth, r.Top);
            canvas.LineTo(r.Right - kDropDownWidth, r.Bottom);
        }
    }
    r = Inflated(r, -1);
}

void TExGridButton::Paint() {
    TCanvas& canvas = *Canvas();
    if (!isEnabled()) {
        FState = bsDisabled;
        FDragging = false;
    } else if (FState == bsDisabled) {
        FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
    }
    if (FStyle == tasCheck && FDown) FState = bsDown;
    const bool hot = FMouseInControl && isEnabled();
    const bool pressed = FState == bsDown || FState == bsExclusive;
    TRect r = Rect(0, 0, width(), height());

    if (FFlat) {
        PaintFlatFace(canvas, r, hot);
    } else if (IsWinXPOrLater() && FAutoXPStyle && IsComCtl6OrLater() && CurrentVisualStyle().Active) {
        canvas.DrawThemedPart(r, tpPushButton, !isEnabled() ? 3 : pressed ? 2 : hot ? 1 : 0);
        r = Inflated(r, -2);
    } else {
        canvas.DrawFrameControl(r, fcPushButton, pressed, false, false, !isEnabled() ? 3 : pressed ? 2 : 0);
        r = Inflated(r, -2);
    }

    TPoint offset{0, 0};
    if (pressed) {
        if (FState == bsExclusive && (!FFlat || !hot)) {
            const TRect face = Inflated(r, 1);
            const TColor border = FDown ? FBorderDownColor : FBorderColor;
            if (FColorCheckedTo == clNone) FillPlainFace(canvas, FColorChecked, border, face);
            else FillButtonFace(canvas, FColorChecked, FColorCheckedTo, face, border);
        }
        if (!FFlat) offset = {1, 1};
    } else if (FFlat && hot && FShaded) {
        offset = {-1, -1};
    }

    if (FDropDownButton) {
        const int m = (r.Top + r.Bottom) / 2 - 1;
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = canvas.Font.Color;
        canvas.Pen.Color = canvas.Font.Color;
        canvas.Polygon({{r.Right - 8, m}, {r.Right - 4, m}, {r.Right - 6, m + 2}});
        r.Right -= kDropDownWidth;
    }

    const QString caption = FShowCaption ? FCaption : QString();
    TRect measured = Rect(0, 0, r.Width(), 0);
    if (!caption.isEmpty()) canvas.DrawText(caption, measured, DT_CALCRECT | DT_CENTER | DT_SINGLELINE);
    const TSize captionSize{caption.isEmpty() ? 0 : measured.Width(), caption.isEmpty() ? 0 : measured.Height()};
    const TSize glyphSize{FGlyph.Width(), FGlyph.Height()};
    const TGlyphTextPlace place = LayoutGlyphAndText(r, offset, glyphSize, captionSize, FLayout, FMargin, FSpacing,
                                                     layoutDirection() == Qt::RightToLeft);
    const bool hasCaption = !FCaption.isEmpty();
    PaintGlyph(canvas, hasCaption ? place.GlyphPos : TPoint{0, 0}, hasCaption);
    if (caption.isEmpty()) return;
    TRect bounds = place.TextBounds;
    if (FFlat && hot && FShaded && FState != bsDown) bounds = Rect(bounds.Left + 1, bounds.Top + 1, bounds.Right + 1, bounds.Bottom + 1);
    PaintCaption(canvas, bounds);
}

void TExGridButton::PaintGlyph(TCanvas& canvas, TPoint pos, bool hasCaption) {
    const bool pressed = FState == bsDown;
    const TBitmap* glyph = &FGlyph;
    if (FMouseInControl && !pressed && !FGlyphHot.Empty()) glyph = &FGlyphHot;
    else if (pressed && !FGlyphDown.Empty()) glyph = &FGlyphDown;
    if (!isEnabled() && !FGlyphDisabled.Empty()) glyph = &FGlyphDisabled;
    if (glyph->Empty()) return;
    if (FMouseInControl && FShaded && isEnabled() && !pressed && !FGlyphShade.Empty()) {
        const int shift = hasCaption ? 2 : 0;
        canvas.Draw(pos.X + shift, pos.Y + shift, FGlyphShade);
    }
    canvas.Draw(pos.X, pos.Y, *glyph);
}

void TExGridButton::PaintCaption(TCanvas& canvas, const TRect& bounds) {
    canvas.Brush.Style = bsClear;
    const unsigned format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (FState == bsDisabled) {
        TRect shadow = Rect(bounds.Left + 1, bounds.Top + 1, bounds.Right + 1, bounds.Bottom + 1);
        canvas.Font.Color = clBtnHighlight;
        canvas.DrawText(FCaption, shadow, format);
        canvas.Font.Color = clBtnShadow;
    }
    TRect r = bounds;
    canvas.DrawText(FCaption, r, format);
    canvas.Brush.Style = bsSolid;
}

// The flat combo's drop-down button (custom colours, themed or classic) and its borders.
#include "grid/edit/flat_combo_painting.h"

#include "platform/control.h"

#include <QGuiApplication>
#include <QRegion>

namespace {

void FrameIn(TCanvas& Canvas, const TRect& r, TColor color) {
    Canvas.Pen.Color = color;
    Canvas.Pen.Style = psSolid;
    Canvas.FrameRect(r);
}

// The one-pixel sunken edge: shadow at the top and left, highlight at the bottom and right.
void SunkenOuterEdge(TCanvas& Canvas, const TRect& r) {
    QPainter* painter = Canvas.Painter();
    const QColor shadow = ToQColor(clBtnShadow), light = ToQColor(clBtnHighlight);
    painter->fillRect(QRect(r.Left, r.Top, r.Width(), 1), shadow);
    painter->fillRect(QRect(r.Left, r.Top, 1, r.Height()), shadow);
    painter->fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), light);
    painter->fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), light);
}

TRect Shrunk(TRect r, int by) { return {r.Left + by, r.Top + by, r.Right - by, r.Bottom - by}; }

void PaintColoredButton(TCanvas& Canvas, TRect r, const TFlatComboLook& look) {
    TColor fill = look.ButtonColor;
    if (look.ButtonHover) fill = look.MouseButtonDown ? look.ButtonColorDown : look.ButtonColorHot;
    Canvas.Brush.Color = fill;
    Canvas.Brush.Style = bsSolid;
    if (look.PickerButton) {
        Canvas.FillRect(Rect(r.Left + 2, r.Top, r.Right, r.Bottom));
    } else {
        r.Left -= 1;
        r.Top += 1;
        r.Bottom -= 1;
        r.Right -= 1;
        Canvas.FillRect(r);
    }
    Canvas.Pen.Color = look.ButtonBorderColor;
    Canvas.Pen.Style = look.ButtonBorderColor == clNone ? psClear : psSolid;
    Canvas.MoveTo(r.Left, r.Top);
    Canvas.LineTo(r.Left, r.Bottom);
    // The owner's colour-tones look sets no arrow colour: the arrow then takes the font's.
    TColor arrow = look.MouseButtonDown ? look.ButtonTextColorDown : look.ButtonTextColor;
    if (arrow == clNone) arrow = look.FontColor;
    Canvas.Brush.Color = arrow;
    Canvas.Pen.Color = arrow;
    Canvas.Pen.Style = psSolid;
    const int shift = look.PickerButton ? 1 : 0;
    Canvas.Polygon({{r.Left + 4 + shift, r.Top + 7}, {r.Left + 10 + shift, r.Top + 7}, {r.Left + 7 + shift, r.Top + 10}});
}

// Themed part states of the canvas: 0 normal, 1 hot, 2 pressed, 3 disabled.
int ThemedButtonState(const TFlatComboLook& look) {
    if (!look.Enabled) return 3;
    if (look.MouseButtonDown && look.DroppedDown) return 2;
    if (look.MouseButtonDown || !look.ButtonHover || look.DroppedDown) return 0;
    return 1;
}

}  // namespace

TFlatComboLook WidgetLook(const QWidget* Control) {
    TFlatComboLook look;
    look.Width = Control->width();
    look.Height = Control->height();
    look.Enabled = Control->isEnabled();
    look.ActiveControl = Control->hasFocus();
    look.MouseButtonDown = (QGuiApplication::mouseButtons() & (Qt::LeftButton | Qt::RightButton)) != 0;
    look.ParentColor = ParentBrushColorOf(Control);
    look.FontColor = FromQColor(Control->palette().color(QPalette::Text));
    return look;
}

TColor ParentBrushColorOf(const QWidget* Control) {
    QWidget* parent = Control->parentWidget();
    if (!parent) return clBtnFace;
    if (TControl* control = ControlOf(parent)) {
        if (control->Color() != clDefault && control->Color() != clNone) return control->Color();
    }
    return FromQColor(parent->palette().color(QPalette::Window));
}

bool FlatComboPaintsItself(const TFlatComboLook& look) {
    if (look.IsVista && look.ButtonColor == clNone) return false;
    return look.Flat || look.ButtonColor != clNone || look.BorderColor != clNone ||
           (look.FocusBorderColor != clNone && look.Focused) ||
           (!look.Enabled && look.ThemesActive && !look.DisabledBorder);
}

bool FlatComboBordersFollowPlatformFrame(const TFlatComboLook& look) {
    return look.Flat || (!look.Enabled && look.ThemesActive && !look.DisabledBorder) ||
           (look.FocusBorderColor != clNone && look.Focused) || look.BorderColor != clNone;
}

TRect PaintFlatComboButton(TCanvas& Canvas, const TFlatComboLook& look) {
    TRect r = Rect(0, 0, look.Width, look.Height);
    r.Left += look.ClientWidth() - look.ButtonWidth + 2;
    r = Shrunk(r, 1);
    if (look.ButtonColor != clNone) {
        PaintColoredButton(Canvas, r, look);
    } else if (look.ThemesActive) {
        Canvas.DrawThemedPart(r, tpComboArrow, ThemedButtonState(look));
    } else {
        r.Left -= 4;
        r.Top += 1;
        r.Bottom -= 1;
        Canvas.DrawFrameControl(r, fcComboArrow, false, false, look.Enabled, look.Enabled ? 0 : 3);
    }
    return Rect(look.ClientWidth() - look.ButtonWidth - 4, 0, look.ClientWidth() + 2, look.ClientHeight());
}

void PaintFlatComboBorders(TCanvas& Canvas, const TFlatComboLook& look) {
    if (look.Enabled && !look.Flat && look.BorderColor == clNone && look.FocusBorderColor == clNone) return;
    if (look.IsVista && look.BorderColor == clNone) return;
    TRect r = Rect(0, 0, look.Width, look.Height);
    if (!look.Enabled && look.ThemedPlatform && !look.DisabledBorder) {
        FrameIn(Canvas, r, kThemedDisabledBorderColor);
        return;
    }
    if (look.BorderColor != clNone && !(look.Focused && look.FocusBorderColor != clNone)) {
        FrameIn(Canvas, r, look.BorderColor);
        return;
    }
    if (look.FocusBorderColor != clNone) {
        if (look.Focused) FrameIn(Canvas, r, look.FocusBorderColor);
        return;
    }
    const bool raisedLook = look.FocusBorder && (look.MouseInControl || look.ActiveControl) && !look.Designing;
    const TColor outer = raisedLook ? clBtnFace : look.ParentColor;
    if (raisedLook) {
        SunkenOuterEdge(Canvas, r);
        r = Shrunk(r, 1);
        FrameIn(Canvas, r, outer);
        r = Shrunk(r, 1);
        FrameIn(Canvas, r, look.Color);
    } else {
        FrameIn(Canvas, r, outer);
        r = Shrunk(r, 1);
        const int right = r.Right;
        r.Right -= look.ButtonWidth;
        FrameIn(Canvas, r, outer);
        r = Shrunk(r, 1);
        FrameIn(Canvas, r, look.Color);
        r.Right = right - 1;
    }
    if (look.Flat && look.FlatLineColor != clNone) {
        Canvas.Pen.Color = look.FlatLineColor;
        Canvas.Pen.Style = psSolid;
        Canvas.MoveTo(r.Left - 2, look.Height - 1);
        Canvas.LineTo(r.Right - look.ButtonWidth - 1, look.Height - 1);
    }
    if (look.Simple || (look.IsWinXP && look.ThemesActive)) return;
    // The flat button area: button face around the arrow while the control is idle.
    const TRect inner = Rect(look.ClientWidth() - look.ButtonWidth + 4, 4, look.ClientWidth() - 4,
                             look.ClientHeight() - 4);
    TRect area = Shrunk(Rect(look.ClientWidth() - look.ButtonWidth - 2, 0, look.Width, look.Height), 2);
    const bool idle = look.Designing ? !look.Enabled : !(look.MouseInControl || look.ActiveControl);
    if (!idle && look.PickerButton) {
        if (look.DroppedDown) FrameIn(Canvas, area, clBtnShadow);
        else Canvas.DrawEdge(area, ekRaised, false);
        return;
    }
    if (!idle) return;
    area.Top += 1;
    area.Bottom -= 1;
    area.Right -= 1;
    QPainter* painter = Canvas.Painter();
    painter->save();
    painter->setClipRegion(QRegion(area.ToQRect()) - QRegion(inner.ToQRect()), Qt::IntersectClip);
    painter->fillRect(area.ToQRect(), ToQColor(clBtnFace));
    painter->restore();
}

// The pickers' shared look: creation defaults, the platform probes, painting after the
// platform's, hover, mouse-in-control and focus flags.
#include "grid/edit/flat_date_time_picker.h"

#include "controls/office_theme.h"

#include <QApplication>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace {

std::function<TPickerPlatform()>& PickerPlatformProbe() {
    static std::function<TPickerPlatform()> probe;
    return probe;
}

}  // namespace

TPickerPlatform CurrentPickerPlatform() {
    if (PickerPlatformProbe()) return PickerPlatformProbe()();
    TPickerPlatform platform;
    platform.VistaOrLater = IsVistaOrLater();
    platform.ComCtl6 = IsComCtl6OrLater();
    platform.ThemeLibraryBound = true;
    platform.ThemesActive = CurrentVisualStyle().Active;
    return platform;
}

void SetPickerPlatformProbe(std::function<TPickerPlatform()> Probe) { PickerPlatformProbe() = std::move(Probe); }

TFlatDateTimePicker::TFlatDateTimePicker(TComponent* AOwner, QWidget* AParent) : TDateTimePicker(AOwner, AParent) {
    FButtonWidth = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
    FIsWinXP = IsWinXPOrLater();
    FIsThemed = (GetFileVersion(QStringLiteral("COMCTL32.DLL")) >> 16) > 5;
    setMouseTracking(true);
}

QString TFlatDateTimePicker::VersionText(unsigned VersionNr) {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(VersionNr >> 24)
        .arg((VersionNr >> 16) & 0xFF)
        .arg((VersionNr >> 8) & 0xFF)
        .arg(VersionNr & 0xFF);
}

bool TFlatDateTimePicker::ThemesActive() const {
    const TPickerPlatform platform = CurrentPickerPlatform();
    return FIsThemed && platform.ThemeLibraryBound && platform.ThemesActive;
}

void TFlatDateTimePicker::SetBorderColor(TColor Value) {
    if (FBorderColor == Value) return;
    FBorderColor = Value;
    update();
}

void TFlatDateTimePicker::SetMetroStyle(bool Value) {
    if (FMetroStyle == Value) return;
    FMetroStyle = Value;
    update();
}

void TFlatDateTimePicker::SetBorderStyle(TBorderStyle Value) {
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    update();
}

void TFlatDateTimePicker::SetCtl3D(bool Value) {
    FCtl3D = Value;
    // Without the 3D look our outline is the frame.
    setFrame(Value);
    update();
}

TColor TFlatDateTimePicker::ParentBrushColor() const { return ParentBrushColorOf(this); }

TFlatComboLook TFlatDateTimePicker::Look() const {
    TFlatComboLook look = WidgetLook(this);
    look.ButtonWidth = FButtonWidth;
    look.ThemedPlatform = FIsThemed;
    look.ThemesActive = ThemesActive();
    look.DisabledBorder = FDisabledBorder;
    look.IsWinXP = FIsWinXP;
    look.Focused = FHasFocus;
    look.MouseInControl = FMouseInControl;
    look.ButtonHover = FButtonHover;
    look.DroppedDown = DroppedDown();
    look.FocusBorder = FFocusBorder;
    look.Designing = Designing();
    look.Color = Color() == clDefault ? clWindow : Color();
    look.ButtonColor = FButtonColor;
    look.ButtonColorHot = FButtonColorHot;
    look.ButtonColorDown = FButtonColorDown;
    look.ButtonTextColor = FButtonTextColor;
    look.ButtonTextColorDown = FButtonTextColorDown;
    look.ButtonBorderColor = FButtonBorderColor;
    look.BorderColor = FBorderColor;
    look.FocusBorderColor = FFocusBorderColor;
    look.PickerButton = true;
    return look;
}

// ---- painting ------------------------------------------------------------------------------

void TFlatDateTimePicker::paintEvent(QPaintEvent* e) {
    TDateTimePicker::paintEvent(e);
    QPainter painter(this);
    TCanvas canvas(&painter);
    PaintNonClient(canvas);
    PaintClient(canvas);
}

void TFlatDateTimePicker::PaintOutline(TCanvas& Canvas) {
    const int w = width(), h = height();
    Canvas.Pen.Style = psSolid;
    Canvas.Pen.Color = FBorderStyle == bsNone && parentWidget() ? ParentBrushColor()
                       : FIsThemed                            ? kThemedOutlineColor
                                                              : FBorderColor;
    Canvas.MoveTo(0, h);
    Canvas.LineTo(0, 0);
    Canvas.LineTo(w - 1, 0);
    Canvas.LineTo(w - 1, h - 1);
    Canvas.LineTo(0, h - 1);
}

void TFlatDateTimePicker::PaintNonClient(TCanvas& Canvas) {
    const int w = width(), h = height();
    if (!FCtl3D && (!OutlineNeedsBorderColor() || FBorderColor != clNone)) {
        PaintOutline(Canvas);
        if (FBorderStyle == bsSingle) Canvas.Pen.Color = ParentBrushColor();
        if (parentWidget()) {
            Canvas.MoveTo(1, h - 2);
            Canvas.LineTo(1, 1);
            Canvas.LineTo(w - 1, 1);
        }
    }
    if (!isEnabled() && ThemesActive() && !FDisabledBorder) PaintBorders(Canvas);
    if (FFocusBorderColor != clNone && (hasFocus() || FBorderColor != clNone)) PaintBorders(Canvas);
}

void TFlatDateTimePicker::PaintClient(TCanvas& Canvas) {
    const TPickerPlatform platform = CurrentPickerPlatform();
    const bool metro = MetroActive();
    if ((FCtl3D && !metro) || !platform.VistaOrLater) return;
    const int w = width(), h = height();
    if (metro && Kind() != dtkTime && platform.ComCtl6) {
        const TColor background = Color() == clDefault ? clWindow : Color();
        Canvas.Brush.Color = background;
        Canvas.Brush.Style = bsSolid;
        if (ThemesActive()) Canvas.FillRect(Rect(w - FButtonWidth - MetroFillInset(), 1, w, h));
        else Canvas.FillRect(Rect(w - FButtonWidth - 2, 4, w - 2, h - 4));
        PaintFlatComboButton(Canvas, Look());
    }
    if (ClientOutline() && !FCtl3D) {
        PaintOutline(Canvas);
        if (!ThemesActive()) {
            Canvas.MoveTo(1, h);
            Canvas.LineTo(1, 1);
            Canvas.LineTo(w - 2, 1);
            Canvas.LineTo(w - 2, h - 2);
            Canvas.LineTo(0, h - 2);
        }
    }
    PaintBorders(Canvas);
}

void TFlatDateTimePicker::PaintBorders(TCanvas& Canvas) {
    if (!MetroActive()) return;
    if (isEnabled() && FBorderColor == clNone && FFocusBorderColor == clNone) return;
    TFlatComboLook look = Look();
    // The border routine's own gate asks for a flat combo; the pickers ask the test above.
    look.Flat = true;
    PaintFlatComboBorders(Canvas, look);
}

// ---- mouse and focus -----------------------------------------------------------------------

void TFlatDateTimePicker::mouseMoveEvent(QMouseEvent* e) {
    TDateTimePicker::mouseMoveEvent(e);
    const int x = e->position().toPoint().x();
    const bool hover = width() - FButtonWidth < x && x < width();
    if (hover != FButtonHover) {
        FButtonHover = hover;
        update();
    }
}

void TFlatDateTimePicker::enterEvent(QEnterEvent* e) {
    TDateTimePicker::enterEvent(e);
    if (!isEnabled()) return;
    FMouseInControl = true;
    update();
}

void TFlatDateTimePicker::leaveEvent(QEvent* e) {
    TDateTimePicker::leaveEvent(e);
    if (!isEnabled()) return;
    FMouseInControl = false;
    FButtonHover = false;
    update();
}

void TFlatDateTimePicker::DoEnter() {
    if (!Designing()) {
        FHasFocus = true;
        update();
    }
    TDateTimePicker::DoEnter();
}

void TFlatDateTimePicker::DoExit() {
    if (!Designing()) {
        FHasFocus = false;
        update();
    }
    TDateTimePicker::DoExit();
}

void TFlatDateTimePicker::CalendarShown() {
    update();
    TDateTimePicker::CalendarShown();
}

void TFlatDateTimePicker::CalendarHidden() {
    update();
    TDateTimePicker::CalendarHidden();
}

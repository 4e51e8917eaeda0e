// How the button of the edit-with-button paints: flat in the container's colours, as a
// themed push button, with a soft edge when flat, or as a classic push-button frame;
// then its glyph and its black caption.
#include "controls/office_theme.h"
#include "grid/edit/edit_button.h"

namespace {

// A one-pixel edge: light at the top and left and dark at the bottom and right, or the reverse.
void SoftEdge(TCanvas& Canvas, const TRect& r, bool Sunken) {
    QPainter& painter = *Canvas.Painter();
    const QColor light = ToQColor(Sunken ? clBtnShadow : clBtnHighlight);
    const QColor dark = ToQColor(Sunken ? clBtnHighlight : clBtnShadow);
    painter.fillRect(QRect(r.Left, r.Top, r.Width(), 1), light);
    painter.fillRect(QRect(r.Left, r.Top, 1, r.Height()), light);
    painter.fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), dark);
    painter.fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), dark);
}

}  // namespace

void TExSpeedButton::Paint() {
    TCanvas& canvas = *Canvas();
    TRect r = ClientRect();
    const bool down = Pressed();
    if (FContainer->ButtonColor() != clNone) {
        FFlat = true;
        TColor face = FContainer->ButtonColor();
        if (FHot) face = FContainer->ButtonColorHot();
        if (down) face = FContainer->ButtonColorDown();
        canvas.Brush.Color = face;
        canvas.Pen.Color = face;
        canvas.Rectangle(r);
    } else if (FIsWinXP && CurrentVisualStyle().Active) {
        canvas.DrawThemedPart(r, tpPushButton, down ? 2 : FHot ? 1 : 0);
    } else if (FFlat) {
        canvas.Painter()->fillRect(r.ToQRect(), ToQColor(clBtnFace));
        SoftEdge(canvas, r, down);
        r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    } else {
        canvas.DrawFrameControl(r, fcPushButton, false, false, false, down ? 2 : 0);
        r = Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
    }
    PaintGlyph(canvas);
    if (Caption().isEmpty()) return;
    if (down) r = Rect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
    canvas.Font.Color = clBlack;
    canvas.TransparentText = true;
    canvas.DrawText(Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

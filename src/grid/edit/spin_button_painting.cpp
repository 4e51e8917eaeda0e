// How an arrow of the spin pair paints: in the pair's colours, as a themed spin part, or
// classic (scroll arrows for left and right, the speed button's glyph face for up and down).
#include "controls/office_theme.h"
#include "grid/edit/spin_button.h"

#include <vector>

void TExTimerSpeedButton::Paint() {
    TCanvas& canvas = *Canvas();
    if (FPair->ButtonColor() != clNone) PaintColored(canvas);
    else if (FIsWinXP && CurrentVisualStyle().Active) PaintThemed(canvas);
    else PaintClassic(canvas);
}

void TExTimerSpeedButton::PaintColored(TCanvas& Canvas) {
    TColor face = FPair->ButtonColor();
    if (Pressed()) face = FPair->ButtonColorDown();
    else if (FHasMouse) face = FPair->ButtonColorHot();
    const TRect r = ClientRect();
    Canvas.Brush.Color = face;
    Canvas.Pen.Color = face;
    Canvas.Rectangle(r);
    std::vector<TPoint> triangle;
    switch (FButtonDirection) {
    case bdLeft: triangle = {{5, 5}, {3, 7}, {5, 9}}; break;
    case bdRight: triangle = {{3, 5}, {5, 7}, {3, 9}}; break;
    case bdUp: triangle = {{4, 4}, {8, 4}, {6, 2}}; break;
    case bdDown: triangle = {{4, 2}, {8, 2}, {6, 4}}; break;
    }
    for (TPoint& p : triangle) p = {r.Left + p.X, r.Top + p.Y};
    Canvas.Brush.Color = clBlack;
    Canvas.Pen.Color = clBlack;
    Canvas.Polygon(triangle);
}

void TExTimerSpeedButton::PaintThemed(TCanvas& Canvas) {
    static const TThemedPart parts[] = {tpSpinLeft, tpSpinRight, tpSpinUp, tpSpinDown};
    const int state = Pressed() ? 2 : FHasMouse ? 1 : 0;
    Canvas.DrawThemedPart(ClientRect(), parts[FButtonDirection], state);
}

void TExTimerSpeedButton::PaintClassic(TCanvas& Canvas) {
    if (FButtonDirection == bdLeft || FButtonDirection == bdRight) {
        Canvas.DrawFrameControl(ClientRect(), FButtonDirection == bdLeft ? fcScrollLeft : fcScrollRight, false, false,
                                Flat(), Pressed() ? 2 : 0);
        return;
    }
    TSpeedButton::Paint();
}

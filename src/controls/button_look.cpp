#include "controls/button_look.h"

void SetStandardButtonLook(TLbButton* button, const QString& glyphName, TColor hotTrackColor) {
    button->SetStyle(bsEncarta);
    button->SetColor(kButtonFaceColor);
    button->SetColorWhenDown(kButtonDownColor);
    button->SetHotTrackColor(hotTrackColor);
    button->SetLightColor(clGray);
    button->SetUseHotTrackFont(false);
    if (glyphName.isEmpty()) return;
    const TBitmap glyph = GlyphResource(glyphName);
    button->SetGlyph(&glyph);
}

void SetBoxToggleLook(TLbButton* button, bool expand) {
    button->SetStyle(bsEncarta);
    button->SetColor(kButtonFaceColor);
    button->SetColorWhenDown(kButtonDownColor);
    button->SetHotTrackColor(clYellow);
    button->SetLightColor(clGray);
    TBitmap sign(7, 7);
    TCanvas& canvas = sign.Canvas();
    canvas.Brush.Color = clWhite;
    canvas.FillRect(Rect(0, 0, 7, 7));
    canvas.Brush.Color = clBlack;
    canvas.FillRect(Rect(1, 3, 6, 4));
    if (expand) canvas.FillRect(Rect(3, 1, 4, 6));
    sign.SetTransparent(true);
    button->SetGlyph(&sign);
}

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

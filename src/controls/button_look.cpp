#include "controls/button_look.h"

TBitmap WindowGlyph(const QString& name) {
    TBitmap glyph;
    glyph.LoadFromFile(QStringLiteral(":/glyphs/%1.png").arg(name));
    return glyph;
}

void SetStandardButtonLook(TLbButton* button, const QString& glyphName, TColor hotTrackColor) {
    button->SetStyle(bsEncarta);
    button->SetColor(kButtonFaceColor);
    button->SetColorWhenDown(kButtonDownColor);
    button->SetHotTrackColor(hotTrackColor);
    button->SetLightColor(clGray);
    button->SetUseHotTrackFont(false);
    if (glyphName.isEmpty()) return;
    const TBitmap glyph = WindowGlyph(glyphName);
    button->SetGlyph(&glyph);
}

#include "dropdowns/keypad_appearance.h"

#include "dropdowns/dropdown_drawing.h"

TButtonAppearance::TButtonAppearance()
    : TButtonStateColors({.BorderColor = 0x000000,
                          .BorderColorHot = 0x000000,
                          .BorderColorDown = 0x000000,
                          .Color = 0x9A915F,
                          .ColorTo = 0xB0A170,
                          .ColorDown = 0x4B2F08,
                          .ColorDownTo = 0xADB514,
                          .ColorHot = 0x9F6F1C,
                          .ColorHotTo = 0xD5C244,
                          // A light grey: white a shade darker.
                          .ColorDisabled = ShadeColor(0xFFFFFF, -5, -5, -5),
                          .ColorDisabledTo = ShadeColor(0xFFFFFF, -5, -5, -5)}) {
    FFont.Size = 10;
    FFont.Style.Include(fsBold);
}

void TButtonAppearance::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TButtonAppearance*>(Source);
    if (!source) return TPersistent::Assign(Source);
    AssignStateColors(*source);
    FShineColor = source->FShineColor;
    FGlowColorHot = source->FGlowColorHot;
    FGlowColorDown = source->FGlowColorDown;
    FFont.Assign(source->FFont);
    SetTextColor(source->FTextColor);
    SetSpecialTextColor(source->FSpecialTextColor);
}

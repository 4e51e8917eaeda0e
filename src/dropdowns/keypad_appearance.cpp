#include "dropdowns/keypad_appearance.h"

#include "dropdowns/dropdown_drawing.h"

TButtonAppearance::TButtonAppearance()
    // Latched: the hot look of the strip buttons a shade darker; disabled: a light grey.
    : FColorCheckedTo(ShadeColor(0xF9D2B2, -10, -10, 0)), FColorDisabled(ShadeColor(0xFFFFFF, -5, -5, -5)),
      FColorDisabledTo(ShadeColor(0xFFFFFF, -5, -5, -5)), FColorChecked(ShadeColor(0xF5F0E1, -10, -10, 0)) {
    FFont.Size = 10;
    FFont.Style.Include(fsBold);
}

void TButtonAppearance::ChangeColor(TColor& Field, TColor Value) {
    if (Field == Value) return;
    Field = Value;
    if (OnChange) OnChange(this);
}

void TButtonAppearance::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TButtonAppearance*>(Source);
    if (!source) return TPersistent::Assign(Source);
    SetBorderColor(source->FBorderColor);
    SetBorderColorHot(source->FBorderColorHot);
    SetBorderColorDown(source->FBorderColorDown);
    SetBorderColorChecked(source->FBorderColorChecked);
    SetColor(source->FColor);
    SetColorTo(source->FColorTo);
    SetColorDown(source->FColorDown);
    SetColorDownTo(source->FColorDownTo);
    SetColorHot(source->FColorHot);
    SetColorHotTo(source->FColorHotTo);
    SetColorChecked(source->FColorChecked);
    SetColorCheckedTo(source->FColorCheckedTo);
    SetColorDisabled(source->FColorDisabled);
    SetColorDisabledTo(source->FColorDisabledTo);
    FShineColor = source->FShineColor;
    FGlowColorHot = source->FGlowColorHot;
    FGlowColorDown = source->FGlowColorDown;
    FFont.Assign(source->FFont);
    SetTextColor(source->FTextColor);
    SetSpecialTextColor(source->FSpecialTextColor);
}

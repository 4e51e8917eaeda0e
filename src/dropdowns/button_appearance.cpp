#include "dropdowns/button_appearance.h"

TExButtonAppearance::TExButtonAppearance()
    // The latched look is the hot look a shade darker in red and green.
    : FColorCheckedTo(ShadeColor(0xF9D2B2, -10, -10, 0)), FColorChecked(ShadeColor(0xF5F0E1, -10, -10, 0)) {
    FFont.Name = QStringLiteral("Tahoma");
}

void TExButtonAppearance::ChangeColor(TColor& Field, TColor Value) {
    if (Field == Value) return;
    Field = Value;
    if (OnChange) OnChange(this);
}

void TExButtonAppearance::SetGradient(TGradientDirection Value) {
    if (FGradient == Value) return;
    FGradient = Value;
    if (OnChange) OnChange(this);
}

void TExButtonAppearance::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TExButtonAppearance*>(Source);
    if (!source) return TPersistent::Assign(Source);
    SetBorderColor(source->FBorderColor);
    SetBorderColorHot(source->FBorderColorHot);
    SetBorderColorDown(source->FBorderColorDown);
    SetBorderColorDisabled(source->FBorderColorDisabled);
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
    SetGradient(source->FGradient);
}

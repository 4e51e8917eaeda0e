#include "dropdowns/button_appearance.h"

TExButtonAppearance::TExButtonAppearance()
    : TButtonStateColors({.BorderColor = clNone,
                          .BorderColorHot = 0x808080,
                          .BorderColorDown = 0x800000,
                          .Color = clNone,
                          .ColorTo = clNone,
                          .ColorDown = 0xF5D8CA,
                          .ColorDownTo = 0xF9BDA0,
                          .ColorHot = 0xF5F0E1,
                          .ColorHotTo = 0xF9D2B2,
                          .ColorDisabled = 0xF2F2F2,
                          .ColorDisabledTo = clNone}) {
    FFont.Name = QStringLiteral("Tahoma");
}

void TExButtonAppearance::SetGradient(TGradientDirection Value) {
    if (FGradient == Value) return;
    FGradient = Value;
    if (OnChange) OnChange(this);
}

void TExButtonAppearance::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TExButtonAppearance*>(Source);
    if (!source) return TPersistent::Assign(Source);
    AssignStateColors(*source);
    SetBorderColorDisabled(source->FBorderColorDisabled);
    SetGradient(source->FGradient);
}

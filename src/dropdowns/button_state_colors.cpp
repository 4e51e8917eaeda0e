#include "dropdowns/button_state_colors.h"

#include "dropdowns/dropdown_drawing.h"

TButtonStateColors::TButtonStateColors(const TDefaults& Defaults)
    : FBorderColor(Defaults.BorderColor), FBorderColorHot(Defaults.BorderColorHot),
      FBorderColorDown(Defaults.BorderColorDown), FColor(Defaults.Color), FColorTo(Defaults.ColorTo),
      FColorDown(Defaults.ColorDown), FColorDownTo(Defaults.ColorDownTo), FColorHot(Defaults.ColorHot),
      FColorHotTo(Defaults.ColorHotTo), FColorChecked(ShadeColor(0xF5F0E1, -10, -10, 0)),
      FColorCheckedTo(ShadeColor(0xF9D2B2, -10, -10, 0)), FColorDisabled(Defaults.ColorDisabled),
      FColorDisabledTo(Defaults.ColorDisabledTo) {}

void TButtonStateColors::ChangeColor(TColor& Field, TColor Value) {
    if (Field == Value) return;
    Field = Value;
    if (OnChange) OnChange(this);
}

void TButtonStateColors::AssignStateColors(const TButtonStateColors& Source) {
    SetBorderColor(Source.FBorderColor);
    SetBorderColorHot(Source.FBorderColorHot);
    SetBorderColorDown(Source.FBorderColorDown);
    SetBorderColorChecked(Source.FBorderColorChecked);
    SetColor(Source.FColor);
    SetColorTo(Source.FColorTo);
    SetColorDown(Source.FColorDown);
    SetColorDownTo(Source.FColorDownTo);
    SetColorHot(Source.FColorHot);
    SetColorHotTo(Source.FColorHotTo);
    SetColorChecked(Source.FColorChecked);
    SetColorCheckedTo(Source.FColorCheckedTo);
    SetColorDisabled(Source.FColorDisabled);
    SetColorDisabledTo(Source.FColorDisabledTo);
}

#pragma once
// The look of the header and footer strip buttons: the state colours, a disabled
// border, the gradient direction and the caption font.

#include "dropdowns/button_state_colors.h"
#include "dropdowns/dropdown_drawing.h"

class TExButtonAppearance : public TButtonStateColors {
public:
    TExButtonAppearance();

    TColor BorderColorDisabled() const { return FBorderColorDisabled; }
    void SetBorderColorDisabled(TColor Value) { ChangeColor(FBorderColorDisabled, Value); }
    TGradientDirection Gradient() const { return FGradient; }
    // Tells OnChange when the direction changes.
    void SetGradient(TGradientDirection Value);

    // Every colour and the gradient, through the setters; the font stays.
    void Assign(const TPersistent* Source) override;

private:
    TColor FBorderColorDisabled = 0x808080;
    TGradientDirection FGradient = gdVertical;
};

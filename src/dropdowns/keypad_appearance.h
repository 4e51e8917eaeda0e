#pragma once
// The look of a button panel's keys. Only the font and the two text colours (normal
// and special keys) show in the panel's painting; the state colours and the shine and
// glow colours are kept for the owner and the styles. The text colours tell OnChange
// when they change, the shine and glow colours do not.

#include "dropdowns/button_state_colors.h"

class TButtonAppearance : public TButtonStateColors {
public:
    TButtonAppearance();

    TColor TextColor() const { return FTextColor; }
    void SetTextColor(TColor Value) { ChangeColor(FTextColor, Value); }
    TColor SpecialTextColor() const { return FSpecialTextColor; }
    void SetSpecialTextColor(TColor Value) { ChangeColor(FSpecialTextColor, Value); }
    TColor ShineColor() const { return FShineColor; }
    void SetShineColor(TColor Value) { FShineColor = Value; }
    TColor GlowColorHot() const { return FGlowColorHot; }
    void SetGlowColorHot(TColor Value) { FGlowColorHot = Value; }
    TColor GlowColorDown() const { return FGlowColorDown; }
    void SetGlowColorDown(TColor Value) { FGlowColorDown = Value; }

    // Every colour, the font and the text colours.
    void Assign(const TPersistent* Source) override;

private:
    TColor FShineColor = 0xFFFFFF;
    TColor FGlowColorHot = 0xD5C244;
    TColor FGlowColorDown = 0xD5C244;
    TColor FTextColor = 0x000000;
    TColor FSpecialTextColor = 0x000080;
};

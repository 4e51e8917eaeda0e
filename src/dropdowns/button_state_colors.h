#pragma once
// The colours of a button in its states (normal, hot, pressed, latched, disabled) and
// its caption font, shared by the strip buttons' and the keypad's appearances. Every
// colour setter tells OnChange when the value changes.

#include "platform/canvas.h"
#include "platform/persistent.h"

class TButtonStateColors : public TPersistent {
public:
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { ChangeColor(FBorderColor, Value); }
    TColor BorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(TColor Value) { ChangeColor(FBorderColorHot, Value); }
    TColor BorderColorDown() const { return FBorderColorDown; }
    void SetBorderColorDown(TColor Value) { ChangeColor(FBorderColorDown, Value); }
    TColor BorderColorChecked() const { return FBorderColorChecked; }
    void SetBorderColorChecked(TColor Value) { ChangeColor(FBorderColorChecked, Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { ChangeColor(FColor, Value); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value) { ChangeColor(FColorTo, Value); }
    TColor ColorDown() const { return FColorDown; }
    void SetColorDown(TColor Value) { ChangeColor(FColorDown, Value); }
    TColor ColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(TColor Value) { ChangeColor(FColorDownTo, Value); }
    TColor ColorHot() const { return FColorHot; }
    void SetColorHot(TColor Value) { ChangeColor(FColorHot, Value); }
    TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(TColor Value) { ChangeColor(FColorHotTo, Value); }
    TColor ColorChecked() const { return FColorChecked; }
    void SetColorChecked(TColor Value) { ChangeColor(FColorChecked, Value); }
    TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(TColor Value) { ChangeColor(FColorCheckedTo, Value); }
    TColor ColorDisabled() const { return FColorDisabled; }
    void SetColorDisabled(TColor Value) { ChangeColor(FColorDisabled, Value); }
    TColor ColorDisabledTo() const { return FColorDisabledTo; }
    void SetColorDisabledTo(TColor Value) { ChangeColor(FColorDisabledTo, Value); }
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& Value) { FFont.Assign(Value); }

    TNotifyEvent OnChange;

protected:
    // Starting colours; the latched ones are the classic hot look a shade darker.
    struct TDefaults {
        TColor BorderColor, BorderColorHot, BorderColorDown, Color, ColorTo, ColorDown, ColorDownTo, ColorHot,
            ColorHotTo, ColorDisabled, ColorDisabledTo;
    };
    explicit TButtonStateColors(const TDefaults& Defaults);
    void ChangeColor(TColor& Field, TColor Value);
    // The state colours through their setters; the font stays.
    void AssignStateColors(const TButtonStateColors& Source);

    TFont FFont;

private:
    TColor FBorderColor;
    TColor FBorderColorHot;
    TColor FBorderColorDown;
    TColor FBorderColorChecked = 0xFF0000;
    TColor FColor;
    TColor FColorTo;
    TColor FColorDown;
    TColor FColorDownTo;
    TColor FColorHot;
    TColor FColorHotTo;
    TColor FColorChecked;
    TColor FColorCheckedTo;
    TColor FColorDisabled;
    TColor FColorDisabledTo;
};

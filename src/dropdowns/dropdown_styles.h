#pragma once
// The colours each control style gives a drop-down: its pop-up background and frame,
// its header and footer strips with their caption font, the strip buttons, and the
// items of a list-like drop-down. tsCustom changes no colour.

#include "controls/control_styles.h"
#include "dropdowns/button_appearance.h"
#include "dropdowns/item_appearance.h"
#include "dropdowns/strip_appearance.h"

// The pop-up colours of a style; a style that leaves the frame colour as it is says so.
struct TPopupStyleColors {
    TColor DropDownColor = clNone;
    TColor DropDownColorTo = clNone;
    bool SetsBorderColor = false;
    TColor DropDownBorderColor = clNone;
};

// Recolours the strips and the strip buttons for AStyle and gives the pop-up's
// colours; false (nothing changed) for tsCustom.
bool ApplyDropDownStyle(TZRTStyle AStyle, TStripAppearance& Header, TStripAppearance& Footer,
                        TExButtonAppearance& Buttons, TPopupStyleColors& Popup);
// The hot and selected colours of an item appearance for AStyle; nothing without an
// appearance or for tsCustom.
void SetItemAppearanceStyle(TItemAppearance* Appearance, TZRTStyle AStyle);

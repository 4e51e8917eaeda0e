#pragma once
// The drop-down button and the borders of a flat combo, as free routines so that the date
// pickers draw the same button and frame. The control passes what it knows in a
// TFlatComboLook; the routines read nothing else.
//
// Coordinates: like the platform's combo box, the control paints its 3D edge inside its
// client area, so client and control coordinates are the same; both routines draw in them.

#include "platform/canvas.h"
#include "platform/color.h"
#include "platform/types.h"

// The frame colour of a disabled control on a themed platform.
constexpr TColor kThemedDisabledBorderColor = RGBColor(127, 157, 185);

struct TFlatComboLook {
    int Width = 0;  // the whole control
    int Height = 0;
    int ButtonWidth = 0;
    bool Enabled = true;
    bool Flat = false;
    bool ThemedPlatform = true;  // common controls 6
    bool ThemesActive = true;    // themed platform and an active visual style
    bool DisabledBorder = true;
    bool IsWinXP = false;
    bool IsVista = false;
    bool Simple = false;          // a combo whose list is always shown (no button)
    bool Focused = false;         // the control has the focus
    bool ActiveControl = false;   // the control is the screen's active control
    bool MouseInControl = false;
    bool ButtonHover = false;
    bool MouseButtonDown = false; // the left or the right mouse button is pressed now
    bool DroppedDown = false;
    bool FocusBorder = false;
    bool Designing = false;
    TColor Color = clWindow;       // the control's background
    TColor ParentColor = clBtnFace; // the parent's background
    TColor FontColor = clWindowText;
    TColor ButtonColor = clNone;
    TColor ButtonColorHot = clNone;
    TColor ButtonColorDown = clNone;
    TColor ButtonTextColor = clNone;  // none: the arrow takes FontColor
    TColor ButtonTextColorDown = clNone;
    TColor ButtonBorderColor = clNone;
    TColor BorderColor = clNone;
    TColor FocusBorderColor = clNone;
    TColor FlatLineColor = clNone;
    // The date pickers' variant: the coloured button keeps its rectangle and its arrow
    // stands one pixel further right, and the button area of an active picker gets a
    // raised edge (flat while the calendar is dropped down).
    bool PickerButton = false;

    int ClientWidth() const { return Width; }
    int ClientHeight() const { return Height; }
};

class QWidget;
// A look with what the widget itself tells: size, enabled, keyboard focus, the mouse
// buttons held now, its parent's and its text colour. The control adds its own state.
TFlatComboLook WidgetLook(const QWidget* Control);
// The background colour of a control's parent: its own Color when set, else its palette's.
TColor ParentBrushColorOf(const QWidget* Control);

// The control paints itself rather than leaving it all to the platform.
bool FlatComboPaintsItself(const TFlatComboLook& look);
// The platform's own frame painting is followed by the borders.
bool FlatComboBordersFollowPlatformFrame(const TFlatComboLook& look);

// Draws the drop-down button and returns the strip the platform's painting must leave alone.
TRect PaintFlatComboButton(TCanvas& Canvas, const TFlatComboLook& look);
// Draws the frame and, for a flat combo, the flat button area.
void PaintFlatComboBorders(TCanvas& Canvas, const TFlatComboLook& look);

#pragma once
// The colour presets of the grid as data: each style and each XP colour scheme is a list
// of assignments, applied in order (an assignment may copy another colour that an
// earlier one set). grid_looks.cpp applies them.

#include "grid/core/base_grid.h"
#include "grid/core/string_grid_enumerations.h"
#include "grid/view/grid_look_enumerations.h"
#include "platform/color.h"

#include <optional>
#include <vector>

// Every colour a preset writes. "CL" ones go through the grid's ControlLook setters,
// so they reach the grid's ZRTGradient colours as those setters do.
enum TLookColorTarget {
    lcZRTGradientFrom, lcZRTGradientTo, lcZRTGradientMirrorFrom, lcZRTGradientMirrorTo,
    lcZRTGradientHoverFrom, lcZRTGradientHoverTo, lcZRTGradientHoverMirrorFrom, lcZRTGradientHoverMirrorTo,
    lcZRTGradientHoverBorder,
    lcCLFixedFrom, lcCLFixedTo, lcCLFixedMirrorFrom, lcCLFixedMirrorTo,
    lcCLHoverFrom, lcCLHoverTo, lcCLHoverMirrorFrom, lcCLHoverMirrorTo, lcCLHoverBorder,
    lcCLDownFrom, lcCLDownTo, lcCLDownMirrorFrom, lcCLDownMirrorTo, lcCLDownBorder,
    lcActiveCellColor, lcActiveCellColorTo,
    lcSelectionColor, lcSelectionColorTo, lcSelectionTextColor,
    lcGridLineColor, lcGridFixedLineColor,
    lcSearchFooterColor, lcSearchFooterColorTo,
    lcHeaderColor, lcHeaderColorTo, lcHeaderMirrorColor, lcHeaderMirrorColorTo,
};

// Target := a colour, or := the current value of another target.
struct TLookAssignment {
    TLookColorTarget Target;
    TColor Color = clNone;
    std::optional<TLookColorTarget> CopyOf;
};

struct TGridStylePreset {
    TExGridStyle Style;
    std::optional<TGridLook> Look;  // SetLook runs first when given
    std::vector<TLookAssignment> Colors;
    std::optional<TGridSelectionStyle> SelectionStyle;  // set after the colours
};

// One row per TExGridStyle, in the enumeration's order.
const std::vector<TGridStylePreset>& GridStylePresets();
// One row per TXPColorScheme, in the enumeration's order.
const std::vector<std::vector<TLookAssignment>>& XPColorSchemePresets();

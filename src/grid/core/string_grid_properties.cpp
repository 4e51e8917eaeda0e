// Setters of the string grid's look: highlight and active-cell colours, the selection
// mixer, showing the selection, the ZRT gradient, the text offset and the fonts. The
// highlight colours are also those of markup HI text, in every grid at once.

#include "grid/core/string_grid.h"
#include "grid/view/markup_renderer.h"

#include <algorithm>

void TExStringGrid::SetHighlightColor(TColor Value) {
    if (FHighlightColor == Value) return;
    FHighlightColor = Value;
    SetHighlightColors(FHighlightColor, FHighlightTextColor);
    InvalidateGrid();
}

void TExStringGrid::SetHighlightTextColor(TColor Value) {
    if (FHighlightTextColor == Value) return;
    FHighlightTextColor = Value;
    SetHighlightColors(FHighlightColor, FHighlightTextColor);
    InvalidateGrid();
}

void TExStringGrid::SetActiveCellShow(bool Value) {
    FActiveCellShow = Value;
    InvalidateGrid();
}

void TExStringGrid::SetActiveCellColor(TColor Value) {
    FActiveCellColor = Value;
    InvalidateGrid();
}

void TExStringGrid::SetActiveCellColorTo(TColor Value) {
    FActiveCellColorTo = Value;
    InvalidateGrid();
}

void TExStringGrid::SetSelectionColorMixerFactor(int Value) {
    Value = std::clamp(Value, 0, 100);
    if (FSelectionColorMixerFactor == Value) return;
    FSelectionColorMixerFactor = Value;
    InvalidateGrid();
}

void TExStringGrid::SetShowSelection(bool Value) {
    if (FShowSelection == Value) return;
    FShowSelection = Value;
    FShowSel = Value;
    InvalidateGrid();
}

void TExStringGrid::SetZRTGradientFrom(TColor Value) {
    FZRTGradientFrom = ColorToRGB(Value);
    InvalidateGrid();
}

void TExStringGrid::SetZRTGradientTo(TColor Value) {
    FZRTGradientTo = ColorToRGB(Value);
    InvalidateGrid();
}

void TExStringGrid::SetXYOffset(TPoint Value) {
    FXYOffset = Value;
    InvalidateGrid();
}

void TExStringGrid::SetFixedFont(const TFont& Value) {
    *FFixedFont = Value;
    InvalidateGrid();
}

void TExStringGrid::SetActiveCellFont(const TFont& Value) {
    *FActiveCellFont = Value;
    InvalidateGrid();
}

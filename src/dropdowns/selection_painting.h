#pragma once
// How the list-like drop-downs paint a selected item: a selection colour style gives
// the selection gradient's colours and the rounded Office-like face around it.

#include "dropdowns/item_appearance.h"
#include "platform/canvas.h"

// The selection colours of Style; scCustom leaves both as they are.
void ApplySelectionColorStyle(TSelectionColorStyle Style, TColor& SelectionColor, TColor& SelectionColorTo);
// scCustom fills R with SelectionColor; the other styles paint a rounded face with the
// style's border, inner lines and corners, ButtonType choosing the whole face or the
// left, right or middle segment of a group, CornerColor the four outermost pixels.
void DrawSelectionBackground(TCanvas& Canvas, const TRect& R, int ButtonType, TColor CornerColor,
                             TSelectionColorStyle Style, TColor SelectionColor, TColor SelectionColorTo);

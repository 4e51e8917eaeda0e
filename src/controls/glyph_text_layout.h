#pragma once
// Where a button puts its glyph and its caption: side by side or stacked, with a margin
// from the edge and a spacing between them, either of which may be automatic (-1).

#include "controls/lb_button_face.h"
#include "platform/types.h"

using TButtonLayout = TLbButtonLayout;

struct TGlyphTextPlace {
    TPoint GlyphPos;
    TRect TextBounds;
};

// Client is the area to fill, Offset moves both parts (the pressed look); a missing
// glyph or caption has size 0 by 0. Right to left swaps the glyph's side.
TGlyphTextPlace LayoutGlyphAndText(const TRect& Client, TPoint Offset, TSize GlyphSize, TSize CaptionSize,
                                   TButtonLayout Layout, int Margin, int Spacing, bool RightToLeft);

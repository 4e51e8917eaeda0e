#include "controls/glyph_text_layout.h"

TGlyphTextPlace LayoutGlyphAndText(const TRect& Client, TPoint Offset, TSize GlyphSize, TSize CaptionSize,
                                   TButtonLayout Layout, int Margin, int Spacing, bool RightToLeft) {
    if (RightToLeft) {
        if (Layout == blGlyphLeft) Layout = blGlyphRight;
        else if (Layout == blGlyphRight) Layout = blGlyphLeft;
    }
    const int w = Client.Width();
    const int h = Client.Height();
    const bool sideBySide = Layout == blGlyphLeft || Layout == blGlyphRight;
    TPoint glyph{0, 0};
    TPoint text{0, 0};
    if (sideBySide) {
        glyph.Y = (h - GlyphSize.cy + 1) / 2;
        text.Y = (h - CaptionSize.cy + 1) / 2;
    } else {
        glyph.X = (w - GlyphSize.cx + 1) / 2;
        text.X = (w - CaptionSize.cx + 1) / 2;
    }
    if (CaptionSize.cx == 0 || GlyphSize.cx == 0) Spacing = 0;

    const int room = sideBySide ? w : h;
    const int g = sideBySide ? GlyphSize.cx : GlyphSize.cy;
    const int s = sideBySide ? CaptionSize.cx : CaptionSize.cy;
    if (Margin == -1 && Spacing == -1) {
        Margin = Spacing = (room - g - s) / 3;
    } else if (Margin == -1) {
        Margin = (room - g - Spacing - s + 1) / 2;
    } else if (Spacing == -1) {
        Spacing = (room - Margin - g - s) / 2;
    }

    int& glyphAlong = sideBySide ? glyph.X : glyph.Y;
    int& textAlong = sideBySide ? text.X : text.Y;
    if (Layout == blGlyphLeft || Layout == blGlyphTop) {
        glyphAlong = Margin;
        textAlong = glyphAlong + g + Spacing;
    } else {
        glyphAlong = room - Margin - g;
        textAlong = glyphAlong - Spacing - s;
    }

    const int dx = Client.Left + Offset.X;
    const int dy = Client.Top + Offset.Y;
    TGlyphTextPlace place;
    place.GlyphPos = {glyph.X + dx, glyph.Y + dy};
    place.TextBounds = Rect(text.X + dx, text.Y + dy, text.X + dx + CaptionSize.cx, text.Y + dy + CaptionSize.cy);
    return place;
}

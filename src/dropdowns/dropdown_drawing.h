#pragma once
// Drawing routines the drop-down controls share: colour mixing and shading, the
// background of a strip or button, an image beside a caption, a glyph on a colour,
// text measuring and shortening, and marked-up captions. Colours are TColor values;
// clNone means no colour.

#include "platform/canvas.h"
#include "platform/messages.h"

#include <QString>

class TBitmap;
class TCustomImageList;

enum TGradientDirection { gdHorizontal, gdVertical };

// Percent of Color1 mixed with the rest of Color2, rounding half to even. 100 or more
// gives Color1 and 0 or less Color2, unconverted.
TColor BlendColor(TColor Color1, TColor Color2, int Percent);
// Each channel scaled by 100 + its percentage (at most 100 %); a channel of 0 becomes
// the percentage itself when that is positive.
TColor ShadeColor(TColor Color, int RedPercent, int GreenPercent, int BluePercent);
// A gradient in 80 bands (or a fill when ColorTo is clNone) and a border of
// BorderWidth pixels unless BorderColor is clNone.
void DrawButtonBackground(TCanvas& Canvas, const TRect& R, TColor Color, TColor ColorTo, TColor BorderColor,
                          int BorderWidth, TGradientDirection Direction);
// An image of the list 4 pixels in from the left, vertically centred, then the text
// on one line, vertically centred, ended with "..." when too wide, and centred
// horizontally only when there is no image.
void DrawImageAndText(TCanvas& Canvas, TRect R, const QString& Text, int ImageIndex, const TCustomImageList* Images);
// The part of Glyph that fits R, its top-left pixel's colour replaced by Color.
void DrawGlyphOnColor(TCanvas& Canvas, const TBitmap& Glyph, TColor Color, const TRect& R);
// The size of Text laid out on one line; (0, 0) for an empty text.
TSize GetTextSize(TCanvas& Canvas, const QString& Text);
// The same, measured outside any painting in Font.
TSize GetTextSize(const TFont& Font, const QString& Text);
// Text shortened from the end until narrower than MaxWidth, with "..." appended when
// AddEllipsis; Text itself when it fits or when nothing shorter does.
QString TruncateText(TCanvas& Canvas, const QString& Text, int MaxWidth, bool AddEllipsis);
// Measures (Paint off) or paints a mini-HTML text in R; Size is (0, 0) for an empty
// text, else the laid-out width and height.
void DrawHTMLText(TCanvas& Canvas, const QString& Text, const TRect& R, TSize& Size, HWND Wnd, bool Paint,
                  TCustomImageList* Images);

#pragma once
// Stepped gradients, the Office-like button face with cut corners, bitmaps drawn with
// one colour replaced and the small drop-down arrow. Every routine draws nothing for
// an empty or inverted size.

#include "platform/canvas.h"

#include <QImage>
#include <QString>

// Fills rect with steps + 1 bands from 'from' to 'to' (left to right when horizontal,
// top to bottom otherwise); a colour of clNone makes it a plain fill.
void FillGradientRect(TCanvas& canvas, TColor from, TColor to, int steps, const TRect& rect, bool horizontal);
// Paints r in steps bands from 'from' to 'to' (system colours resolved): left to right
// in vertical strips when horizontal, else top to bottom. Each band is one pixel wider
// than its share, so neighbours overlap; steps 0 counts as 1. Channel values and band
// offsets round half to even.
void DrawGradient(TCanvas& canvas, TColor from, TColor to, int steps, TRect r, bool horizontal);
// A gradient, optionally in two mirrored halves, and an optional border (clNone: none).
void DrawGradientMirrorRect(TCanvas& canvas, const TRect& rect, TColor color, TColor colorTo, TColor mirrorColor,
                            TColor mirrorColorTo, bool vertical, TColor borderColor, bool sidesOnly, bool fill);

// Which part of a button group a rounded button face is. A rectangle under 3 pixels
// wide or high draws nothing.
enum TRoundedButtonKind { rbWhole = 0, rbLeftEnd = 1, rbRightEnd = 2, rbMiddle = 3 };
void DrawRoundedGradientButton(TCanvas& canvas, TColor color, TColor colorTo, TColor mirrorColor, TColor mirrorColorTo,
                               TColor upperInnerColor, TColor lowerInnerColor, TColor borderColor, TColor cornerColor,
                               TColor backgroundColor, const TRect& rect, int kind);

// Draws the bitmap at its own size at rect's top-left corner, every pixel of its
// top-left pixel's colour replaced by backgroundColor.
void DrawTransparentBitmap(TCanvas& canvas, const QImage& bitmap, TColor backgroundColor, const TRect& rect);
// The same for a picture of the program's resources (":/..." name or a plain name
// looked up under ":/"); nothing is drawn when there is no such picture.
void DrawTransparentBitmapResource(TCanvas& canvas, TColor backgroundColor, const TRect& rect,
                                   const QString& resourceName);
// Fills the triangle (x - 3, y), (x + 3, y), (x, y + 3).
void DrawSmallDownArrow(TCanvas& canvas, int x, int y, TColor color);

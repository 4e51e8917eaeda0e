#pragma once
// The face of the styled push button: background in one of six styles, edges,
// caption, glyph and popup arrow for the normal, hot, pressed and disabled states,
// plus the colour-style presets and the drawing helpers the face is made of.

#include "platform/alignment.h"
#include "platform/bitmap.h"
#include "platform/canvas.h"

enum TLbButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };
enum TLbButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TLbColorStyle {
    lcsCustom, lcsGold, lcsChrome, lcsBlue, lcsRed, lcsUltraFlat1, lcsUltraFlat2,
    lcsUltraFlatXP, lcsAqua, lcsDefault, lcsQuicken
};

// Everything the face depends on, in the order the button hands it over.
struct TLbButtonFace {
    int Width = 0;
    int Height = 0;
    TAlignment Alignment = taCenter;
    QString Caption;
    TLbButtonLayout Layout = blGlyphLeft;
    TFont Font;
    TColor ShadowColor = clGray;
    TColor LightColor = clWhite;
    TColor HotTrackColor = clNone;
    TColor ColorWhenDown = clNone;
    TColor Color = clBtnFace;
    TLbButtonStyle Style = bsNormal;
    bool HasPopup = false;
    bool WordWrap = false;
    bool Flat = false;
    bool Enabled = true;
    bool Hot = false;  // pointer over the button, or the button focused
    bool Down = false;
    const TBitmap* Glyph = nullptr;  // a strip of NumGlyphs images side by side
    int NumGlyphs = 0;
    int HotTrackStep = 0;  // 0 (none) to 8 (full hot-track colour)
};

// Paints the face into the area (0, 0, Width, Height) of the canvas.
void DrawLbButtonFace(TCanvas& canvas, TLbButtonFace face);

// Channel-wise (1 - step/8) * color + step/8 * hotTrackColor, each truncated.
TColor BlendHotTrackColor(TColor color, TColor hotTrackColor, int step);

// 32 horizontal bands from startColor to endColor over (left, top, right, bottom);
// each band is span div 31 + 1 high and starts span div 31 below the one before.
void FillButtonGradient(TCanvas& canvas, TColor startColor, TColor endColor, int left, int top, int right,
                        int bottom);

// Draws image imageIndex (gw by gh) of the strip at (x, y), its lower-left pixel's
// colour left out; an index beyond the strip draws the first image.
void DrawGlyphCell(TCanvas& canvas, const TBitmap& glyph, int x, int y, int imageIndex, int gw, int gh);

struct TLbColorStylePreset {
    TColor Color;
    TColor LightColor;
    TColor ShadowColor;
    TColor ColorWhenDown;
    TColor HotTrackColor;
    bool Flat;
    TColor FontColor;
    TLbButtonStyle Style;
};

// The preset row of a colour style other than lcsCustom.
const TLbColorStylePreset& LbColorStylePreset(TLbColorStyle style);

// A compiled-in glyph picture: a kind glyph such as "LBOK", "LBARROW", or a 24 by 24
// window glyph such as "ok" or "open"; empty when unknown.
TBitmap GlyphResource(const QString& name);

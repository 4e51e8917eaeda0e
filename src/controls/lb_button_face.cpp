#include "controls/lb_button_face.h"

#include <algorithm>

namespace {

constexpr TColor kMagenta = RGBColor(255, 0, 255);

void DrawEdges(TCanvas& canvas, const TLbButtonFace& f, TColor faceColor) {
    const int W = f.Width, H = f.Height;
    canvas.Pen.Style = psSolid;
    switch (f.Style) {
    case bsNormal:
    case bsEncarta:
    case bsOld: {
        const bool edges = (f.Enabled && (!f.Flat || f.Hot || f.Down)) || (!f.Enabled && !f.Flat);
        if (!edges) return;
        if (f.Style == bsOld) {
            canvas.Pen.Color = f.ShadowColor;
            if (f.Down) canvas.Polyline({{1, H - 3}, {1, 1}, {W - 2, 1}});
            else canvas.Polyline({{W - 2, 0}, {W - 2, H - 2}, {0, H - 2}});
        }
        const TColor dark = f.Style == bsOld ? cl3DDkShadow : f.ShadowColor;
        canvas.Pen.Color = f.Down ? dark : f.LightColor;
        canvas.Polyline({{0, H - 1}, {0, 0}, {W - 1, 0}});
        canvas.Pen.Color = f.Down ? f.LightColor : dark;
        canvas.Polyline({{W - 1, 0}, {W - 1, H - 1}, {f.Style == bsOld ? -1 : 0, H - 1}});
        return;
    }
    case bsModern:
        canvas.Pen.Color = f.Down ? f.ShadowColor : faceColor;
        canvas.Rectangle(1, 1, W - 1, H - 1);
        canvas.Pen.Color = f.ShadowColor;
        canvas.RoundRect(0, 0, W, H, 6, 6);
        return;
    case bsQuicken:
        canvas.Pen.Style = psClear;
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = faceColor;
        canvas.RoundRect(0, 1, W, H, 4, 4);
        canvas.Brush.Style = bsClear;
        canvas.Pen.Style = psSolid;
        canvas.Pen.Color = f.ShadowColor;
        canvas.MoveTo(4, 0);
        canvas.LineTo(W - 5, 0);
        canvas.MoveTo(4, H - 1);
        canvas.LineTo(W - 5, H - 1);
        return;
    case bsShape:
        return;
    }
}

// Shortens the caption from its end until it fits, then measures it word-broken in A.
struct FittedCaption {
    QString text;
    int width = 0;
    int height = 0;
};

FittedCaption FitCaption(TCanvas& canvas, QString caption, int available, bool wordWrap, unsigned format) {
    available = std::max(0, available);
    if (!wordWrap)
        while (!caption.isEmpty() && canvas.TextWidth(caption) > available) caption.chop(1);
    TRect r = Rect(0, 0, available, 0);
    canvas.DrawText(caption, r, format | DT_CALCRECT);
    return {caption, r.Width(), r.Height()};
}

}  // namespace

TColor BlendHotTrackColor(TColor color, TColor hotTrackColor, int step) {
    const TColor c = ColorToRGB(color), h = ColorToRGB(hotTrackColor);
    const double s = step / 8.0;
    auto mix = [s](int a, int b) { return int((1 - s) * a + s * b); };
    return RGBColor(mix(GetRValue(c), GetRValue(h)), mix(GetGValue(c), GetGValue(h)), mix(GetBValue(c), GetBValue(h)));
}

void FillButtonGradient(TCanvas& canvas, TColor startColor, TColor endColor, int left, int top, int right,
                        int bottom) {
    const TColor from = ColorToRGB(startColor), to = ColorToRGB(endColor);
    const TPenStyle keepPen = canvas.Pen.Style;
    const TBrush keepBrush = canvas.Brush;
    canvas.Pen.Style = psClear;
    canvas.Brush.Style = bsSolid;
    const int span = bottom - top;
    const int band = span / 31 + 1;
    double r = GetRValue(from), g = GetGValue(from), b = GetBValue(from);
    const double dr = (GetRValue(to) - GetRValue(from)) / 31.0;
    const double dg = (GetGValue(to) - GetGValue(from)) / 31.0;
    const double db = (GetBValue(to) - GetBValue(from)) / 31.0;
    for (int i = 0; i <= 31; ++i) {
        canvas.Brush.Color = RGBColor(int(r), int(g), int(b));
        const int bandTop = top + i * span / 31;
        canvas.FillRect(Rect(left, bandTop, right, std::min(bandTop + band, bottom)));
        r += dr;
        g += dg;
        b += db;
    }
    canvas.Pen.Style = keepPen;
    canvas.Brush = keepBrush;
}

void DrawGlyphCell(TCanvas& canvas, const TBitmap& glyph, int x, int y, int imageIndex, int gw, int gh) {
    if (glyph.Empty() || gw <= 0 || gh <= 0) return;
    TBitmap strip(glyph);
    strip.SetTransparent(false);
    TBitmap cell(strip);
    cell.SetSize(gw, gh);
    cell.Canvas().Draw(-imageIndex * gw, 0, strip);
    cell.SetTransparent(true);
    cell.SetTransparentMode(tmAuto);
    canvas.Draw(x, y, cell);
}

void DrawLbButtonFace(TCanvas& canvas, TLbButtonFace f) {
    const int W = f.Width, H = f.Height;
    f.Down = f.Down && f.Enabled;
    const int off = f.Down && f.Style != bsEncarta ? 1 : 0;

    TColor faceColor = f.Color;
    if (f.Enabled && f.HotTrackColor != clNone)
        faceColor = BlendHotTrackColor(f.Color, f.HotTrackColor, f.HotTrackStep);
    if (f.Down && f.ColorWhenDown != clNone) faceColor = f.ColorWhenDown;

    canvas.Brush.Style = bsSolid;
    switch (f.Style) {
    case bsShape:
        canvas.Brush.Color = kMagenta;
        canvas.FillRect(Rect(0, 0, W, H));
        break;
    case bsNormal:
    case bsEncarta:
    case bsOld:
        canvas.Brush.Color = faceColor;
        canvas.FillRect(Rect(0, 0, W, H));
        break;
    case bsModern:
        FillButtonGradient(canvas, f.LightColor, faceColor, 2, 2, W - 2, H / 4 + off);
        FillButtonGradient(canvas, faceColor, f.LightColor, 2, H / 4 + off, W - 2, H - 1);
        break;
    case bsQuicken:
        break;
    }
    canvas.Brush.Style = bsClear;
    DrawEdges(canvas, f, faceColor);
    canvas.Brush.Style = bsClear;

    canvas.Font = f.Font;
    if (f.Style == bsEncarta && f.Down) canvas.Font.Style.Include(fsBold);

    const int gh = f.Glyph ? f.Glyph->Height() : 0;
    const int gw = f.Glyph && f.NumGlyphs > 0 ? f.Glyph->Width() / f.NumGlyphs : 0;
    int imageIndex = 0;
    if (!f.Enabled) imageIndex = 1;
    else if (f.Down && f.NumGlyphs > 2) imageIndex = 2;
    else if (f.Hot && f.NumGlyphs > 3) imageIndex = 3;

    unsigned format = DT_WORDBREAK;
    if (f.Alignment == taRightJustify) format |= DT_RIGHT;
    else if (f.Alignment == taCenter) format |= DT_CENTER;

    if (f.Style == bsShape) {
        const FittedCaption text = FitCaption(canvas, f.Caption, W - 8, f.WordWrap, format);
        if (f.Glyph) DrawGlyphCell(canvas, *f.Glyph, (W - gw) / 2, (H - gh) / 2, imageIndex, gw, gh);
        TRect r = Rect(off, (H - text.height) / 2 + off, W, H);
        canvas.DrawText(text.text, r, DT_WORDBREAK | DT_CENTER);
    } else {
        int available = W - 8;
        int textLeft = off + 4, textTop = 0, glyphX = 0, glyphY = 0;
        FittedCaption text;
        if (f.Layout == blGlyphLeft || f.Layout == blGlyphRight) {
            if (gw > 0) available -= gw + 4;
            text = FitCaption(canvas, f.Caption, available, f.WordWrap, format);
            textTop = (H - text.height) / 2 + off;
            if (f.Layout == blGlyphLeft && gw > 0) textLeft += gw + 4;
            glyphY = (H - gh) / 2 + off;
            const int tw = text.text.isEmpty() ? 0 : text.width + 4;
            if (f.Layout == blGlyphLeft) {
                glyphX = off + 4;
                if (!f.WordWrap) {
                    if (f.Alignment == taRightJustify) glyphX = W - 4 - gw - tw + off;
                    else if (f.Alignment == taCenter) glyphX = (W - gw) / 2 + off - tw / 2;
                }
            } else {
                glyphX = textLeft + tw;
                if (!f.WordWrap) {
                    if (f.Alignment == taRightJustify) glyphX = W - 4 - gw + off;
                    else if (f.Alignment == taCenter) glyphX = (W - gw) / 2 + off + tw / 2;
                }
            }
        } else {
            text = FitCaption(canvas, f.Caption, available, f.WordWrap, format);
            const int total = text.height + (gh > 0 ? gh + 4 : 0);
            if (f.Layout == blGlyphTop) {
                textTop = (H - total) / 2 + gh + off;
                glyphY = (H - total) / 2 + off;
            } else {
                textTop = (H - total) / 2 + off;
                glyphY = (H - total) / 2 + text.height + off;
            }
            glyphX = off + 4;
            if (f.Alignment == taRightJustify) glyphX = W - gw - 4 + off;
            else if (f.Alignment == taCenter) glyphX = (W - gw) / 2 + off;
        }
        if (!f.Enabled) canvas.Font.Color = clGray;
        TRect r = Rect(textLeft, textTop, textLeft + std::max(0, available), textTop + text.height);
        canvas.DrawText(text.text, r, format);
        if (f.Glyph) DrawGlyphCell(canvas, *f.Glyph, glyphX, glyphY, imageIndex, gw, gh);
    }

    if (f.HasPopup) {
        static const TBitmap arrow = [] {
            TBitmap b = GlyphResource(QStringLiteral("LBARROW"));
            b.SetTransparent(true);
            return b;
        }();
        canvas.Draw(W - 11, H / 2 - 1, arrow);
    }
}

const TLbColorStylePreset& LbColorStylePreset(TLbColorStyle style) {
    static const TLbColorStylePreset presets[] = {
        // lcsCustom has no row; it is never applied.
        {clBtnFace, clWhite, clGray, clNone, clNone, false, clBlack, bsNormal},
        {RGBColor(192, 192, 0), RGBColor(255, 255, 0), RGBColor(128, 128, 0), clNone, RGBColor(223, 223, 0), false,
         clBlack, bsModern},
        {RGBColor(192, 192, 192), RGBColor(255, 255, 255), RGBColor(128, 128, 128), clNone, clNone, false, clBlack,
         bsModern},
        {RGBColor(0, 128, 255), RGBColor(0, 255, 255), RGBColor(0, 0, 255), clNone, clNone, false, clBlack, bsModern},
        {RGBColor(255, 0, 0), RGBColor(255, 192, 192), RGBColor(192, 0, 0), clNone, clNone, false, clBlack, bsModern},
        {clBtnFace, RGBColor(132, 146, 181), RGBColor(132, 146, 181), RGBColor(132, 146, 181),
         RGBColor(214, 211, 222), true, clBlack, bsNormal},
        {clBtnFace, RGBColor(0, 0, 0), RGBColor(0, 0, 0), RGBColor(188, 218, 36), RGBColor(228, 246, 140), true,
         clBlack, bsNormal},
        {RGBColor(219, 216, 209), RGBColor(132, 146, 181), RGBColor(133, 146, 181), RGBColor(133, 146, 181),
         RGBColor(182, 189, 210), true, clBlack, bsNormal},
        {RGBColor(148, 206, 236), RGBColor(212, 230, 252), RGBColor(0, 0, 0), clNone, clNone, false, clBlack, bsModern},
        {clBtnFace, RGBColor(255, 255, 255), RGBColor(128, 128, 128), clNone, clNone, false, clBlack, bsNormal},
        {RGBColor(0, 48, 96), RGBColor(192, 192, 192), RGBColor(192, 192, 192), RGBColor(41, 101, 173),
         RGBColor(156, 174, 206), false, clWhite, bsQuicken},
    };
    static_assert(std::size(presets) == lcsQuicken + 1);
    return presets[style];
}

// The resources live in a static library, so they are registered on first use.
static void Load_Glyph_Resources() { Q_INIT_RESOURCE(resources); }

TBitmap GlyphResource(const QString& name) {
    static const bool loaded = (Load_Glyph_Resources(), true);
    Q_UNUSED(loaded);
    TBitmap bitmap;
    bitmap.LoadFromFile(QStringLiteral(":/glyphs/%1.png").arg(name));
    return bitmap;
}

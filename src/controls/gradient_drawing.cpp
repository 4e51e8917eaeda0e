#include "controls/gradient_drawing.h"

#include "controls/color_utilities.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

void FillSolid(TCanvas& canvas, TColor color, const TRect& rect) {
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = color;
    canvas.Pen.Color = color;
    canvas.FillRect(rect);
}

void Line(TCanvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

// The rectangle split in the middle: top and bottom halves, or left and right halves.
std::pair<TRect, TRect> SplitHalves(const TRect& rect, bool topAndBottom) {
    TRect first = rect, second = rect;
    if (topAndBottom) {
        first.Bottom = second.Top = rect.Top + rect.Height() / 2;
    } else {
        first.Right = second.Left = rect.Left + rect.Width() / 2;
    }
    return {first, second};
}

}  // namespace

void FillGradientRect(TCanvas& canvas, TColor from, TColor to, int steps, const TRect& rect, bool horizontal) {
    TRect r = rect;
    if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
    if (r.IsEmpty()) return;
    if (from == clNone && to == clNone) return;
    if (from == clNone || to == clNone) {
        FillSolid(canvas, from == clNone ? to : from, r);
        return;
    }
    const int size = (horizontal ? r.Width() : r.Height()) - 1;
    steps = std::max(1, std::min(steps, size));
    const TColor a = ColorToRGB(from);
    const TColor b = ColorToRGB(to);
    auto channel = [&](int k, int ca, int cb) { return ca + RoundHalfEvenDiv(static_cast<long long>(k) * (cb - ca), steps); };
    // Band k starts at Trunc(k * size / steps) and is Trunc(size / steps + 1) wide, cut at the edge.
    const int bandWidth = size / steps + 1;
    for (int k = 0; k <= steps; ++k) {
        const int offset = static_cast<int>(static_cast<long long>(k) * size / steps);
        const TColor color = RGBColor(channel(k, GetRValue(a), GetRValue(b)), channel(k, GetGValue(a), GetGValue(b)),
                                      channel(k, GetBValue(a), GetBValue(b)));
        TRect band = r;
        if (horizontal) {
            band.Left = r.Left + offset;
            band.Right = std::min(r.Right, band.Left + bandWidth);
        } else {
            band.Top = r.Top + offset;
            band.Bottom = std::min(r.Bottom, band.Top + bandWidth);
        }
        FillSolid(canvas, color, band);
    }
}

void DrawGradient(TCanvas& canvas, TColor from, TColor to, int steps, TRect r, bool horizontal) {
    if (steps == 0) steps = 1;
    if (steps < 0) return;
    // The last column (or row) only narrows the bands; the overlap fills it.
    if (horizontal) --r.Right;
    else --r.Bottom;
    const TColor c1 = ColorToRGB(from);
    const TColor c2 = ColorToRGB(to);
    const double stepR = double(GetRValue(c2) - GetRValue(c1)) / steps;
    const double stepG = double(GetGValue(c2) - GetGValue(c1)) / steps;
    const double stepB = double(GetBValue(c2) - GetBValue(c1)) / steps;
    const double band = double(horizontal ? r.Right - r.Left : r.Bottom - r.Top) / steps;
    const int bandSize = static_cast<int>(std::nearbyint(band)) + 1;
    canvas.Pen.Style = psSolid;
    canvas.Brush.Style = bsSolid;
    for (int i = 0; i < steps; ++i) {
        const TColor color = RGBColor(GetRValue(c1) + static_cast<int>(std::nearbyint(i * stepR)),
                                      GetGValue(c1) + static_cast<int>(std::nearbyint(i * stepG)),
                                      GetBValue(c1) + static_cast<int>(std::nearbyint(i * stepB)));
        canvas.Pen.Color = color;
        canvas.Brush.Color = color;
        const int offset = static_cast<int>(static_cast<std::uint16_t>(std::nearbyint(i * band)));
        if (horizontal)
            canvas.Rectangle(r.Left + offset, r.Top, r.Left + offset + bandSize, r.Bottom);
        else
            canvas.Rectangle(r.Left, r.Top + offset, r.Right, r.Top + offset + bandSize);
    }
}

void DrawGradientMirrorRect(TCanvas& canvas, const TRect& rect, TColor color, TColor colorTo, TColor mirrorColor,
                            TColor mirrorColorTo, bool vertical, TColor borderColor, bool sidesOnly, bool fill) {
    if (rect.IsEmpty()) return;
    if (fill && color != clNone) {
        if (mirrorColor == clNone) {
            if (colorTo == clNone) {
                canvas.Pen.Width = 1;
                canvas.Pen.Style = psSolid;
                FillSolid(canvas, color, Rect(rect.Left, rect.Top, rect.Right, rect.Bottom + 1));
            } else {
                FillGradientRect(canvas, color, colorTo, 128, rect, !vertical);
            }
        } else {
            const auto [first, second] = SplitHalves(rect, vertical);
            FillGradientRect(canvas, color, colorTo, 128, first, !vertical);
            FillGradientRect(canvas, mirrorColor, mirrorColorTo, 128, second, !vertical);
        }
    }
    if (borderColor == clNone) return;
    canvas.Pen.Color = borderColor;
    canvas.Pen.Style = psSolid;
    if (sidesOnly) {
        Line(canvas, rect.Left, rect.Top, rect.Left, rect.Bottom);
        Line(canvas, rect.Right - 1, rect.Top, rect.Right - 1, rect.Bottom);
    } else {
        canvas.FrameRect(rect);
    }
}

void DrawRoundedGradientButton(TCanvas& canvas, TColor color, TColor colorTo, TColor mirrorColor, TColor mirrorColorTo,
                               TColor upperInnerColor, TColor lowerInnerColor, TColor borderColor, TColor cornerColor,
                               TColor backgroundColor, const TRect& rect, int kind) {
    // Under 3 pixels either way the cut corners would land outside the rectangle.
    if (rect.Width() < 3 || rect.Height() < 3) return;
    const int left = rect.Left;
    const int top = rect.Top;
    const int bottom = rect.Bottom - 2;
    const int right = rect.Right - 1;
    const int middle = top + (bottom - top) / 2;
    const bool leftEnd = kind == rbWhole || kind == rbLeftEnd;
    const bool rightEnd = kind == rbWhole || kind == rbRightEnd;
    const int ml = leftEnd ? 2 : 0;
    const int mr = rightEnd ? 2 : 0;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Width = 1;

    canvas.Pen.Color = upperInnerColor;
    Line(canvas, left, top + 1, right, top + 1);
    if (leftEnd) Line(canvas, left + 1, top + 1, left + 1, middle);
    if (rightEnd) Line(canvas, right - 2, top + 1, right - 2, middle);

    canvas.Pen.Color = lowerInnerColor;
    Line(canvas, left, bottom - 1, right, bottom - 1);
    if (leftEnd) Line(canvas, left + 1, middle, left + 1, bottom - 1);
    if (rightEnd) Line(canvas, right - 2, middle, right - 2, bottom - 1);

    canvas.Pen.Color = borderColor;
    Line(canvas, left + ml, top, right - mr, top);
    Line(canvas, left + ml, bottom, right - mr, bottom);
    if (leftEnd) Line(canvas, left, top + 2, left, bottom - 1);
    if (rightEnd) Line(canvas, right - 1, top + 2, right - 1, bottom - 1);

    // Cut corners: the corner colour beside each corner, the background in it.
    auto corners = [&](int inner, int outer) {
        for (TPoint p : {Point(inner, top), Point(inner, top + 1), Point(outer, top + 1), Point(inner, bottom),
                         Point(inner, bottom - 1), Point(outer, bottom - 1)})
            canvas.SetPixels(p.X, p.Y, cornerColor);
        canvas.SetPixels(outer, top, backgroundColor);
        canvas.SetPixels(outer, bottom, backgroundColor);
    };
    if (leftEnd) corners(left + 1, left);
    if (rightEnd) corners(right - 2, right - 1);

    const TRect face = Rect(left + ml, top + 2, right - mr, bottom - 1);
    if (colorTo == clNone) {
        if (!face.IsEmpty()) FillSolid(canvas, color, face);
    } else if (mirrorColor == clNone) {
        FillGradientRect(canvas, color, colorTo, 16, face, false);
    } else {
        const auto [upper, lower] = SplitHalves(face, true);
        FillGradientRect(canvas, color, colorTo, 16, upper, false);
        FillGradientRect(canvas, mirrorColor, mirrorColorTo, 16, lower, false);
    }
}

void DrawTransparentBitmap(TCanvas& canvas, const QImage& bitmap, TColor backgroundColor, const TRect& rect) {
    if (bitmap.isNull()) return;
    QImage image = bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, 0) & 0xFFFFFF;
    const QRgb replacement = ToQColor(backgroundColor).rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key) line[x] = replacement;
    }
    canvas.Painter()->drawImage(QPoint(rect.Left, rect.Top), image);
}

void DrawTransparentBitmapResource(TCanvas& canvas, TColor backgroundColor, const TRect& rect,
                                   const QString& resourceName) {
    const QString path = resourceName.startsWith(QLatin1String(":/")) ? resourceName : QLatin1String(":/") + resourceName;
    DrawTransparentBitmap(canvas, QImage(path), backgroundColor, rect);
}

void DrawSmallDownArrow(TCanvas& canvas, int x, int y, TColor color) {
    // Rows of 7, 5, 3 and 1 pixels, the triangle's edges included.
    const QColor c = ToQColor(color);
    for (int row = 0; row <= 3; ++row)
        canvas.Painter()->fillRect(QRect(x - 3 + row, y + row, 7 - 2 * row, 1), c);
}

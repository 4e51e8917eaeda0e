#include "dropdowns/dropdown_drawing.h"

#include "controls/color_utilities.h"
#include "controls/gradient_drawing.h"
#include "dropdowns/markup_text.h"
#include "platform/bitmap.h"
#include "platform/image_list.h"

#include <QPainter>
#include <algorithm>

TColor BlendColor(TColor Color1, TColor Color2, int Percent) {
    if (Percent >= 100) return Color1;
    if (Percent <= 0) return Color2;
    const TColor c1 = ColorToRGB(Color1);
    const TColor c2 = ColorToRGB(Color2);
    auto mix = [Percent](int a, int b) {
        return RoundHalfEvenDiv(static_cast<long long>(Percent) * a + static_cast<long long>(100 - Percent) * b, 100);
    };
    return RGBColor(mix(GetRValue(c1), GetRValue(c2)), mix(GetGValue(c1), GetGValue(c2)),
                    mix(GetBValue(c1), GetBValue(c2)));
}

TColor ShadeColor(TColor Color, int RedPercent, int GreenPercent, int BluePercent) {
    const TColor c = ColorToRGB(Color);
    auto shade = [](int value, int percent) {
        if (value == 0) return std::max(0, percent) & 0xFF;
        return RoundHalfEvenDiv(static_cast<long long>(value) * std::min(100, 100 + percent), 100) & 0xFF;
    };
    return RGBColor(shade(GetRValue(c), RedPercent), shade(GetGValue(c), GreenPercent),
                    shade(GetBValue(c), BluePercent));
}

void DrawButtonBackground(TCanvas& Canvas, const TRect& R, TColor Color, TColor ColorTo, TColor BorderColor,
                          int BorderWidth, TGradientDirection Direction) {
    if (ColorTo != clNone) {
        DrawGradient(Canvas, Color, ColorTo, 80, R, Direction == gdHorizontal);
    } else if (Color != clNone) {
        Canvas.Brush.Style = bsSolid;
        Canvas.Brush.Color = Color;
        Canvas.FillRect(R);
    }
    if (BorderColor == clNone || BorderWidth <= 0) return;
    Canvas.Brush.Style = bsClear;
    Canvas.Pen.Style = psSolid;
    Canvas.Pen.Width = 1;
    Canvas.Pen.Color = BorderColor;
    TRect frame = R;
    for (int i = 0; i < BorderWidth && !frame.IsEmpty(); ++i) {
        Canvas.FrameRect(frame);
        frame = Rect(frame.Left + 1, frame.Top + 1, frame.Right - 1, frame.Bottom - 1);
    }
}

void DrawImageAndText(TCanvas& Canvas, TRect R, const QString& Text, int ImageIndex, const TCustomImageList* Images) {
    bool imageDrawn = false;
    if (ImageIndex >= 0 && Images) {
        Images->Draw(Canvas, R.Left + 4, R.Top + (R.Height() - Images->Height()) / 2, ImageIndex, true);
        R.Left += 4 + Images->Width() + 4;
        imageDrawn = true;
    }
    if (Text.isEmpty()) return;
    unsigned format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    if (!imageDrawn) format |= DT_CENTER;
    Canvas.DrawText(Text, R, format);
}

void DrawGlyphOnColor(TCanvas& Canvas, const TBitmap& Glyph, TColor Color, const TRect& R) {
    if (Glyph.Empty() || R.IsEmpty()) return;
    QImage part(R.Width(), R.Height(), QImage::Format_ARGB32);
    part.fill(ToQColor(Color));
    const QImage source = Glyph.Image().convertToFormat(QImage::Format_ARGB32);
    const QRgb key = source.pixel(0, 0);
    const QRgb replacement = ToQColor(Color).rgba();
    for (int y = 0; y < std::min(part.height(), source.height()); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(part.scanLine(y));
        for (int x = 0; x < std::min(part.width(), source.width()); ++x) to[x] = from[x] == key ? replacement : from[x];
    }
    Canvas.Painter()->drawImage(QPoint(R.Left, R.Top), part);
}

TSize GetTextSize(TCanvas& Canvas, const QString& Text) {
    if (Text.isEmpty()) return {0, 0};
    TRect r = Rect(0, 0, 1000, 500);
    Canvas.DrawText(Text, r, DT_CALCRECT | DT_SINGLELINE);
    return {r.Right, r.Bottom};
}

TSize GetTextSize(const TFont& Font, const QString& Text) {
    QImage surface(1, 1, QImage::Format_RGB32);
    QPainter painter(&surface);
    TCanvas canvas(&painter);
    canvas.Font = Font;
    return GetTextSize(canvas, Text);
}

QString TruncateText(TCanvas& Canvas, const QString& Text, int MaxWidth, bool AddEllipsis) {
    if (Canvas.TextWidth(Text) <= MaxWidth) return Text;
    for (int k = 1; k <= Text.size(); ++k) {
        const QString candidate = Text.left(Text.size() - k) + (AddEllipsis ? QStringLiteral("...") : QString());
        if (Canvas.TextWidth(candidate) < MaxWidth) return candidate;
    }
    return Text;
}

void DrawHTMLText(TCanvas& Canvas, const QString& Text, const TRect& R, TSize& Size, HWND Wnd, bool Paint,
                  TCustomImageList* Images) {
    Size = {0, 0};
    if (Text.isEmpty()) return;
    Size = DrawMarkupText(Canvas, Text, R, Wnd, Images, Paint);
}

// Cell controls and indicators. Sections: button faces (themed / classic / flat /
// custom), progress bar, progress cell, pie, range indicator, error underline, shapes.
#include "controls/cell_control_drawing.h"

#include "controls/gradient_drawing.h"
#include "controls/user_number_format.h"

#include <QFontMetrics>
#include <QtMath>

namespace {

const TColorTone& ToneOfState(const TColorTones& tones, int state) {
    switch (state) {
    case 1: return tones.Hover;
    case 2: return tones.Selected;
    case 3: return tones.Disabled;
    default: return tones.Background;
    }
}

void SetBrushAndPen(TCanvas& canvas, TColor brush, TColor pen) {
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = brush;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Width = 1;
    canvas.Pen.Color = pen;
}

}  // namespace

// ---- button faces ----

void DrawCellButtonFace(TCanvas& Canvas, QWidget*, TRect R, int Look, int State, const TColorTones& Tones) {
    switch (Look) {
    case 0: Canvas.DrawThemedPart(R, tpPushButton, State); break;
    case 1:
    case 2: Canvas.DrawFrameControl(R, fcPushButton, false, false, Look == 2, State); break;
    default: {
        const TColorTone& tone = ToneOfState(Tones, State);
        SetBrushAndPen(Canvas, tone.BrushColor, tone.BorderColor);
        Canvas.Rectangle(R);
    }
    }
}

void DrawComboDropButton(TCanvas& Canvas, QWidget*, TRect R, int Look, int State, const TColorTones& Tones) {
    TRect b = Rect(R.Right - 17 - 2, R.Top + 1, R.Right - 2, R.Bottom - 1);
    switch (Look) {
    case 0: Canvas.DrawThemedPart(b, tpComboArrow, State == 3 ? 3 : 0); break;
    case 1:
    case 2: Canvas.DrawFrameControl(b, fcComboArrow, false, false, Look == 2, State); break;
    default: {
        b.Left += 3;
        const TColorTone& tone = ToneOfState(Tones, State);
        SetBrushAndPen(Canvas, tone.BrushColor, tone.BrushColor);
        Canvas.Rectangle(b);
        Canvas.Pen.Color = Tones.Background.BorderColor;
        Canvas.MoveTo(b.Left + 1, b.Top);
        Canvas.LineTo(b.Left + 1, b.Bottom);
        SetBrushAndPen(Canvas, Tones.Background.TextColor, Tones.Background.TextColor);
        Canvas.Polygon({{b.Left + 5, b.Top + 8}, {b.Left + 11, b.Top + 8}, {b.Left + 8, b.Top + 11}});
    }
    }
}

void DrawSpinButtons(TCanvas& Canvas, QWidget*, TRect R, int Look, int State, const TColorTones& Tones) {
    const TRect b = Rect(R.Right - 15 - 1, R.Top - 1, R.Right - 1, R.Bottom - 1);
    const int middle = b.Top + b.Height() / 2;
    const TRect upper = Rect(b.Left, b.Top, b.Right, middle);
    switch (Look) {
    case 0:
        Canvas.DrawThemedPart(upper, tpSpinUp, State == 3 ? 3 : 0);
        Canvas.DrawThemedPart(Rect(b.Left, middle, b.Right, b.Bottom), tpSpinDown, State == 3 ? 3 : 0);
        break;
    case 1:
    case 2:
        Canvas.DrawFrameControl(upper, fcSpinUp, false, false, Look == 2, State);
        Canvas.DrawFrameControl(Rect(b.Left, middle + 1, b.Right, b.Bottom), fcSpinDown, false, false, Look == 2, State);
        break;
    default: {
        const TRect lower = Rect(b.Left, middle + 1, b.Right, b.Bottom);
        const TColorTone& tone = ToneOfState(Tones, State);
        SetBrushAndPen(Canvas, tone.BrushColor, tone.BrushColor);
        Canvas.Rectangle(upper);
        Canvas.Rectangle(lower);
        SetBrushAndPen(Canvas, clBlack, clBlack);
        Canvas.Polygon({{upper.Left + 5, upper.Top + 5}, {upper.Left + 9, upper.Top + 5}, {upper.Left + 7, upper.Top + 3}});
        Canvas.Polygon({{lower.Left + 5, lower.Top + 1}, {lower.Left + 9, lower.Top + 1}, {lower.Left + 7, lower.Top + 3}});
    }
    }
}

// ---- progress bar ----

namespace {

// One segment of the bar: two mirrored gradients across the bar, or a plain fill.
void FillProgressSegment(TCanvas& canvas, const TRect& r, TColor color, TColor colorTo, const TProgressDrawParams& p) {
    if (r.IsEmpty()) return;
    if (p.ShowGradient && colorTo != clNone) {
        if (p.Vertical) {
            const int middle = r.Left + r.Width() / 2;
            DrawGradient(canvas, colorTo, color, p.Steps, Rect(r.Left, r.Top, middle, r.Bottom), true);
            DrawGradient(canvas, color, colorTo, p.Steps, Rect(middle, r.Top, r.Right, r.Bottom), true);
        } else {
            const int middle = r.Top + r.Height() / 2;
            DrawGradient(canvas, colorTo, color, p.Steps, Rect(r.Left, r.Top, r.Right, middle), false);
            DrawGradient(canvas, color, colorTo, p.Steps, Rect(r.Left, middle, r.Right, r.Bottom), false);
        }
        return;
    }
    FillRectWithColor(canvas, r, color);
}

}  // namespace

void DrawProgressBar(TCanvas& Canvas, TRect R, int Percent, const TProgressDrawParams& P) {
    const int full = P.Vertical ? R.Height() : R.Width();
    auto frame = [&](bool fill) {
        Canvas.Pen.Style = psSolid;
        Canvas.Pen.Width = 1;
        Canvas.Pen.Color = P.ShowBorder ? P.BorderColor : P.UnCompleteColor;
        Canvas.Brush.Color = P.UnCompleteColor;
        Canvas.Brush.Style = fill ? bsSolid : bsClear;
        Canvas.Rectangle(R);
        Canvas.Brush.Style = bsSolid;
    };
    frame(true);
    const int length = full - 2;
    if (Percent > 0 && length > 0) {
        // Segment k covers [start, start + size) along the bar, counted from its start.
        auto segment = [&](int start, int size, TColor color, TColor colorTo) {
            if (size <= 0) return;
            const TRect s = P.Vertical ? Rect(R.Left + 1, R.Bottom - 1 - start - size, R.Right - 1, R.Bottom - 1 - start)
                                       : Rect(R.Left + 1 + start, R.Top + 1, R.Left + 1 + start + size, R.Bottom - 1);
            FillProgressSegment(Canvas, s, color, colorTo, P);
        };
        if (P.Stacked) {
            const int first = Percent < P.Level1Perc ? qRound(Percent / 100.0 * length) : qRound(P.Level1Perc / 100.0 * length);
            segment(0, first, P.Level0Color, P.Level0ColorTo);
            if (Percent >= P.Level1Perc) {
                const int second = Percent < P.Level2Perc ? qRound(length * (Percent - P.Level1Perc) / 100.0)
                                                          : qRound(length * (P.Level2Perc - P.Level1Perc) / 100.0);
                segment(first, second, P.Level1Color, P.Level1ColorTo);
                if (Percent >= P.Level2Perc) {
                    const int third = Percent >= 100 ? length - first - second
                                                     : qRound(length * (Percent - P.Level2Perc) / 100.0);
                    segment(first + second, third, P.Level3Color, P.Level3ColorTo);
                }
            }
        } else {
            TColor color = P.Level2Color, colorTo = P.Level2ColorTo;
            if (Percent < P.Level1Perc) color = P.Level0Color, colorTo = P.Level0ColorTo;
            else if (Percent < P.Level2Perc) color = P.Level1Color, colorTo = P.Level1ColorTo;
            else if (Percent > 99) color = P.Level3Color, colorTo = P.Level3ColorTo;
            if (P.CompletionSmooth) {
                segment(0, qRound(Percent / 100.0 * length), color, colorTo);
            } else {
                const int t = qRound(Percent * length / 100.0);
                if (t > 9) {
                    int start = 2;
                    for (int i = 0; i < t / 9; ++i, start += 9) segment(start, 7, color, colorTo);
                    if (t % 9 > 2) segment(start, t % 9 - 1, color, colorTo);
                } else if (t >= 2) {
                    segment(2, t - 1, color, colorTo);
                }
            }
        }
    }
    if (P.ShowPercentage) {
        const TFont keep = Canvas.Font;
        if (P.Font) Canvas.Font = *P.Font;
        Canvas.Font.Color = P.CompleteFontColor;
        const QString text = QString::number(Percent) + QLatin1Char('%');
        const bool transparent = Canvas.TransparentText;
        Canvas.TransparentText = true;
        const TSize size = Canvas.TextExtent(text);
        if (P.Vertical)
            Canvas.TextOutRotated(R.Left + (R.Width() - size.cy) / 2, R.Top + (R.Height() + size.cx) / 2, 900, text);
        else
            Canvas.TextOut(R.Left + (R.Width() - size.cx) / 2, R.Top + (R.Height() - size.cy) / 2, text);
        Canvas.TransparentText = transparent;
        Canvas.Font = keep;
    }
    frame(false);
}

// ---- progress cell ----

void DrawProgressCell(TCanvas& Canvas, TRect R, TColor Color, TColor TextColor, TColor Color2, TColor TextColor2,
                      double Value, int MarginX, int MarginY, double Min, double Max, const QString& Format,
                      TColor BorderColor, bool Inverted) {
    const TColor remembered = Canvas.Brush.Color;
    QString text;
    double percent;
    // An empty range has no share to show: 0 %.
    const double range = Max - Min;
    if (!Format.isEmpty()) {
        text = FormatUserNumber(Format, Value).value_or(Format);
        percent = range == 0 ? 0 : qRound((Value - Min) * 100.0 / range);
    } else {
        text = QString::number(qRound64(Value)) + QLatin1Char('%');
        percent = qRound64(Value);
    }
    percent = qBound(0.0, percent, 100.0);
    R = Rect(R.Left + MarginX, R.Top + MarginY, R.Right - MarginX, R.Bottom - MarginY);
    const TRect done = Rect(R.Left, R.Top, R.Left + qRound(percent * R.Width() / 100.0), R.Bottom);
    const TRect rest = Rect(done.Right, R.Top, R.Right, R.Bottom);
    const TSize size = Canvas.TextExtent(text);
    const int x = R.Left + (R.Width() - size.cx) / 2;
    const int y = Inverted ? R.Top + (R.Height() + size.cy) / 2 : R.Top + (R.Height() - size.cy) / 2;
    Canvas.Brush.Style = bsSolid;
    Canvas.Brush.Color = Color;
    Canvas.Font.Color = TextColor;
    Canvas.TextRect(done, x, y, text);
    Canvas.Brush.Color = Color2;
    Canvas.Font.Color = TextColor2;
    Canvas.TextRect(rest, x, y, text);
    Canvas.Brush.Style = bsClear;
    Canvas.Pen.Style = psSolid;
    Canvas.Pen.Width = 1;
    if (BorderColor != clNone) {
        Canvas.Pen.Color = BorderColor;
        Canvas.FrameRect(Rect(R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1));
    }
    Canvas.Pen.Color = remembered;
    Canvas.FrameRect(Rect(R.Left - 2, R.Top - 2, R.Right + 2, R.Bottom + 2));
    Canvas.Brush.Style = bsSolid;
    Canvas.Brush.Color = remembered;
}

// ---- pie ----

void DrawProgressPie(TCanvas& Canvas, TRect R, TColor Color, int Percent, bool) {
    const int cx = R.Left + R.Width() / 2, cy = R.Top + R.Height() / 2;
    Canvas.Pen.Style = psSolid;
    Canvas.Pen.Width = 1;
    Canvas.Pen.Color = TColor(0x808080);
    Canvas.Brush.Style = bsClear;
    Canvas.Ellipse(R.Left, R.Top, R.Right, R.Bottom);
    const double a = Percent / 100.0 * 2 * M_PI;
    const int ex = cx + qRound((R.Width() + 1) / 2.0 * qSin(a));
    const int ey = cy - qRound((R.Height() + 1) / 2.0 * qCos(a));
    if (Percent != 0) {
        Canvas.Brush.Style = bsSolid;
        Canvas.Brush.Color = Color;
        if (Percent >= 100)
            Canvas.Ellipse(R.Left, R.Top, R.Right, R.Bottom);
        else  // counter-clockwise from the end ray back to the top: the sector clockwise from the top.
            Canvas.Pie(R.Left, R.Top, R.Right, R.Bottom, ex, ey, cx, R.Top);
    }
    Canvas.MoveTo(cx, R.Top);
    Canvas.LineTo(cx, cy);
    Canvas.LineTo(ex, ey);
    Canvas.Brush.Style = bsSolid;
}

// ---- range indicator ----

void DrawRangeIndicator(TCanvas& Canvas, TRect R, int Value, int Range, bool ShowValue, TColor NegColor,
                        TColor PosColor) {
    R = Rect(R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2);
    const int mid = R.Width() / 2;
    if (Range > 0) {
        const int value = qBound(-Range, Value, Range);
        const int x = qRound(mid * static_cast<double>(value) / Range);
        Canvas.Brush.Style = bsSolid;
        Canvas.Pen.Style = psSolid;
        Canvas.Pen.Width = 1;
        if (value < 0) {
            SetBrushAndPen(Canvas, NegColor, NegColor);
            Canvas.Rectangle(R.Left + mid + x, R.Top, R.Left + mid, R.Bottom);
        } else {
            SetBrushAndPen(Canvas, PosColor, PosColor);
            Canvas.Rectangle(R.Left + mid, R.Top, R.Left + mid + x, R.Bottom);
        }
    }
    if (ShowValue) {
        const QString text = QString::number(Value);
        const bool transparent = Canvas.TransparentText;
        Canvas.TransparentText = true;
        const TSize size = Canvas.TextExtent(text);
        Canvas.TextOut(R.Left + (R.Width() - size.cx) / 2, R.Top + (R.Height() - size.cy) / 2, text);
        Canvas.TransparentText = transparent;
    }
}

// ---- error underline ----

namespace {

// The top-left of character index as the text is laid out line by line from (0, 0).
TPoint CharacterPosition(const QFontMetrics& fm, const QString& text, int index) {
    const int lineStart = text.lastIndexOf(QLatin1Char('\n'), index - 1) + 1;
    const int line = static_cast<int>(text.left(lineStart).count(QLatin1Char('\n')));
    QString before = text.mid(lineStart, index - lineStart);
    before.remove(QLatin1Char('\r'));
    return {fm.horizontalAdvance(before), line * fm.lineSpacing()};
}

}  // namespace

void DrawErrorUnderline(QWidget*, TCanvas& Canvas, const QString& Text, TRect R, int Offset, int First, int Length) {
    if (Length <= 0 || First < 0 || Text.isEmpty()) return;
    const QFontMetrics fm(Canvas.Font.ToQFont(), Canvas.Painter()->device());
    const int size = static_cast<int>(Text.size());
    TPoint p0, p1;
    if (First >= size) {
        p0 = CharacterPosition(fm, Text, size);
        p0.X += 4;
    } else {
        p0 = CharacterPosition(fm, Text, First);
    }
    if (First + Length >= size) {
        p1 = CharacterPosition(fm, Text, size - 1);
        p1.X += 4;
        p1.Y = p0.Y;
    } else {
        p1 = CharacterPosition(fm, Text, First + Length - 1);
    }
    Canvas.Pen.Style = psSolid;
    Canvas.Pen.Color = clRed;
    Canvas.Pen.Width = 2;
    const int y = R.Top + p1.Y + Offset;
    Canvas.MoveTo(R.Left + p0.X, R.Top + p0.Y + Offset + 3);
    int x = p0.X;
    int dip = 0, lastDip = 3;
    while (x <= p1.X) {
        Canvas.LineTo(R.Left + x + 3, y + dip);
        lastDip = dip;
        dip = dip == 0 ? 3 : 0;
        x += 3;
    }
    Canvas.LineTo(R.Left + x + 3, lastDip == 3 ? y : y + 3);
    Canvas.Pen.Width = 1;
}

// ---- shapes ----

namespace {

std::vector<TPoint> StarPoints(int x, int y, int w, int h, bool half) {
    const int cx = x + w / 2, cy = y + h / 2;
    auto point = [&](int k, double angle) {
        const double rx = (k % 2 == 0) ? w / 2 : (w / 2) / 3.0;
        const double ry = (k % 2 == 0) ? h / 2 : (h / 2) / 3.0;
        return TPoint{cx + qRound(qSin(angle) * rx), cy - qRound(qCos(angle) * ry)};
    };
    std::vector<TPoint> points;
    if (half) {
        points.push_back(point(0, 0));
        points.push_back(point(1, M_PI));
        for (int k = 6; k <= 9; ++k) points.push_back(point(k, k * M_PI / 5));
        return points;
    }
    for (int k = 0; k < 10; ++k) points.push_back(point(k, k * M_PI / 5));
    return points;
}

}  // namespace

void DrawCellShape(TCanvas& Canvas, int X, int Y, int W, int H, TCellShape Shape, TColor FillColor,
                   TColor OutlineColor) {
    Canvas.Brush.Style = bsSolid;
    Canvas.Brush.Color = FillColor;
    Canvas.Pen.Style = psSolid;
    Canvas.Pen.Width = 1;
    Canvas.Pen.Color = OutlineColor;
    if (Shape == csCircle || Shape == csSquare || Shape == csRoundSquare) W = H = qMin(W, H);
    const int w2 = W / 2, h2 = H / 2;
    switch (Shape) {
    case csRectangle:
    case csSquare: Canvas.Rectangle(X + 1, Y + 1, X + W - 1, Y + H - 1); break;
    case csCircle:
    case csEllips: Canvas.Ellipse(X, Y, X + W, Y + H); break;
    case csTriangleLeft: Canvas.Polygon({{X + W, Y}, {X + W, Y + H}, {X, Y + h2}}); break;
    case csTriangleRight: Canvas.Polygon({{X, Y}, {X, Y + H}, {X + W, Y + h2}}); break;
    case csTriangleUp: Canvas.Polygon({{X, Y + H}, {X + W, Y + H}, {X + w2, Y}}); break;
    case csTriangleDown: Canvas.Polygon({{X, Y}, {X + W, Y}, {X + w2, Y + H}}); break;
    case csDiamond: Canvas.Polygon({{X, Y + h2}, {X + w2, Y}, {X + 2 * w2, Y + h2}, {X + w2, Y + 2 * h2}}); break;
    case csLineVert: Canvas.Rectangle(X + w2, Y, X + w2 + 1, Y + H); break;
    case csLineHorz: Canvas.Rectangle(X, Y + h2, X + W, Y + h2 + 1); break;
    case csRoundRect:
    case csRoundSquare: Canvas.RoundRect(X, Y, X + W, Y + H, 10, 10); break;
    case csStar: Canvas.Polygon(StarPoints(X, Y, W, H, false)); break;
    case csHalfStar: Canvas.Polygon(StarPoints(X, Y, W, H, true)); break;
    case csArrowUp:
    case csArrowDown: {
        const int even = W & ~1, q = even / 4;
        std::vector<TPoint> p = {{X, Y + h2},          {X + even / 2, Y}, {X + even, Y + h2}, {X + 3 * q, Y + h2},
                                 {X + 3 * q, Y + H},   {X + q, Y + H},    {X + q, Y + h2}};
        if (Shape == csArrowDown)
            for (TPoint& pt : p) pt.Y = 2 * Y + H - pt.Y;
        Canvas.Polygon(p);
        break;
    }
    case csArrowLeft:
    case csArrowRight: {
        const int even = H & ~1, q = even / 4;
        std::vector<TPoint> p = {{X, Y + even / 2},  {X + w2, Y},        {X + w2, Y + q},   {X + W, Y + q},
                                 {X + W, Y + 3 * q}, {X + w2, Y + 3 * q}, {X + w2, Y + even}};
        if (Shape == csArrowRight)
            for (TPoint& pt : p) pt.X = 2 * X + W - pt.X;
        Canvas.Polygon(p);
        break;
    }
    }
}

void FillRectWithColor(TCanvas& Canvas, const TRect& R, TColor Color) {
    Canvas.Brush.Style = bsSolid;
    Canvas.Brush.Color = Color;
    Canvas.FillRect(R);
}

#include "platform/canvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>

QFont TFont::ToQFont() const {
    QFont f(Name);
    f.setPointSize(Size > 0 ? Size : 8);
    f.setBold(Style.Contains(fsBold));
    f.setItalic(Style.Contains(fsItalic));
    f.setUnderline(Style.Contains(fsUnderline));
    f.setStrikeOut(Style.Contains(fsStrikeOut));
    return f;
}

TCanvas::TCanvas(QPainter* painter) : FPainter(painter) {}

QPen TCanvas::MakePen() const {
    if (Pen.Style == psClear) return QPen(Qt::NoPen);
    QPen pen(ToQColor(Pen.Color));
    pen.setWidth(qMax(1, Pen.Width));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    static const Qt::PenStyle styles[] = {Qt::SolidLine,      Qt::DashLine, Qt::DotLine,  Qt::DashDotLine,
                                          Qt::DashDotDotLine, Qt::NoPen,    Qt::SolidLine};
    pen.setStyle(styles[Pen.Style]);
    return pen;
}

QFontMetrics TCanvas::Metrics() const { return QFontMetrics(Font.ToQFont(), FPainter->device()); }

void TCanvas::FillRect(const TRect& r) {
    if (r.IsEmpty() || Brush.Style == bsClear) return;
    FPainter->fillRect(r.ToQRect(), ToQColor(Brush.Color));
}

void TCanvas::Rectangle(const TRect& r) {
    if (r.IsEmpty()) return;
    FillRect(r);
    FrameRect(r);
}

void TCanvas::FrameRect(const TRect& r) {
    if (r.IsEmpty() || Pen.Style == psClear) return;
    const QColor c = ToQColor(Pen.Color);
    FPainter->fillRect(QRect(r.Left, r.Top, r.Width(), 1), c);
    FPainter->fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), c);
    FPainter->fillRect(QRect(r.Left, r.Top, 1, r.Height()), c);
    FPainter->fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), c);
}

void TCanvas::LineTo(int x, int y) {
    const TPoint from = FPenPos;
    FPenPos = {x, y};
    if (Pen.Style == psClear || (from.X == x && from.Y == y)) return;
    const QColor c = ToQColor(Pen.Color);
    // Horizontal and vertical lines are filled exactly, without their end point.
    if (from.Y == y) {
        FPainter->fillRect(QRect(x < from.X ? x + 1 : from.X, y, qAbs(x - from.X), qMax(1, Pen.Width)), c);
        return;
    }
    if (from.X == x) {
        FPainter->fillRect(QRect(x, y < from.Y ? y + 1 : from.Y, qMax(1, Pen.Width), qAbs(y - from.Y)), c);
        return;
    }
    FPainter->save();
    FPainter->setPen(MakePen());
    FPainter->setRenderHint(QPainter::Antialiasing, false);
    // A diagonal stops one step short of its end point.
    const double dx = x - from.X, dy = y - from.Y;
    const double steps = qMax(qAbs(dx), qAbs(dy));
    const QPointF end(x - dx / steps, y - dy / steps);
    FPainter->drawLine(QPointF(from.X, from.Y), end);
    FPainter->restore();
}

void TCanvas::TextOut(int x, int y, const QString& text) {
    const QFontMetrics fm = Metrics();
    if (Brush.Style != bsClear)
        FPainter->fillRect(QRect(x, y, fm.horizontalAdvance(text), fm.height()), ToQColor(Brush.Color));
    FPainter->save();
    FPainter->setFont(Font.ToQFont());
    FPainter->setPen(ToQColor(Font.Color));
    FPainter->drawText(QPoint(x, y + fm.ascent()), text);
    FPainter->restore();
}

void TCanvas::TextRect(const TRect& r, int x, int y, const QString& text) {
    FPainter->save();
    FPainter->setClipRect(r.ToQRect(), Qt::IntersectClip);
    if (Brush.Style != bsClear) FPainter->fillRect(r.ToQRect(), ToQColor(Brush.Color));
    TBrushStyle keep = Brush.Style;
    Brush.Style = bsClear;
    TextOut(x, y, text);
    Brush.Style = keep;
    FPainter->restore();
}

int TCanvas::TextWidth(const QString& text) const { return Metrics().horizontalAdvance(text); }
int TCanvas::TextHeight(const QString&) const { return Metrics().height(); }
TSize TCanvas::TextExtent(const QString& text) const { return {TextWidth(text), TextHeight(text)}; }

TColor TCanvas::Pixels(int x, int y) const {
    auto* image = dynamic_cast<QImage*>(FPainter->device());
    if (!image || !image->rect().contains(x, y)) return clNone;
    return FromQColor(image->pixelColor(x, y));
}

void TCanvas::SetPixels(int x, int y, TColor color) { FPainter->fillRect(QRect(x, y, 1, 1), ToQColor(color)); }

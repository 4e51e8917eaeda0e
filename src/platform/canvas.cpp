#include "platform/canvas.h"
#include "platform/bitmap.h"
#include "platform/font_cache.h"

#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QTextLayout>

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

QFontMetrics TCanvas::Metrics() const { return CachedFontMetrics(Font, FPainter->device()); }

void TCanvas::FillRect(const TRect& r) {
    if (FMapMode != mmText) {
        const TRect device = LogicalToDevice(r);
        DeviceUnits units(*this);
        FillRect(device);
        return;
    }
    if (r.IsEmpty() || Brush.Style == bsClear) return;
    FPainter->fillRect(r.ToQRect(), ToQColor(Brush.Color));
}

void TCanvas::Rectangle(const TRect& r) {
    if (FMapMode != mmText) {
        const TRect device = LogicalToDevice(r);
        DeviceUnits units(*this);
        Rectangle(device);
        return;
    }
    if (r.IsEmpty()) return;
    FillRect(r);
    FrameRect(r);
}

void TCanvas::FrameRect(const TRect& r) {
    if (FMapMode != mmText) {
        const TRect device = LogicalToDevice(r);
        DeviceUnits units(*this);
        FrameRect(device);
        return;
    }
    if (r.IsEmpty() || Pen.Style == psClear) return;
    const QColor c = ToQColor(Pen.Color);
    FPainter->fillRect(QRect(r.Left, r.Top, r.Width(), 1), c);
    FPainter->fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), c);
    FPainter->fillRect(QRect(r.Left, r.Top, 1, r.Height()), c);
    FPainter->fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), c);
}

void TCanvas::LineTo(int x, int y) {
    if (FMapMode != mmText) {
        // The pen width is logical too; a line never vanishes below one pixel.
        const TPoint from = LogicalToDevice(FPenPos);
        const TPoint to = LogicalToDevice(TPoint{x, y});
        const int keepWidth = Pen.Width;
        Pen.Width = qMax(1, DeviceLengthX(Pen.Width));
        {
            DeviceUnits units(*this);
            FPenPos = from;
            LineTo(to.X, to.Y);
        }
        Pen.Width = keepWidth;
        FPenPos = {x, y};
        return;
    }
    const TPoint from = FPenPos;
    FPenPos = {x, y};
    if (Pen.Style == psClear || (from.X == x && from.Y == y)) return;
    const QColor c = ToQColor(Pen.Color);
    // Horizontal and vertical lines are filled exactly, without their end point. A wide
    // pen is centred on the line, an even width taking its extra pixel before it.
    const int width = qMax(1, Pen.Width);
    const int before = width / 2;
    if (from.Y == y) {
        FPainter->fillRect(QRect(x < from.X ? x + 1 : from.X, y - before, qAbs(x - from.X), width), c);
        return;
    }
    if (from.X == x) {
        FPainter->fillRect(QRect(x - before, y < from.Y ? y + 1 : from.Y, width, qAbs(y - from.Y)), c);
        return;
    }
    if (Pen.Width <= 1 && (Pen.Style == psSolid || Pen.Style == psInsideFrame)) {
        // A diagonal is stepped along its longer axis and stops before its end point.
        const int dx = x - from.X, dy = y - from.Y;
        const int steps = qMax(qAbs(dx), qAbs(dy));
        for (int i = 0; i < steps; ++i) {
            const int px = from.X + (dx * i + (dx >= 0 ? steps / 2 : -steps / 2)) / steps;
            const int py = from.Y + (dy * i + (dy >= 0 ? steps / 2 : -steps / 2)) / steps;
            FPainter->fillRect(QRect(px, py, 1, 1), c);
        }
        return;
    }
    FPainter->save();
    FPainter->setPen(MakePen());
    FPainter->setRenderHint(QPainter::Antialiasing, false);
    // A flat cap leaves the end point out.
    FPainter->drawLine(QPoint(from.X, from.Y), QPoint(x, y));
    FPainter->restore();
}

void TCanvas::TextOut(int x, int y, const QString& text) {
    if (FMapMode != mmText) {
        const TPoint device = LogicalToDevice(TPoint{x, y});
        DeviceUnits units(*this);
        TextOut(device.X, device.Y, text);
        return;
    }
    const QFontMetrics fm = Metrics();
    if (Brush.Style != bsClear && !TransparentText)
        FPainter->fillRect(QRect(x, y, fm.horizontalAdvance(text), fm.height()), ToQColor(Brush.Color));
    FPainter->save();
    FPainter->setFont(CachedQFont(Font));
    FPainter->setPen(ToQColor(Font.Color));
    FPainter->drawText(QPoint(x, y + fm.ascent()), text);
    FPainter->restore();
}

void TCanvas::TextRect(const TRect& r, int x, int y, const QString& text) {
    if (FMapMode != mmText) {
        const TRect device = LogicalToDevice(r);
        const TPoint origin = LogicalToDevice(TPoint{x, y});
        DeviceUnits units(*this);
        TextRect(device, origin.X, origin.Y, text);
        return;
    }
    FPainter->save();
    FPainter->setClipRect(r.ToQRect(), Qt::IntersectClip);
    if (Brush.Style != bsClear) FPainter->fillRect(r.ToQRect(), ToQColor(Brush.Color));
    TBrushStyle keep = Brush.Style;
    Brush.Style = bsClear;
    TextOut(x, y, text);
    Brush.Style = keep;
    FPainter->restore();
}

int TCanvas::TextWidth(const QString& text) const { return LogicalLengthX(Metrics().horizontalAdvance(text)); }
int TCanvas::TextHeight(const QString&) const { return LogicalLengthY(Metrics().height()); }
TSize TCanvas::TextExtent(const QString& text) const { return {TextWidth(text), TextHeight(text)}; }

TColor TCanvas::Pixels(int x, int y) const {
    auto* image = dynamic_cast<QImage*>(FPainter->device());
    if (!image || !image->rect().contains(x, y)) return clNone;
    return FromQColor(image->pixelColor(x, y));
}

void TCanvas::SetPixels(int x, int y, TColor color) { FPainter->fillRect(QRect(x, y, 1, 1), ToQColor(color)); }

void TCanvas::Polyline(const std::vector<TPoint>& points) {
    if (points.empty()) return;
    const TPoint keep = FPenPos;
    MoveTo(points.front().X, points.front().Y);
    for (std::size_t i = 1; i < points.size(); ++i) LineTo(points[i].X, points[i].Y);
    FPenPos = keep;
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
    if (points.size() < 2) return;
    QPolygon polygon;
    for (const TPoint& p : points) polygon << QPoint(p.X, p.Y);
    FPainter->save();
    FPainter->setRenderHint(QPainter::Antialiasing, false);
    FPainter->setPen(Qt::NoPen);
    if (Brush.Style != bsClear) {
        FPainter->setBrush(ToQColor(Brush.Color));
        FPainter->drawPolygon(polygon);
    }
    FPainter->restore();
    if (Pen.Style == psClear) return;
    // The outline closes on the first point, which the first segment has drawn already.
    std::vector<TPoint> outline = points;
    outline.push_back(points.front());
    Polyline(outline);
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int width, int height) {
    if (right <= left || bottom <= top) return;
    FPainter->save();
    FPainter->setRenderHint(QPainter::Antialiasing, false);
    FPainter->setBrush(Brush.Style == bsClear ? QBrush(Qt::NoBrush) : QBrush(ToQColor(Brush.Color)));
    FPainter->setPen(MakePen());
    // A one-pixel outline covers the left/top edge up to right - 1 and bottom - 1.
    const QRect r = Pen.Style == psClear ? QRect(left, top, right - left, bottom - top)
                                         : QRect(left, top, right - left - 1, bottom - top - 1);
    FPainter->drawRoundedRect(r, width / 2.0, height / 2.0);
    FPainter->restore();
}

namespace {

int QtTextFlags(unsigned format) {
    int flags = 0;
    if (format & DT_CENTER) flags |= Qt::AlignHCenter;
    else if (format & DT_RIGHT) flags |= Qt::AlignRight;
    else flags |= Qt::AlignLeft;
    if (format & DT_SINGLELINE) {
        flags |= Qt::TextSingleLine;
        if (format & DT_VCENTER) flags |= Qt::AlignVCenter;
        else if (format & DT_BOTTOM) flags |= Qt::AlignBottom;
        else flags |= Qt::AlignTop;
    } else {
        flags |= Qt::AlignTop;
    }
    if (format & DT_WORDBREAK) flags |= Qt::TextWordWrap;
    if (format & DT_EXPANDTABS) flags |= Qt::TextExpandTabs;
    flags |= (format & DT_NOPREFIX) ? Qt::TextHideMnemonic : Qt::TextShowMnemonic;
    return flags;
}

// Whether wrapping the text in a box that wide leaves it on one line laid out as without
// wrapping: it fits with room for the widest overhang of a last glyph, and it ends in no
// space (which a wrapped line leaves out of its width).
bool Stays_On_One_Line(const QTextLayout& layout, const QFontMetrics& metrics, int width) {
    const QString& text = layout.text();
    if (text.back().isSpace()) return false;
    return layout.lineAt(0).naturalTextWidth() - qMin(0, metrics.minRightBearing()) < width;
}

// Draws a line laid out before where QPainter::drawText puts it, clipped as it clips, and
// gives the box it gives.
QRect DrawTextLine(QPainter& painter, const QTextLayout& layout, const QRect& box, int flags) {
    const QTextLine line = layout.lineAt(0);
    const QRectF r(box);
    const qreal height = line.ascent() + line.descent(), width = line.naturalTextWidth();
    const qreal yoff = (flags & Qt::AlignBottom) ? r.height() - height
                       : (flags & Qt::AlignVCenter) ? (r.height() - height) / 2
                                                    : 0;
    const QRectF bounds(r.x() + ((flags & Qt::AlignRight)     ? r.width() - width
                                 : (flags & Qt::AlignHCenter) ? (r.width() - width) / 2
                                                              : 0),
                        r.y() + yoff, width, height);
    const qreal advance = line.horizontalAdvance();
    const qreal xoff = (flags & Qt::AlignRight)     ? r.width() - advance
                       : (flags & Qt::AlignHCenter) ? (r.width() - advance) / 2
                                                    : 0;
    if (!r.contains(bounds)) painter.setClipRect(r, Qt::IntersectClip);
    line.draw(&painter, QPointF(r.x() + xoff, r.y() + yoff));
    return bounds.toAlignedRect();
}

}  // namespace

int TCanvas::DrawText(const QString& text, TRect& r, unsigned format) {
    if (FMapMode != mmText) {
        // A laid-out extent keeps the logical top-left corner and grows downwards.
        TRect device = LogicalToDevice(r);
        const TPoint topLeft = LogicalToDevice(TPoint{r.Left, r.Top});
        if (format & DT_CALCRECT) device = {topLeft.X, topLeft.Y, topLeft.X + device.Width(), topLeft.Y + device.Height()};
        int height;
        {
            DeviceUnits units(*this);
            height = DrawText(text, device, format);
        }
        if (format & DT_CALCRECT) {
            r.Right = r.Left + LogicalLengthX(device.Width());
            r.Bottom = r.Top - LogicalLengthY(device.Height());
        }
        return LogicalLengthY(height);
    }
    const int flags = QtTextFlags(format);
    if (format & DT_CALCRECT) {
        if (text.isEmpty()) {
            r.Right = r.Left;
            r.Bottom = r.Top;
            return 0;
        }
        constexpr int kUnbounded = 1 << 20;
        const int width = (format & DT_WORDBREAK) && !(format & DT_SINGLELINE) ? qMax(0, r.Width()) : kUnbounded;
        const QSize bounds =
            CachedTextBounds(Font, FPainter->device(), text, flags & ~Qt::AlignHorizontal_Mask, width);
        // External leading adds the font's leading between the lines.
        const int leading = (format & DT_EXTERNALLEADING) ? Metrics().leading() : 0;
        const int lines = qMax(1, bounds.height() / qMax(1, Metrics().height()));
        r.Right = r.Left + bounds.width();
        r.Bottom = r.Top + bounds.height() + leading * lines;
        return r.Height();
    }
    if (text.isEmpty()) return 0;
    FPainter->save();
    QRect clip = r.ToQRect();
    if ((format & DT_EDITCONTROL) && !(format & DT_SINGLELINE)) {
        // As an edit control shows it: a last line that does not fit whole is left out.
        const int lineHeight = qMax(1, Metrics().lineSpacing());
        if (r.Height() >= lineHeight) clip.setHeight(r.Height() / lineHeight * lineHeight);
    }
    if (!(format & DT_NOCLIP)) FPainter->setClipRect(clip, Qt::IntersectClip);
    FPainter->setFont(CachedQFont(Font));
    FPainter->setPen(ToQColor(Font.Color));
    QRect drawn;
    const QString shown = (format & DT_END_ELLIPSIS) ? Metrics().elidedText(text, Qt::ElideRight, r.Width(), flags) : text;
    const QTextLayout* line =
        FPainter->layoutDirection() == Qt::LeftToRight ? CachedTextLine(Font, *FPainter, shown) : nullptr;
    if (line && (flags & Qt::TextWordWrap) && !Stays_On_One_Line(*line, Metrics(), r.Width())) line = nullptr;
    if (line) drawn = DrawTextLine(*FPainter, *line, r.ToQRect(), flags);
    else FPainter->drawText(r.ToQRect(), flags, shown, &drawn);
    FPainter->restore();
    return drawn.height();
}


void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
    if (bitmap.Empty()) return;
    FPainter->save();
    if (bitmap.Transparent()) {
        FPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
        FPainter->drawImage(QPoint(x, y), bitmap.MaskedImage());
    } else {
        FPainter->setCompositionMode(QPainter::CompositionMode_Source);
        FPainter->drawImage(QPoint(x, y), bitmap.Image());
    }
    FPainter->restore();
}

void TCanvas::DrawFocusRect(const TRect& r) {
    if (r.IsEmpty()) return;
    FPainter->save();
    FPainter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QColor invert(Qt::white);
    // Every other pixel along the frame, counted from the top-left corner.
    auto dot = [&](int x, int y) {
        if (((x - r.Left) + (y - r.Top)) % 2 == 0) FPainter->fillRect(QRect(x, y, 1, 1), invert);
    };
    for (int x = r.Left; x < r.Right; ++x) {
        dot(x, r.Top);
        if (r.Bottom - 1 > r.Top) dot(x, r.Bottom - 1);
    }
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
        dot(r.Left, y);
        if (r.Right - 1 > r.Left) dot(r.Right - 1, y);
    }
    FPainter->restore();
}

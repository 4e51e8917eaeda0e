// The clock's geometry and drawing: the face (background, marks, numbers, AM/PM box)
// goes into the face cache, the hands and the centre point are drawn over it.

#include "controls/gradient_drawing.h"
#include "dropdowns/watch.h"

#include <QPainter>
#include <cmath>

namespace {

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

QPen PenOf(TColor color, int width) {
    QPen pen(ToQColor(color));
    pen.setWidth(std::max(1, width));
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

}  // namespace

TRect TExWatch::FaceRect() const {
    const int w = width(), h = height();
    int size = FAppearance.Size() > 0 ? std::min(FAppearance.Size(), std::min(w, h)) : std::min(w, h) - 20;
    size = std::max(0, size);
    const int left = (w - size) / 2, top = (h - size) / 2;
    return {left, top, left + size, top + size};
}

TPoint TExWatch::PointAt(double Degrees, double Distance) const {
    const TRect face = FaceRect();
    const int cx = face.Left + face.Width() / 2, cy = face.Top + face.Width() / 2;
    const double radians = Degrees * M_PI / 180.0;
    return {cx + RoundHalfEven(Distance * std::sin(radians)), cy - RoundHalfEven(Distance * std::cos(radians))};
}

TRect TExWatch::AMPMRect() const {
    if (!FShowAMPM) return {};
    TFont font = FAppearance.AMPMFont();
    const QFontMetrics metrics(font.ToQFont());
    const int w = metrics.horizontalAdvance(QStringLiteral("AM")), h = metrics.height();
    const TRect face = FaceRect();
    const int cx = face.Left + face.Width() / 2, cy = face.Top + face.Width() / 2, r = face.Width() / 2;
    const int left = cx - (w + 8) / 2, top = cy + RoundHalfEven((r - h) / 3.0);
    return {left, top, left + w + 8, top + h};
}

void TExWatch::Paint() {
    TCanvas& canvas = *Canvas();
    const TTimeOfDay time = DecodeTimeOfDay(DisplayedTime());
    if (FSettings.Auto()) FAM = time.Hour < 12;
    if (FBKGCache.size() != size()) FBKGCache = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    FBKGCache.fill(Qt::transparent);
    {
        QPainter cachePainter(&FBKGCache);
        TCanvas cache(&cachePainter);
        PaintFace(cache, time);
    }
    canvas.Painter()->drawImage(0, 0, FBKGCache);
    PaintHands(canvas, time);
}

void TExWatch::PaintFace(TCanvas& Canvas, const TTimeOfDay&) {
    PaintBackground(Canvas);
    if (FAppearance.TickMarks() != tmNone) {
        PaintMarks(Canvas);
        if (FShowNumbers) PaintNumbers(Canvas);
    }
    if (FShowAMPM) PaintAMPM(Canvas);
}

void TExWatch::PaintBackground(TCanvas& Canvas) {
    const TRect face = FaceRect();
    const TRect client = ClientRect();
    const TWatchShape shape = FAppearance.Shape();
    const TRect area = shape == wsCircle ? face : client;
    const TRect grown{area.Left - 1, area.Top - 1, area.Right + 2, area.Bottom + 2};
    QPainter* painter = Canvas.Painter();
    painter->setRenderHint(QPainter::Antialiasing, true);
    if (shape == wsCircle) Canvas.IntersectClipEllipse(grown);
    else if (shape == wsRoundRect) Canvas.IntersectClipRoundRect(grown, 20, 20);
    const TColor from = FAppearance.BackgroundColor(), to = FAppearance.BackgroundColorTo();
    if (from != clNone && to != clNone)
        DrawGradient(Canvas, from, to, 80, area, FAppearance.BackgroundGradient() == wgRadial);
    else if (from != clNone)
        painter->fillRect(area.ToQRect(), ToQColor(from));
    if (FAppearance.BorderColor() != clNone && FAppearance.BorderWidth() > 0) {
        const int width = FAppearance.BorderWidth();
        painter->setPen(PenOf(FAppearance.BorderColor(), width));
        painter->setBrush(Qt::NoBrush);
        const QRectF outline = (shape == wsCircle ? face : client).ToQRect();
        const QRectF inside = outline.adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0);
        if (shape == wsCircle) painter->drawEllipse(inside);
        else if (shape == wsRect) painter->drawRect(inside);
        else painter->drawRoundedRect(inside, 10, 10);
    }
    if (shape == wsCircle || shape == wsRoundRect) Canvas.RestoreClip();
    const TPicture& picture = FAppearance.Picture();
    if (!picture.Empty()) {
        QImage image = picture.Image();
        // The bottom-left pixel is the picture's transparent colour, as bitmaps have it.
        if (!image.hasAlphaChannel()) {
            const QImage mask = image.createMaskFromColor(image.pixel(0, image.height() - 1), Qt::MaskOutColor);
            image = image.convertToFormat(QImage::Format_ARGB32);
            image.setAlphaChannel(mask);
        }
        painter->save();
        painter->setClipRect(client.ToQRect());
        painter->drawImage(0, 0, image);
        painter->restore();
    }
}

void TExWatch::PaintMarks(TCanvas& Canvas) {
    const int r = FaceRect().Width() / 2;
    const double outer = r - FAppearance.BorderWidth() / 2;
    QPainter* painter = Canvas.Painter();
    painter->setRenderHint(QPainter::Antialiasing, true);
    auto line = [&](double degrees, double inner, QPointF shift = {}) {
        const TPoint a = PointAt(degrees, outer), b = PointAt(degrees, inner);
        painter->drawLine(QPointF(a.X, a.Y) + shift, QPointF(b.X, b.Y) + shift);
    };
    const double hourInner = FAppearance.HourMarkLength() > 0 ? outer - FAppearance.HourMarkLength() : outer * 0.9;
    painter->setPen(PenOf(FAppearance.HourColor(), FAppearance.HourMarkWidth()));
    const TTickMarks ticks = FAppearance.TickMarks();
    for (int hour = 0; hour < 12; ++hour) {
        const double degrees = hour * 30.0;
        if (hour % 3 == 0) {
            if (FAppearance.HourMarkStyle() == hmsQuartDblLine) {
                const bool vertical = hour % 6 == 0;  // 12 and 6 o'clock move sideways
                const QPointF shift = vertical ? QPointF(2, 0) : QPointF(0, 2);
                line(degrees, hourInner, -shift);
                line(degrees, hourInner, shift);
            } else {
                line(degrees, hourInner);
            }
        } else if (ticks == tmAll || ticks == tmHours) {
            line(degrees, hourInner);
        }
    }
    if (ticks != tmAll) return;
    const double minuteInner = FAppearance.MinuteMarkLength() > 0 ? outer - FAppearance.MinuteMarkLength() : outer * 0.95;
    painter->setPen(PenOf(FAppearance.MinuteColor(), FAppearance.MinuteMarkWidth()));
    for (int minute = 0; minute < 60; ++minute)
        if (minute % 5 != 0) line(minute * 6.0, minuteInner);
}

void TExWatch::PaintNumbers(TCanvas& Canvas) {
    const TTickMarks ticks = FAppearance.TickMarks();
    if (ticks == tmHours || ticks == tmNone) return;
    const int r = FaceRect().Width() / 2;
    const double outer = r - FAppearance.BorderWidth() / 2;
    const int b = FAppearance.HourMarkLength() > 0 ? FAppearance.HourMarkLength() : RoundHalfEven(outer - outer * 0.9) + 2;
    Canvas.Font = FAppearance.HourFont();
    Canvas.Brush.Style = bsClear;
    const int textHeight = Canvas.TextHeight(QStringLiteral("0"));
    for (int n = 1; n <= 12; ++n) {
        if (ticks == tmQuartHours && n % 3 != 0) continue;
        const int pull = n == 10 ? RoundHalfEven(0.2 * textHeight) : n == 11 ? RoundHalfEven(0.15 * textHeight) : 0;
        const double distance = outer - 2 * b - 2 - pull + b / 2;
        const TPoint centre = PointAt(n * 30.0, distance);
        const QString text = QString::number(n);
        const TSize extent = Canvas.TextExtent(text);
        Canvas.TextOut(centre.X - extent.cx / 2, centre.Y - extent.cy / 2, text);
    }
}

void TExWatch::PaintAMPM(TCanvas& Canvas) {
    const TRect box = AMPMRect();
    QPainter* painter = Canvas.Painter();
    const TColor fill = FAppearance.AMPMColor(), frame = FAppearance.AMPMBorderColor();
    const bool round = FAppearance.AMPMFrame() == apRoundRect;
    auto drawFrame = [&](bool filled) {
        if (fill == clNone && frame == clNone) return;
        painter->setPen(frame == clNone ? QPen(Qt::NoPen) : PenOf(frame, 1));
        painter->setBrush(filled && fill != clNone ? QBrush(ToQColor(fill)) : QBrush(Qt::NoBrush));
        const QRectF r = QRectF(box.ToQRect()).adjusted(0.5, 0.5, -0.5, -0.5);
        if (round) painter->drawRoundedRect(r, 2.5, 2.5);
        else painter->drawRect(r);
    };
    drawFrame(true);
    Canvas.Font = FAppearance.AMPMFont();
    Canvas.Brush.Style = bsClear;
    if (FSlideStep < 0) {
        TRect r = box;
        Canvas.DrawText(FAM ? QStringLiteral("AM") : QStringLiteral("PM"), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        return;
    }
    // The slide: a strip of "AM" above "PM", seen through the box's inside, moves one
    // pixel per step from the old text to the new one.
    const TRect inner{box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1};
    const int offset = FSlideToAM ? inner.Height() - FSlideStep : FSlideStep;
    painter->save();
    painter->setClipRect(inner.ToQRect());
    TRect am{inner.Left, inner.Top - offset, inner.Right, inner.Bottom - offset};
    TRect pm{am.Left, am.Bottom, am.Right, am.Bottom + inner.Height()};
    Canvas.DrawText(QStringLiteral("AM"), am, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    Canvas.DrawText(QStringLiteral("PM"), pm, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    painter->restore();
    drawFrame(false);
}

void TExWatch::PaintHands(TCanvas& Canvas, const TTimeOfDay& Time) {
    const TPointerStyle style = FAppearance.PointerStyle();
    const int r = FaceRect().Width() / 2;
    QPainter* painter = Canvas.Painter();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    const double hourAngle = (Time.Hour % 12) * 30 + Time.Minute / 12.0 * 6;
    const double minuteAngle = Time.Minute * 6.0;
    const double secondAngle = Time.Second * 6.0;
    auto lineHand = [&](double angle, double tail, double tip, TColor color, int width, QPointF shift) {
        const TPoint a = PointAt(angle + 180.0, tail), b = PointAt(angle, tip);
        painter->setPen(PenOf(color, width));
        // An odd width is centred on the pixel, so a straight hand covers whole pixels.
        const QPointF centring = std::max(1, width) % 2 ? QPointF(0.5, 0.5) : QPointF();
        painter->drawLine(QPointF(a.X, a.Y) + shift + centring, QPointF(b.X, b.Y) + shift + centring);
    };
    auto pointerHand = [&](double angle, double tip, TColor color, QPointF shift) {
        const TPoint points[] = {PointAt(angle + 180.0, 0.1 * r), PointAt(angle - 90.0, 0.05 * r), PointAt(angle, tip),
                                 PointAt(angle + 90.0, 0.05 * r)};
        QPolygonF polygon;
        for (const TPoint& p : points) polygon << QPointF(p.X, p.Y) + shift;
        painter->setPen(PenOf(color, 1));
        painter->setBrush(ToQColor(color));
        painter->drawPolygon(polygon);
    };
    const TColor hourShadow = FAppearance.HourPointerShadow(), minuteShadow = FAppearance.MinutePointerShadow();
    if (style == psLine) {
        if (hourShadow != clNone)
            lineHand(hourAngle, 0.1 * r, 0.46 * r, hourShadow, FAppearance.HourPointerSize(), {-1, 3});
        if (minuteShadow != clNone)
            lineHand(minuteAngle, 0.1 * r, 0.65 * r, minuteShadow, FAppearance.MinutePointerSize(), {0, 3});
        lineHand(hourAngle, 0.1 * r, 0.5 * r, FAppearance.HourPointer(), FAppearance.HourPointerSize(), {});
        lineHand(minuteAngle, 0.1 * r, 0.7 * r, FAppearance.MinutePointer(), FAppearance.MinutePointerSize(), {});
    } else if (style == psPointer) {
        if (hourShadow != clNone) pointerHand(hourAngle, 0.5 * r, hourShadow, {1, 3});
        pointerHand(hourAngle, 0.5 * r, FAppearance.HourPointer(), {});
        if (minuteShadow != clNone) pointerHand(minuteAngle, 0.7 * r, minuteShadow, {1, 3});
        pointerHand(minuteAngle, 0.7 * r, FAppearance.MinutePointer(), {});
    }
    if ((style == psLine || style == psPointer) && FSettings.Auto() && FSettings.Second())
        lineHand(secondAngle, 0.2 * r, 0.9 * r, FAppearance.SecondPointer(), FAppearance.SecondPointerSize(), {});
    painter->restore();
    PaintCenterPoint(Canvas);
}

void TExWatch::PaintCenterPoint(TCanvas& Canvas) {
    const int s = FAppearance.CenterPointSize();
    if (s <= 0) return;
    const TRect face = FaceRect();
    const int cx = face.Left + face.Width() / 2, cy = face.Top + face.Width() / 2;
    const double left = RoundHalfEven(cx - s / 2.0), top = RoundHalfEven(cy - s / 2.0);
    QPainter* painter = Canvas.Painter();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    const QRectF circle(left, top, s, s);
    if (FAppearance.CenterPointColor() != clNone) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(ToQColor(FAppearance.CenterPointColor()));
        painter->drawEllipse(circle);
    }
    int outerWidth = 0;
    painter->setBrush(Qt::NoBrush);
    if (FAppearance.CenterPointOuterBorderColor() != clNone) {
        outerWidth = RoundHalfEven(s * 0.2);
        painter->setPen(PenOf(FAppearance.CenterPointOuterBorderColor(), outerWidth));
        painter->drawEllipse(circle);
    }
    if (FAppearance.CenterPointBorderColor() != clNone) {
        const double inner = s - outerWidth;
        painter->setPen(PenOf(FAppearance.CenterPointBorderColor(), RoundHalfEven(s * 0.1)));
        painter->drawEllipse(QRectF(cx - inner / 2.0, cy - inner / 2.0, inner, inner));
    }
    painter->restore();
}

// Shapes and pictures of the canvas: ellipse, pie, 3D edges, stretched and tiled bitmaps.
#include "platform/canvas.h"

#include <QImage>
#include <QPainterPath>
#include <QtMath>

namespace {

// The outline of a shape covers the same pixels as Rectangle's: the pen sits inside.
QRectF InsideOutline(int left, int top, int right, int bottom) {
    return QRectF(left + 0.5, top + 0.5, right - left - 1.0, bottom - top - 1.0);
}

}  // namespace

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    FPainter->save();
    FPainter->setRenderHint(QPainter::Antialiasing, false);
    FPainter->setBrush(Brush.Style == bsClear ? QBrush(Qt::NoBrush) : QBrush(ToQColor(Brush.Color)));
    FPainter->setPen(MakePen());
    FPainter->drawEllipse(InsideOutline(left, top, right, bottom));
    FPainter->restore();
}

void TCanvas::Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
    if (right <= left || bottom <= top) return;
    const QRectF box = InsideOutline(left, top, right, bottom);
    const QPointF centre = box.center();
    // Screen y runs down; angles are counted counter-clockwise as on paper.
    const double start = qRadiansToDegrees(qAtan2(centre.y() - y1, x1 - centre.x()));
    double end = qRadiansToDegrees(qAtan2(centre.y() - y2, x2 - centre.x()));
    double span = end - start;
    while (span <= 0) span += 360.0;
    QPainterPath path(centre);
    path.arcTo(box, start, span);
    path.closeSubpath();
    FPainter->save();
    FPainter->setRenderHint(QPainter::Antialiasing, false);
    FPainter->setBrush(Brush.Style == bsClear ? QBrush(Qt::NoBrush) : QBrush(ToQColor(Brush.Color)));
    FPainter->setPen(MakePen());
    FPainter->drawPath(path);
    FPainter->restore();
}

void TCanvas::DrawEdge(const TRect& r, TEdgeKind kind, bool fill) {
    if (r.IsEmpty()) return;
    if (fill) FPainter->fillRect(r.ToQRect(), ToQColor(clBtnFace));
    const QColor outerLight = ToQColor(kind == ekRaised ? clBtnHighlight : clBtnShadow);
    const QColor outerDark = ToQColor(kind == ekRaised ? cl3DDkShadow : clBtnHighlight);
    const QColor innerLight = ToQColor(kind == ekRaised ? clBtnFace : cl3DDkShadow);
    const QColor innerDark = ToQColor(kind == ekRaised ? clBtnShadow : clBtnFace);
    auto frame = [&](const TRect& f, const QColor& light, const QColor& dark) {
        if (f.IsEmpty()) return;
        FPainter->fillRect(QRect(f.Left, f.Top, f.Width(), 1), light);
        FPainter->fillRect(QRect(f.Left, f.Top, 1, f.Height()), light);
        FPainter->fillRect(QRect(f.Left, f.Bottom - 1, f.Width(), 1), dark);
        FPainter->fillRect(QRect(f.Right - 1, f.Top, 1, f.Height()), dark);
    };
    frame(r, outerLight, outerDark);
    frame(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), innerLight, innerDark);
}

void TCanvas::StretchDraw(const TRect& r, const QImage& image) {
    if (FMapMode != mmText) {
        const TRect device = LogicalToDevice(r);
        DeviceUnits units(*this);
        StretchDraw(device, image);
        return;
    }
    if (r.IsEmpty() || image.isNull()) return;
    FPainter->drawImage(r.ToQRect(), image);
}

void TCanvas::TileDraw(const TRect& r, const QImage& image, int originX, int originY) {
    if (r.IsEmpty() || image.isNull()) return;
    const int w = image.width(), h = image.height();
    // The first tile starts at or before r's corner on the grid of tiles through the origin.
    const int startX = r.Left - (((r.Left - originX) % w) + w) % w;
    const int startY = r.Top - (((r.Top - originY) % h) + h) % h;
    FPainter->save();
    FPainter->setClipRect(r.ToQRect(), Qt::IntersectClip);
    for (int y = startY; y < r.Bottom; y += h)
        for (int x = startX; x < r.Right; x += w) FPainter->drawImage(QPoint(x, y), image);
    FPainter->restore();
}

// Clips of other shapes than rectangles; they nest like IntersectClip.
#include "platform/canvas.h"

#include <QPainter>
#include <QPainterPath>

namespace {
QPainterPath EllipsePath(const TRect& r) {
    QPainterPath path;
    path.addEllipse(QRectF(r.Left, r.Top, r.Width(), r.Height()));
    return path;
}
}  // namespace

void TCanvas::IntersectClipEllipse(const TRect& r) {
    FPainter->save();
    FPainter->setClipPath(EllipsePath(r), FPainter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    ++FClipDepth;
}

void TCanvas::IntersectClipRoundRect(const TRect& r, int cornerWidth, int cornerHeight) {
    QPainterPath path;
    path.addRoundedRect(QRectF(r.Left, r.Top, r.Width(), r.Height()), cornerWidth / 2.0, cornerHeight / 2.0);
    FPainter->save();
    FPainter->setClipPath(path, FPainter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    ++FClipDepth;
}

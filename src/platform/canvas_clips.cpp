#include "platform/canvas.h"

#include <QPainter>
#include <QPainterPath>

void TCanvas::IntersectClipEllipse(const TRect& r) {
    QPainterPath path;
    path.addEllipse(QRectF(r.Left, r.Top, r.Width(), r.Height()));
    FPainter->setClipPath(path, FPainter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void TCanvas::IntersectClipRoundRect(const TRect& r, int cornerWidth, int cornerHeight) {
    QPainterPath path;
    path.addRoundedRect(QRectF(r.Left, r.Top, r.Width(), r.Height()), cornerWidth / 2.0, cornerHeight / 2.0);
    FPainter->setClipPath(path, FPainter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void TCanvas::RemoveClip() { FPainter->setClipping(false); }

void TCanvas::Ellipse(const TRect& r) {
    if (r.IsEmpty()) return;
    FPainter->save();
    FPainter->setRenderHint(QPainter::Antialiasing, true);
    FPainter->setBrush(Brush.Style == bsClear ? QBrush(Qt::NoBrush) : QBrush(ToQColor(Brush.Color)));
    FPainter->setPen(MakePen());
    // A pen of width w draws centred on the outline, so the ellipse shrinks by half of
    // it to stay within r.
    const double inset = Pen.Style == psClear ? 0.0 : std::max(1, Pen.Width) / 2.0;
    FPainter->drawEllipse(QRectF(r.Left + inset, r.Top + inset, r.Width() - 2 * inset, r.Height() - 2 * inset));
    FPainter->restore();
}

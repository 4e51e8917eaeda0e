// Clipping that nests and rotated text of the canvas.
#include "platform/canvas.h"
#include "platform/font_cache.h"

#include <QFontMetrics>
#include <QtGlobal>

void TCanvas::IntersectClip(const TRect& r) {
    if (FMapMode != mmText) {
        const TRect device = LogicalToDevice(r);
        DeviceUnits units(*this);
        IntersectClip(device);
        return;
    }
    // The painter's own state stack keeps the clip that was there, so restoring never
    // just removes clipping an outer caller relied on.
    FPainter->save();
    FPainter->setClipRect(r.ToQRect(), Qt::IntersectClip);
    ++FClipDepth;
}

void TCanvas::RestoreClip() {
    Q_ASSERT(FClipDepth > 0);
    if (FClipDepth == 0) return;
    --FClipDepth;
    FPainter->restore();
}

void TCanvas::TextOutRotated(int x, int y, int escapement, const QString& text) {
    if (FMapMode != mmText) {
        const TPoint device = LogicalToDevice(TPoint{x, y});
        DeviceUnits units(*this);
        TextOutRotated(device.X, device.Y, escapement, text);
        return;
    }
    const QFont font = CachedQFont(Font);
    const QFontMetrics fm = Metrics();
    FPainter->save();
    FPainter->translate(x, y);
    // Escapement turns counter-clockwise; the painter's rotation is clockwise.
    FPainter->rotate(-escapement / 10.0);
    if (Brush.Style != bsClear && !TransparentText)
        FPainter->fillRect(QRect(0, 0, fm.horizontalAdvance(text), fm.height()), ToQColor(Brush.Color));
    FPainter->setFont(font);
    FPainter->setPen(ToQColor(Font.Color));
    FPainter->drawText(QPoint(0, fm.ascent()), text);
    FPainter->restore();
}

// The metric mapping mode: conversions between logical and device units.
#include "platform/canvas.h"

#include <QPaintDevice>
#include <QtGlobal>

namespace {
constexpr double TenthsOfMmPerInch = 254.0;
}

int TCanvas::ResolutionX() const { return FPainter->device()->logicalDpiX(); }
int TCanvas::ResolutionY() const { return FPainter->device()->logicalDpiY(); }

TPoint TCanvas::LogicalToDevice(TPoint p) const {
    if (FMapMode == mmText) return p;
    return {qRound(p.X * ResolutionX() / TenthsOfMmPerInch), qRound(-p.Y * ResolutionY() / TenthsOfMmPerInch)};
}

TPoint TCanvas::DeviceToLogical(TPoint p) const {
    if (FMapMode == mmText) return p;
    return {qRound(p.X * TenthsOfMmPerInch / ResolutionX()), -qRound(p.Y * TenthsOfMmPerInch / ResolutionY())};
}

TRect TCanvas::LogicalToDevice(const TRect& r) const {
    const TPoint a = LogicalToDevice(TPoint{r.Left, r.Top});
    const TPoint b = LogicalToDevice(TPoint{r.Right, r.Bottom});
    return {qMin(a.X, b.X), qMin(a.Y, b.Y), qMax(a.X, b.X), qMax(a.Y, b.Y)};
}

TRect TCanvas::DeviceToLogical(const TRect& r) const {
    const TPoint a = DeviceToLogical(TPoint{r.Left, r.Top});
    const TPoint b = DeviceToLogical(TPoint{r.Right, r.Bottom});
    return {a.X, a.Y, b.X, b.Y};
}

TRect TCanvas::ClipRect() const {
    const QRect area = FPainter->hasClipping() ? FPainter->clipBoundingRect().toAlignedRect()
                                               : QRect(0, 0, FPainter->device()->width(), FPainter->device()->height());
    return DeviceToLogical(TRect::FromQRect(area));
}

int TCanvas::DeviceLengthX(int length) const {
    if (FMapMode == mmText) return length;
    return qRound(length * ResolutionX() / TenthsOfMmPerInch);
}

int TCanvas::LogicalLengthX(int pixels) const {
    if (FMapMode == mmText) return pixels;
    return qRound(pixels * TenthsOfMmPerInch / ResolutionX());
}

int TCanvas::LogicalLengthY(int pixels) const {
    if (FMapMode == mmText) return pixels;
    return qRound(pixels * TenthsOfMmPerInch / ResolutionY());
}

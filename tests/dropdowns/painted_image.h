#pragma once
// A white image with a canvas on it, for probing what a routine paints.

#include "platform/canvas.h"

#include <QImage>
#include <QPainter>
#include <memory>

class PaintedImage {
public:
    PaintedImage(int width, int height) : FImage(width, height, QImage::Format_RGB32) {
        FImage.fill(Qt::white);
        FPainter = std::make_unique<QPainter>(&FImage);
        FCanvas = std::make_unique<TCanvas>(FPainter.get());
        FCanvas->Font.Name = QStringLiteral("DejaVu Sans");
    }
    TCanvas& Canvas() { return *FCanvas; }
    TColor At(int x, int y) const { return FromQColor(FImage.pixelColor(x, y)); }
    // True when some pixel of r differs from white.
    bool Painted(const TRect& r) const {
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (At(x, y) != 0xFFFFFF) return true;
        return false;
    }

private:
    QImage FImage;
    std::unique_ptr<QPainter> FPainter;
    std::unique_ptr<TCanvas> FCanvas;
};

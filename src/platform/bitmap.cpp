#include "platform/bitmap.h"

namespace {
constexpr QImage::Format kFormat = QImage::Format_ARGB32_Premultiplied;
}

TBitmap::~TBitmap() { EndPainting(); }

void TBitmap::EndPainting() {
    if (FPainter && FPainter->isActive()) FPainter->end();
}

void TBitmap::SetSize(int width, int height) {
    width = qMax(0, width);
    height = qMax(0, height);
    if (width == Width() && height == Height() && !FImage.isNull()) return;
    EndPainting();
    QImage image(width, height, kFormat);
    image.fill(Qt::white);
    if (!FImage.isNull() && width > 0 && height > 0) {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, FImage);
    }
    FImage = image;
}

void TBitmap::Assign(const TBitmap& source) {
    if (&source == this) return;
    EndPainting();
    FImage = source.FImage.copy();
    FTransparent = source.FTransparent;
    FTransparentMode = source.FTransparentMode;
    FTransparentColor = source.FTransparentColor;
}

bool TBitmap::LoadFromFile(const QString& path) {
    QImage image;
    if (!image.load(path)) return false;
    LoadFromImage(image);
    return true;
}

void TBitmap::LoadFromImage(const QImage& image) {
    EndPainting();
    FImage = image.convertToFormat(kFormat);
}

TCanvas& TBitmap::Canvas() {
    if (!FPainter) {
        FPainter = std::make_unique<QPainter>();
        FCanvas = std::make_unique<TCanvas>(FPainter.get());
    }
    if (!FPainter->isActive() && !FImage.isNull() && !FImage.size().isEmpty()) FPainter->begin(&FImage);
    return *FCanvas;
}

void TBitmap::SetTransparentColor(TColor value) {
    FTransparentColor = value;
    FTransparentMode = tmFixed;
}

TColor TBitmap::TransparentColor() const {
    if (FTransparentMode == tmFixed || Empty()) return FTransparentColor;
    return FromQColor(FImage.pixelColor(0, Height() - 1));
}

QImage TBitmap::MaskedImage() const {
    QImage masked = FImage.convertToFormat(QImage::Format_ARGB32);
    if (masked.isNull() || (FTransparentMode == tmFixed && FTransparentColor == clNone)) return masked;
    const QRgb autoKey = masked.pixel(0, masked.height() - 1);
    const QRgb fixedKey = ToQColor(FTransparentColor).rgb();
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x) {
            const bool key = FTransparentMode == tmAuto ? line[x] == autoKey
                                                         : qAlpha(line[x]) == 255 && line[x] == fixedKey;
            if (key) line[x] = 0;
        }
    }
    return masked;
}

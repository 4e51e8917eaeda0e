#include "platform/image_list.h"

#include <QPainter>

int TCustomImageList::Add(const QImage& Image) {
    QImage scaled = Image.isNull() ? QImage(FWidth, FHeight, QImage::Format_ARGB32_Premultiplied)
                                   : Image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (Image.isNull()) scaled.fill(Qt::transparent);
    if (scaled.width() != FWidth || scaled.height() != FHeight)
        scaled = scaled.scaled(FWidth, FHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    FImages.push_back(scaled);
    return Count() - 1;
}

void TCustomImageList::Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled) const {
    if (Index < 0 || Index >= Count()) return;
    const QImage& image = FImages[static_cast<std::size_t>(Index)];
    if (Enabled) {
        Canvas.Painter()->drawImage(QPoint(X, Y), image);
        return;
    }
    QImage grey = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            // Light grey, so a disabled image reads as unavailable on any background.
            const int level = 128 + qGray(line[x]) / 2;
            line[x] = qRgba(level, level, level, qAlpha(line[x]));
        }
    }
    Canvas.Painter()->drawImage(QPoint(X, Y), grey);
}

#include "platform/image_list.h"

#include <QPainter>

int TCustomImageList::Add(const QImage& image) {
    QImage scaled = image.size() == QSize(FWidth, FHeight)
                        ? image
                        : image.scaled(FWidth, FHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    FImages.push_back(scaled.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    return Count() - 1;
}

void TCustomImageList::Draw(TCanvas& Canvas, int x, int y, int index) const {
    if (index < 0 || index >= Count()) return;
    Canvas.Painter()->drawImage(QPoint(x, y), FImages[std::size_t(index)]);
}

#include "platform/picture.h"

#include <QImageReader>

void TPicture::LoadFromFile(const QString& FileName) {
    QImageReader reader(FileName);
    QImage image = reader.read();
    if (image.isNull())
        throw EInvalidGraphic(QStringLiteral("Cannot load picture \"%1\": %2").arg(FileName, reader.errorString()));
    FImage = std::move(image);
}

void TPicture::StretchDraw(TCanvas& Canvas, const TRect& r) const {
    if (FImage.isNull() || r.IsEmpty()) return;
    Canvas.Painter()->drawImage(r.ToQRect(), FImage);
}

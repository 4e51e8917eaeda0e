#pragma once
// A picture object (any format the Qt image readers know) that cells and settings can
// hold through a TObject pointer.

#include "platform/canvas.h"
#include "platform/component.h"

#include <QImage>
#include <QString>

// Raised when a picture file or resource cannot be loaded.
class EInvalidGraphic : public Exception { using Exception::Exception; };

class TPicture : public TObject {
public:
    TPicture() = default;
    explicit TPicture(QImage image) : FImage(std::move(image)) {}

    int Width() const { return FImage.width(); }
    int Height() const { return FImage.height(); }
    bool Empty() const { return FImage.isNull(); }
    const QImage& Image() const { return FImage; }
    void SetImage(const QImage& image) { FImage = image; }

    // Raises EInvalidGraphic when the file is missing or not a picture.
    void LoadFromFile(const QString& FileName);
    // Stretched into r; nothing for an empty picture or an empty rectangle.
    void StretchDraw(TCanvas& Canvas, const TRect& r) const;
    void Assign(const TPicture& Source) { FImage = Source.FImage; }

private:
    QImage FImage;
};

#pragma once
// An off-screen picture with a canvas to draw on. A transparent bitmap leaves out the
// pixels of its key colour when it is drawn: by default the colour of its lower-left
// pixel, alpha included, so pictures with an alpha channel keep their soft edges.

#include "platform/canvas.h"

#include <QImage>
#include <QPainter>
#include <memory>

enum TTransparentMode { tmAuto, tmFixed };

class TBitmap {
public:
    TBitmap() = default;
    TBitmap(int width, int height) { SetSize(width, height); }
    TBitmap(const TBitmap& source) { Assign(source); }
    TBitmap& operator=(const TBitmap& source) {
        Assign(source);
        return *this;
    }
    ~TBitmap();

    int Width() const { return FImage.width(); }
    int Height() const { return FImage.height(); }
    bool Empty() const { return FImage.isNull() || Width() == 0 || Height() == 0; }
    // Keeps the top-left part of the picture; new area is white.
    void SetSize(int width, int height);
    void SetWidth(int value) { SetSize(value, Height()); }
    void SetHeight(int value) { SetSize(Width(), value); }
    void Assign(const TBitmap& source);
    // Loads a picture (a file or a ":/" resource); false when it cannot be read.
    bool LoadFromFile(const QString& path);
    void LoadFromImage(const QImage& image);

    // The canvas stays valid as long as the bitmap; resizing it keeps the canvas.
    TCanvas& Canvas();
    const QImage& Image() const { return FImage; }
    // The picture with its key colour made fully transparent.
    QImage MaskedImage() const;

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { FTransparent = value; }
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode value) { FTransparentMode = value; }
    // Setting a colour fixes the key; the RGB of opaque pixels is compared with it.
    void SetTransparentColor(TColor value);
    // The key colour: the lower-left pixel with tmAuto.
    TColor TransparentColor() const;

private:
    void EndPainting();

    QImage FImage;
    std::unique_ptr<QPainter> FPainter;
    std::unique_ptr<TCanvas> FCanvas;
    bool FTransparent = false;
    TTransparentMode FTransparentMode = tmAuto;
    TColor FTransparentColor = clNone;
};

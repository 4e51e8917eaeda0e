#pragma once
// The soft glow of the grid's focus frame: a rounded ring drawn into a 24-bit picture,
// blurred at its border bands with a Gaussian filter, and merged with a colour picture
// into a premultiplied ARGB mask that the focus window shows.
//
// "24-bit" pictures are QImage::Format_RGB888; the alpha mask is
// QImage::Format_ARGB32_Premultiplied, so its pixels are ready to draw.

#include "platform/types.h"

#include <QImage>
#include <cstdint>

// Raised by BlurBitmap24 for a picture that is not 24-bit.
class EGridBlurError : public Exception {
    using Exception::Exception;
};

class TGridAlphaMask {
public:
    TGridAlphaMask() = default;
    int Width() const { return FImage.width(); }
    int Height() const { return FImage.height(); }
    bool Empty() const { return FImage.isNull() || Width() == 0 || Height() == 0; }
    std::uint8_t Opacity() const { return FOpacity; }
    void SetOpacity(std::uint8_t Value) { FOpacity = Value; }
    const QImage& Image() const { return FImage; }

    // Copies the opacity and the pixels of another mask, taking its size first.
    void Assign(const TGridAlphaMask& Source);
    // Copies any picture, converted to 32-bit premultiplied pixels.
    void Assign(const QImage& Source);
    // Alpha from the red of Mask, colour from Bitmap premultiplied by that alpha. Nothing
    // happens unless Bitmap is 24-bit and Mask is a 24-bit picture of the same size (a
    // smaller mask would be read past its end). Color takes no part in the result.
    void MergeMask(const QImage& Mask, const QImage& Bitmap, std::uint16_t Color);

private:
    QImage FImage;
    std::uint8_t FOpacity = 255;
};

// Weights w[-10..10] of which only w[-Size..Size] are used.
struct TGaussianKernel {
    float Weights[21] = {};
    int Size = 10;
    float Weight(int Offset) const { return Weights[Offset + 10]; }
};

TGaussianKernel BuildGaussianKernel(double Radius, int MaxData = 255, int Granularity = 1);
int ClampInt(int Low, int High, int Value);
int ClampChannel(int Low, int High, double Value);
// Blurs Count pixels of 3 bytes, Stride bytes apart, in place.
void BlurLine(std::uint8_t* First, int Count, int Stride, const TGaussianKernel& Kernel);
// Blurs the border bands of a 24-bit picture; raises EGridBlurError ("Blur only works
// for 24-bit bitmaps") and leaves the picture as it was for any other format.
void BlurBitmap24(QImage& Bitmap, double Radius);
// A white rounded ring (PenWidth > 0) or a filled white rounded rectangle on black,
// Width x Height, 24-bit, blurred when BlurRadius > 0.
void CreateRoundRectMask(QImage& Bitmap, int Width, int Height, int PenWidth, int Corner, int BlurRadius);

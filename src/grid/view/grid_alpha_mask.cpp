// Alpha mask, round ring and Gaussian blur of the focus frame's glow.

#include "grid/view/grid_alpha_mask.h"

#include <QPainter>
#include <QPen>
#include <cmath>
#include <cstring>
#include <vector>

void TGridAlphaMask::Assign(const TGridAlphaMask& Source) {
    if (&Source == this) return;
    FOpacity = Source.FOpacity;
    FImage = Source.FImage.copy();
    if (!FImage.isNull()) FImage = FImage.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void TGridAlphaMask::Assign(const QImage& Source) {
    FImage = Source.isNull() ? QImage() : Source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void TGridAlphaMask::MergeMask(const QImage& Mask, const QImage& Bitmap, std::uint16_t /*Color*/) {
    if (Bitmap.format() != QImage::Format_RGB888 || Mask.format() != QImage::Format_RGB888) return;
    if (Mask.size() != Bitmap.size()) return;
    QImage merged(Bitmap.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < Bitmap.height(); ++y) {
        const std::uint8_t* colour = Bitmap.constScanLine(y);
        const std::uint8_t* mask = Mask.constScanLine(y);
        auto* out = reinterpret_cast<QRgb*>(merged.scanLine(y));
        for (int x = 0; x < Bitmap.width(); ++x) {
            const int a = mask[3 * x];  // red of the mask pixel
            auto premultiplied = [a](int c) { return int(std::lround(c * a / 255.0)); };
            out[x] = qRgba(premultiplied(colour[3 * x]), premultiplied(colour[3 * x + 1]),
                           premultiplied(colour[3 * x + 2]), a);
        }
    }
    FImage = merged;
}

TGaussianKernel BuildGaussianKernel(double Radius, int MaxData, int Granularity) {
    TGaussianKernel kernel;
    double sum = 0;
    for (int j = -10; j <= 10; ++j) {
        const double x = j / Radius;
        kernel.Weights[j + 10] = float(std::exp(-x * x / 2));
        sum += kernel.Weights[j + 10];
    }
    for (float& w : kernel.Weights) w = float(w / sum);
    int k = 10;
    double tail = 0;
    while (tail < double(Granularity) / (2.0 * MaxData) && k > 1) {
        tail += 2 * kernel.Weight(k);
        --k;
    }
    kernel.Size = k;
    sum = 0;
    for (int j = -k; j <= k; ++j) sum += kernel.Weight(j);
    for (int j = -k; j <= k; ++j) kernel.Weights[j + 10] = float(kernel.Weights[j + 10] / sum);
    return kernel;
}

int ClampInt(int Low, int High, int Value) { return Value < Low ? Low : Value > High ? High : Value; }

int ClampChannel(int Low, int High, double Value) {
    if (Value < Low) return Low;
    if (Value >= High) return High;
    return int(Value);
}

void BlurLine(std::uint8_t* First, int Count, int Stride, const TGaussianKernel& Kernel) {
    if (Count <= 0) return;
    const int last = Count - 1;
    std::vector<std::uint8_t> result(std::size_t(Count) * 3);
    for (int p = 0; p <= last; ++p) {
        for (int channel = 0; channel < 3; ++channel) {
            double s = 0;
            for (int i = -Kernel.Size; i <= Kernel.Size; ++i)
                s += Kernel.Weight(i) * First[std::size_t(ClampInt(0, last, p - i)) * Stride + channel];
            result[std::size_t(p) * 3 + channel] = std::uint8_t(ClampChannel(0, 255, s));
        }
    }
    for (int p = 0; p <= last; ++p) std::memcpy(First + std::size_t(p) * Stride, &result[std::size_t(p) * 3], 3);
}

void BlurBitmap24(QImage& Bitmap, double Radius) {
    if (Bitmap.format() != QImage::Format_RGB888) throw EGridBlurError(QStringLiteral("Blur only works for 24-bit bitmaps"));
    const TGaussianKernel kernel = BuildGaussianKernel(Radius, 255, 1);
    const int width = Bitmap.width();
    const int height = Bitmap.height();
    // Only the bands up to 20 pixels from each edge are filtered; the inside copies the
    // already blurred row and column 15, which a ring's straight sides make equal.
    for (int r = 0; r < height; ++r) {
        if (r > 20 && r < height - 20) std::memcpy(Bitmap.scanLine(r), Bitmap.constScanLine(15), std::size_t(width) * 3);
        else BlurLine(Bitmap.scanLine(r), width, 3, kernel);
    }
    const int stride = int(Bitmap.bytesPerLine());
    for (int c = 0; c < width; ++c) {
        if (c > 20 && c < width - 20) {
            for (int r = 0; r < height; ++r) std::memcpy(Bitmap.scanLine(r) + 3 * c, Bitmap.constScanLine(r) + 3 * 15, 3);
        } else {
            BlurLine(Bitmap.scanLine(0) + 3 * c, height, stride, kernel);
        }
    }
}

void CreateRoundRectMask(QImage& Bitmap, int Width, int Height, int PenWidth, int Corner, int BlurRadius) {
    Bitmap = QImage(std::max(Width, 0), std::max(Height, 0), QImage::Format_RGB888);
    if (Bitmap.isNull()) return;
    Bitmap.fill(Qt::black);
    {
        QPainter painter(&Bitmap);
        const int half = PenWidth / 2;
        const double left = 2 + half;
        const double top = 2 + half;
        const double right = Width - 2 - half;
        const double bottom = Height - 2 - half;
        if (PenWidth > 0) {
            // The pen is centred on the outline: a ring PenWidth wide whose outer edge
            // lies 2 pixels inside the border.
            painter.setPen(QPen(Qt::white, PenWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            painter.setBrush(Qt::black);
            painter.drawRoundedRect(QRectF(left, top, right - left, bottom - top), Corner / 2.0, Corner / 2.0);
        } else {
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::white);
            painter.drawRoundedRect(QRectF(left, top, right - left, bottom - top), Corner / 2.0, Corner / 2.0);
        }
    }
    if (BlurRadius > 0) BlurBitmap24(Bitmap, BlurRadius);
}

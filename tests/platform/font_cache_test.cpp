// The canvas remembers fonts, metrics and measured texts: what it answers must be what
// a freshly built QFontMetrics answers, whatever fonts and devices came before.

#include "platform/font_cache.h"

#include "image_canvas.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

TFont MakeFont(const char* name, int size, TFontStyles style = {}) {
    TFont font;
    font.Name = QString::fromLatin1(name);
    font.Size = size;
    font.Style = style;
    return font;
}

QSize Measured(TCanvas& canvas, const QString& text, unsigned format, int width) {
    TRect r{0, 0, width, 10};
    canvas.DrawText(text, r, format | DT_CALCRECT);
    return {r.Width(), r.Height()};
}

QSize Expected(const TFont& font, const QPaintDevice* device, const QString& text, int flags, int width) {
    return QFontMetrics(font.ToQFont(), device).boundingRect(QRect(0, 0, width, 1 << 20), flags, text).size();
}

}  // namespace

// More fonts than are remembered, asked for in turn and again, with texts that wrap at
// one width and not at another: every answer matches a fresh measurement.
TEST(FontCacheTest, MeasurementsMatchFreshMetricsAcrossFontsWidthsAndEviction) {
    ImageCanvas surface(50, 50);
    std::vector<TFont> fonts;
    for (int size = 6; size <= 16; ++size) fonts.push_back(MakeFont("DejaVu Sans", size, size % 2 ? TFontStyles{fsBold} : TFontStyles{}));
    fonts.push_back(MakeFont("DejaVu Serif", 9, {fsItalic}));
    const QString wrapped = QStringLiteral("Switch the lights of the hall on at dusk");
    for (int pass = 0; pass < 2; ++pass) {
        for (const TFont& font : fonts) {
            surface.canvas->Font = font;
            SCOPED_TRACE(font.Name.toStdString() + " " + std::to_string(font.Size));
            EXPECT_EQ(surface.canvas->TextWidth(QStringLiteral("Y")),
                      QFontMetrics(font.ToQFont(), &surface.image).horizontalAdvance(QStringLiteral("Y")));
            EXPECT_EQ(surface.canvas->TextHeight(QStringLiteral("hg")), QFontMetrics(font.ToQFont(), &surface.image).height());
            for (int width : {60, 400}) {
                const int flags = Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs | Qt::TextHideMnemonic;
                EXPECT_EQ(Measured(*surface.canvas, wrapped, DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS, width),
                          Expected(font, &surface.image, wrapped, flags, width))
                    << "width " << width;
            }
        }
    }
}

// The same font measured on images of another resolution, one after the other at the
// same place in memory, follows each image's resolution.
TEST(FontCacheTest, MetricsFollowTheResolutionOfTheDevice) {
    const TFont font = MakeFont("DejaVu Sans", 10);
    for (int dotsPerMeter : {3780, 7560, 3780}) {
        QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        EXPECT_EQ(CachedFontMetrics(font, &image).height(), QFontMetrics(font.ToQFont(), &image).height())
            << dotsPerMeter;
        EXPECT_EQ(CachedTextBounds(font, &image, QStringLiteral("Dimmer"), Qt::AlignTop | Qt::TextSingleLine, 1 << 20),
                  Expected(font, &image, QStringLiteral("Dimmer"), Qt::AlignTop | Qt::TextSingleLine, 1 << 20));
    }
}

// Two devices of different resolution painted in turn, as a window paints its grids:
// each keeps measuring and drawing its texts as a fresh painter on it does.
TEST(FontCacheTest, DevicesPaintedInTurnKeepTheirOwnMeasuresAndLines) {
    const TFont font = MakeFont("DejaVu Sans", 9);
    QImage images[2] = {QImage(120, 40, QImage::Format_ARGB32_Premultiplied),
                        QImage(120, 40, QImage::Format_ARGB32_Premultiplied)};
    for (int i = 0; i < 2; ++i) {
        images[i].setDotsPerMeterX(3780 * (i + 1));
        images[i].setDotsPerMeterY(3780 * (i + 1));
    }
    const QString text = QStringLiteral("Dimmer 12");
    const int flags = Qt::AlignTop | Qt::TextSingleLine | Qt::TextHideMnemonic;
    for (int pass = 0; pass < 3; ++pass)
        for (QImage& image : images) {
            SCOPED_TRACE(image.dotsPerMeterX());
            EXPECT_EQ(CachedTextBounds(font, &image, text, flags, 1 << 20), Expected(font, &image, text, flags, 1 << 20));
            QImage expected = image;
            image.fill(Qt::white);
            expected.fill(Qt::white);
            {
                QPainter painter(&image);
                TCanvas canvas(&painter);
                canvas.Font = font;
                canvas.Font.Color = clBlack;
                TRect r{2, 2, 118, 38};
                canvas.DrawText(text, r, DT_SINGLELINE | DT_NOPREFIX);
            }
            {
                QPainter painter(&expected);
                painter.setFont(font.ToQFont());
                painter.setPen(Qt::black);
                painter.setClipRect(QRect(2, 2, 116, 36));
                painter.drawText(QRect(2, 2, 116, 36), flags, text);
            }
            EXPECT_EQ(image, expected);
        }
}

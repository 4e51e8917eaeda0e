#pragma once
// A white image with a canvas on it in a known font, for measuring and pixel probes.

#include "grid/view/markup_renderer.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <memory>

class MarkupCanvasTest : public ::testing::Test {
protected:
    void SetUp() override {
        Image = QImage(400, 240, QImage::Format_ARGB32);
        Image.fill(Qt::white);
        Painter = std::make_unique<QPainter>(&Image);
        Canvas = std::make_unique<TCanvas>(Painter.get());
        Canvas->Font.Name = QStringLiteral("DejaVu Sans");
        Canvas->Font.Size = 8;
        Canvas->Font.Color = clBlack;
        Canvas->Brush.Color = clWhite;
        Canvas->Pen.Color = clBlack;
    }
    void TearDown() override {
        Canvas.reset();
        Painter->end();
    }

    // Parameters for a text in (0, 0, width, 200).
    TMarkupTextParams Params(const QString& text, int width = 400) {
        TMarkupTextParams p;
        p.Canvas = Canvas.get();
        p.Text = text;
        p.Bounds = Rect(0, 0, width, 200);
        return p;
    }
    TMarkupTextParams Measure(const QString& text, int width = 400) {
        TMarkupTextParams p = Params(text, width);
        p.MeasureOnly = true;
        DrawMarkupText(p);
        return p;
    }
    int TextWidth(const QString& text) const { return Canvas->TextWidth(text); }
    int LineHeight() const { return Canvas->TextHeight(QStringLiteral("gh")); }
    TColor PixelAt(int x, int y) const { return FromQColor(Image.pixelColor(x, y)) & 0xFFFFFF; }
    // True when some pixel of the rectangle has exactly the colour.
    bool HasColor(const TRect& r, TColor color) const {
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (PixelAt(x, y) == color) return true;
        return false;
    }
    bool AllWhite() const {
        for (int y = 0; y < Image.height(); ++y)
            for (int x = 0; x < Image.width(); ++x)
                if (PixelAt(x, y) != clWhite) return false;
        return true;
    }

    QImage Image;
    std::unique_ptr<QPainter> Painter;
    std::unique_ptr<TCanvas> Canvas;
};

#pragma once
// A white image with a canvas drawing on it in one ink colour, for pixel probes.

#include "platform/canvas.h"

#include <QImage>
#include <QPainter>
#include <memory>

constexpr TColor kInk = RGBColor(10, 20, 200);

struct ImageCanvas {
    explicit ImageCanvas(int w = 20, int h = 20) : image(w, h, QImage::Format_ARGB32_Premultiplied) {
        image.fill(Qt::white);
        painter.begin(&image);
        canvas = std::make_unique<TCanvas>(&painter);
        canvas->Pen.Color = kInk;
        canvas->Brush.Color = kInk;
    }
    TColor At(int x, int y) { return canvas->Pixels(x, y); }
    // How many pixels of area are (or are not) of colour.
    int Count(TColor colour, QRect area) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) n += At(x, y) == colour;
        return n;
    }
    int CountNot(TColor colour, QRect area) { return area.width() * area.height() - Count(colour, area); }
    // The fixture font of the tests, for text that must measure the same everywhere.
    void UseFixtureFont() {
        canvas->Font.Name = QStringLiteral("DejaVu Sans");
        canvas->Font.Size = 8;
        canvas->Font.Color = clBlack;
    }
    QImage image;
    QPainter painter;
    std::unique_ptr<TCanvas> canvas;
};

#include "dropdowns/color_selector_panels.h"

#include <QBitmap>
#include <QColor>
#include <QCursor>
#include <QPainter>
#include <QPainterPath>

const QImage& SpectrumBitmap() {
    static const QImage image = [] {
        QImage spectrum(128, 128, QImage::Format_RGB32);
        for (int x = 0; x < 128; ++x) {
            const QColor hue = QColor::fromHsvF(std::fmod(x * 360.0 / 128.0, 360.0) / 360.0, 1.0, 1.0);
            for (int y = 0; y < 128; ++y) {
                // White at the top, the full hue on rows 63 and 64, black at the bottom.
                double r, g, b;
                if (y <= 63) {
                    const double t = y / 63.0;
                    r = 255 + (hue.red() - 255) * t;
                    g = 255 + (hue.green() - 255) * t;
                    b = 255 + (hue.blue() - 255) * t;
                } else {
                    const double t = 1.0 - (y - 64) / 63.0;
                    r = hue.red() * t;
                    g = hue.green() * t;
                    b = hue.blue() * t;
                }
                spectrum.setPixel(x, y, qRgb(int(std::lround(r)), int(std::lround(g)), int(std::lround(b))));
            }
        }
        return spectrum;
    }();
    return image;
}

QCursor EyedropperCursor() {
    // A 32 x 32 monochrome eyedropper lying from the upper right to its tip at (1, 30).
    QBitmap shape(32, 32), mask(32, 32);
    shape.fill(Qt::color0);
    mask.fill(Qt::color0);
    auto draw = [](QBitmap& bitmap, int grow) {
        QPainter painter(&bitmap);
        painter.setRenderHint(QPainter::Antialiasing, false);
        QPen pen(Qt::color1, 3 + 2 * grow);
        pen.setCapStyle(Qt::RoundCap);
        painter.setPen(pen);
        painter.drawLine(2, 29, 18, 13);  // the tube
        painter.setBrush(Qt::color1);
        painter.drawEllipse(QPoint(24, 7), 4 + grow, 4 + grow);  // the bulb
        painter.setPen(QPen(Qt::color1, 1 + 2 * grow));
        painter.drawLine(15, 10, 21, 16);  // the collar
    };
    draw(mask, 1);
    draw(shape, 0);
    return QCursor(shape, mask, 1, 30);
}

TExColorSpectrumPanel::TExColorSpectrumPanel(TComponent* AOwner, QWidget* AParent) : TExCustomColorSelectorPanel(AOwner, AParent) {
    setFocusPolicy(Qt::NoFocus);
    UpdateLayout();
}

void TExColorSpectrumPanel::UpdateLayout() {
    resize(150, 174);
    const int left = (width() - 128) / 2, top = 10;
    FPictureRect = {left, top, left + 128, top + 128};
    const int bottom = FPictureRect.Bottom;
    FSelectedRect = {left - 1, bottom + 8, left + 128 / 2 - 2, bottom + 28};
    FHotRect = {FSelectedRect.Right + 4, FSelectedRect.Top, left + 128 + 1, FSelectedRect.Bottom};
    FHotColor = clNone;
    update();
}

void TExColorSpectrumPanel::Paint() {
    TCanvas& canvas = *Canvas();
    QPainter* painter = canvas.Painter();
    painter->drawImage(FPictureRect.Left, FPictureRect.Top, SpectrumBitmap());
    canvas.Brush.Style = bsClear;
    auto frame = [&](const TRect& r, int out, TColor color) {
        canvas.Pen.Color = color;
        canvas.FrameRect({r.Left - out, r.Top - out, r.Right + out, r.Bottom + out});
    };
    frame(FPictureRect, 1, 0xFFFFFF);
    frame(FPictureRect, 2, 0x808080);
    for (const auto& [rect, color] : {std::pair{FSelectedRect, FSelectedColor}, std::pair{FHotRect, FHotColor}}) {
        frame(rect, 1, 0x808080);
        if (color != clNone) painter->fillRect(rect.ToQRect(), ToQColor(color));
        frame(rect, 0, 0xFFFFFF);
    }
}

void TExColorSpectrumPanel::MouseMove(TShiftState Shift, int X, int Y) {
    TExCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    const bool over = OverPicture(X, Y);
    setCursor(over ? EyedropperCursor() : QCursor(Qt::ArrowCursor));
    if (!over) return;
    FHotColor = FromQColor(SpectrumBitmap().pixelColor(X - FPictureRect.Left, Y - FPictureRect.Top));
    update(FHotRect.ToQRect().adjusted(-1, -1, 1, 1));
}

void TExColorSpectrumPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    if (!OverPicture(X, Y)) return;
    FSelectedColor = FHotColor;
    update(FSelectedRect.ToQRect().adjusted(-1, -1, 1, 1));
    if (OnSelect) OnSelect(this);
}

void TExColorSpectrumPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExCustomColorSelectorPanel::MouseUp(Button, Shift, X, Y);
    if (OverPicture(X, Y) && OnShouldHide) OnShouldHide(this);
}

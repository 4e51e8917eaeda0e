#include "controls/layered_window.h"

#include <QPalette>
#include <QWidget>
#include <algorithm>

namespace {

qreal Opacity(int alpha) { return std::clamp(alpha, 0, 255) / 255.0; }

}  // namespace

bool CallSetLayeredWindowAttributes(QWidget* window, TColor /*keyColor*/, int alpha, unsigned flags) {
    if (window && (flags & LWA_ALPHA)) window->setWindowOpacity(Opacity(alpha));
    return true;
}

bool CallUpdateLayeredWindow(QWidget* window, const TPoint* position, const QImage* image, int alpha) {
    if (!window) return true;
    if (position) window->move(position->X, position->Y);
    if (image && !image->isNull()) {
        window->resize(image->size());
        QPalette palette = window->palette();
        palette.setBrush(QPalette::Window, QBrush(*image));
        window->setPalette(palette);
        window->setAutoFillBackground(true);
    }
    window->setWindowOpacity(Opacity(alpha));
    return true;
}

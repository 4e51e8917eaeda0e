#include "platform/screen_resolution.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtMath>

namespace {
int gFixedPixelsPerInch = 0;
}

int ScreenPixelsPerInchX() {
    if (gFixedPixelsPerInch > 0) return gFixedPixelsPerInch;
    const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                ? QGuiApplication::primaryScreen()
                                : nullptr;
    return screen ? qMax(1, qRound(screen->logicalDotsPerInchX())) : 96;
}

void SetScreenPixelsPerInchX(int pixelsPerInch) { gFixedPixelsPerInch = qMax(0, pixelsPerInch); }

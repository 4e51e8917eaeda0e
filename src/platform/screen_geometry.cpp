#include "platform/screen_geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <limits>

namespace {

ScreenWorkAreaSource& Source() {
    static ScreenWorkAreaSource source;
    return source;
}

std::optional<TRect> RealWorkAreaAt(TPoint point) {
    const QPoint p(point.X, point.Y);
    QScreen* best = QGuiApplication::screenAt(p);
    if (!best) {
        // The nearest screen, measured to its rectangle.
        long long bestDistance = std::numeric_limits<long long>::max();
        for (QScreen* screen : QGuiApplication::screens()) {
            const QRect g = screen->geometry();
            const long long dx = p.x() < g.left() ? g.left() - p.x() : (p.x() > g.right() ? p.x() - g.right() : 0);
            const long long dy = p.y() < g.top() ? g.top() - p.y() : (p.y() > g.bottom() ? p.y() - g.bottom() : 0);
            if (dx * dx + dy * dy < bestDistance) {
                bestDistance = dx * dx + dy * dy;
                best = screen;
            }
        }
    }
    if (!best) return std::nullopt;
    return TRect::FromQRect(best->availableGeometry());
}

}  // namespace

std::optional<TRect> ScreenWorkAreaAt(TPoint point) {
    if (Source()) return Source()(point);
    return RealWorkAreaAt(point);
}

void SetScreenWorkAreaSource(ScreenWorkAreaSource source) { Source() = std::move(source); }

#include "platform/wall_clock.h"

namespace {
WallClock& Clock() {
    static WallClock clock;
    return clock;
}
}  // namespace

QDateTime Now() { return Clock() ? Clock()() : QDateTime::currentDateTime(); }

void SetWallClock(WallClock clock) { Clock() = std::move(clock); }

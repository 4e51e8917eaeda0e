#pragma once
// The local date and time of day, as files the program writes stamp it. Tests replace
// the clock to get files they can compare byte for byte.

#include <QDateTime>
#include <functional>

QDateTime Now();

using WallClock = std::function<QDateTime()>;
// Passing an empty clock restores the real one.
void SetWallClock(WallClock clock);

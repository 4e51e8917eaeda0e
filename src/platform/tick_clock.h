#pragma once
// Milliseconds of a steady clock and a sleep of the calling thread. Tests replace both,
// so that waits of seconds run at once and always the same way.

#include <cstdint>
#include <functional>

std::int64_t TickCount();
void SleepMs(int milliseconds);

struct TickClock {
    std::function<std::int64_t()> Now;
    std::function<void(int milliseconds)> Sleep;
};
// Passing an empty clock restores the real one.
void SetTickClock(TickClock clock);

#include "platform/tick_clock.h"

#include <chrono>
#include <thread>

namespace {
TickClock& Replacement() {
    static TickClock clock;
    return clock;
}
}  // namespace

std::int64_t TickCount() {
    if (Replacement().Now) return Replacement().Now();
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SleepMs(int milliseconds) {
    if (Replacement().Sleep) return Replacement().Sleep(milliseconds);
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void SetTickClock(TickClock clock) { Replacement() = std::move(clock); }

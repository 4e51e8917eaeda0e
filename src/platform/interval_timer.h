#pragma once
// A repeating timer of the user-interface thread behind a seam, so tests can make its
// ticks happen one by one instead of waiting for them.

#include <functional>
#include <memory>

class TIntervalTimer {
public:
    virtual ~TIntervalTimer() = default;
    // Starts (or restarts) ticking every intervalMs milliseconds.
    virtual void Start(int intervalMs) = 0;
    virtual void Stop() = 0;
    virtual bool Running() const = 0;
    std::function<void()> OnTick;
};

using TIntervalTimerFactory = std::function<std::unique_ptr<TIntervalTimer>()>;

// A new timer: a Qt timer unless a test installed another factory.
std::unique_ptr<TIntervalTimer> CreateIntervalTimer();
// Passing an empty function restores the real timer.
void SetIntervalTimerFactory(TIntervalTimerFactory factory);

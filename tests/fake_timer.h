#pragma once
// An interval timer that ticks only when a test fires it, and a scope that makes every
// timer created meanwhile one of them.

#include "platform/interval_timer.h"

#include <memory>
#include <vector>

class FakeTimer : public TIntervalTimer {
public:
    void Start(int intervalMs) override {
        running = true;
        interval = intervalMs;
    }
    void Stop() override { running = false; }
    bool Running() const override { return running; }
    void Fire() {
        if (OnTick) OnTick();
    }
    bool running = false;
    int interval = 0;
};

class FakeTimersScope {
public:
    FakeTimersScope() {
        SetIntervalTimerFactory([this] {
            auto timer = std::make_unique<FakeTimer>();
            Timers.push_back(timer.get());
            return timer;
        });
    }
    ~FakeTimersScope() { SetIntervalTimerFactory({}); }
    FakeTimersScope(const FakeTimersScope&) = delete;
    FakeTimersScope& operator=(const FakeTimersScope&) = delete;

    // In the order of creation.
    std::vector<FakeTimer*> Timers;
};

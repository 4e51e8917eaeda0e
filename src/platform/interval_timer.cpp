#include "platform/interval_timer.h"

#include <QTimer>

namespace {

class TQtIntervalTimer : public TIntervalTimer {
public:
    TQtIntervalTimer() {
        QObject::connect(&FTimer, &QTimer::timeout, [this] {
            if (OnTick) OnTick();
        });
    }
    void Start(int intervalMs) override { FTimer.start(intervalMs); }
    void Stop() override { FTimer.stop(); }
    bool Running() const override { return FTimer.isActive(); }

private:
    QTimer FTimer;
};

TIntervalTimerFactory& Factory() {
    static TIntervalTimerFactory factory;
    return factory;
}

}  // namespace

std::unique_ptr<TIntervalTimer> CreateIntervalTimer() {
    if (Factory()) return Factory()();
    return std::make_unique<TQtIntervalTimer>();
}

void SetIntervalTimerFactory(TIntervalTimerFactory factory) { Factory() = std::move(factory); }

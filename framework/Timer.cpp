#include "framework/Timer.h"

#include "framework/Dispatch.h"
#include "framework/detail/TimerClock.h"

namespace fw {

Timer::Timer(Window& owner, std::string name)
    : Control(owner, std::move(name)), clock_(std::make_unique<detail::TimerClock>()) {
    QObject::connect(&clock_->timer, &QTimer::timeout, [this] { Fire(); });
}

Timer::~Timer() = default;

void Timer::SetProperties(const TimerProperties& properties) {
    properties_ = properties;
    Restart();
}

void Timer::SetRunMode(int mode) {
    properties_.RunMode = mode;
    Restart();
}

void Timer::SetPeriod(int milliseconds) {
    properties_.Period = milliseconds;
    Restart();
}

bool Timer::IsRunning() const { return clock_->timer.isActive(); }

int Timer::RemainingTime() const { return clock_->timer.remainingTime(); }

// A single-shot timer is spent before its Action runs, so the handler sees it stopped.
void Timer::Fire() {
    if (properties_.RunMode == TimerSingle) {
        properties_.RunMode = TimerOff;
        clock_->timer.stop();
    }
    Dispatch(Owner(), [this] { Action.Raise(*this); });
}

void Timer::Restart() {
    QTimer& timer = clock_->timer;
    timer.stop();
    if (properties_.RunMode != TimerSingle && properties_.RunMode != TimerMultiple) return;
    timer.setSingleShot(properties_.RunMode == TimerSingle);
    timer.start(std::max(properties_.Period, 0));
}

}  // namespace fw

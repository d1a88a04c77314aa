#pragma once
// A timer among a window's controls, without a widget. Setting its properties with a
// run mode other than off starts it; a single-shot timer fires once.
#include "framework/Control.h"
#include "framework/Event.h"

#include <memory>

namespace fw {

namespace detail { struct TimerClock; }

class Timer : public Control {
public:
    Timer(Window& owner, std::string name);
    ~Timer() override;
    std::string ClassName() const override { return "Timer"; }

    void SetProperties(const TimerProperties& properties);
    int RunMode() const { return properties_.RunMode; }
    void SetRunMode(int mode);
    int Period() const { return properties_.Period; }
    void SetPeriod(int milliseconds);
    bool IsRunning() const;
    // Milliseconds until a running timer fires; -1 when it is stopped.
    int RemainingTime() const;
    // What the clock does when the period has passed; tests call it instead of waiting.
    void Fire();

    Event<void(Timer&)> Action;

private:
    void Restart();
    TimerProperties properties_;
    std::unique_ptr<detail::TimerClock> clock_;
};

}  // namespace fw

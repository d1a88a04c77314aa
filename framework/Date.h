#pragma once
// The current local date and time, taken from the desktop's clock.
#include <chrono>
#include <string>

namespace fw {

class Date {
public:
    using Clock = std::chrono::system_clock;
    Date();  // now, by fw::CurrentDesktop().Now()
    explicit Date(Clock::time_point moment);

    // In the system locale's short formats.
    std::string ShortDate() const;
    std::string ShortTime() const;
    Clock::time_point Moment() const { return moment_; }

private:
    Clock::time_point moment_;
};

}  // namespace fw

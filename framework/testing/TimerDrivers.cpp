#include "framework/testing/Interaction.h"

#include "framework/Timer.h"
#include "framework/Window.h"

#include <vector>

namespace fw::testing {

// Collected first: an Action may add or stop timers.
void FirePendingTimers(Window& window) {
    std::vector<Timer*> running;
    for (const auto& control : window.Controls())
        if (auto* timer = dynamic_cast<Timer*>(control.get()); timer && timer->IsRunning()) running.push_back(timer);
    for (Timer* timer : running) timer->Fire();
}

}  // namespace fw::testing

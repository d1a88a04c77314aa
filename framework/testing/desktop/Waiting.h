#pragma once
// Waits on the real desktop, where the window system answers in its own time. Each
// runs the event loop meanwhile and gives up after a while.
#include <functional>

namespace fw {
class Window;
}

namespace fw::testing {

// True once the condition holds; false when it still fails after timeoutMs.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 5000);
// True once the window system has mapped the window and it can be seen.
bool WaitUntilOnScreen(Window& window);

}  // namespace fw::testing

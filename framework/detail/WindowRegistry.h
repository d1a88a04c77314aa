#pragma once
// The registry's own operations, beyond the public ones of WindowRegistry.h.
#include <cstdint>
#include <memory>

namespace fw {
class Window;
}

namespace fw::detail {

// Takes the window out of the registry; nullptr when it was not registered.
std::unique_ptr<Window> TakeWindow(Window& window);
// Destroys the window once the event loop is back in control, never inside its own event.
void DestroyLater(std::unique_ptr<Window> window);
// Closes every open window; their Close events run.
void CloseAllWindows();
// Whether an open window is shown, minimised or not, where the user can reach it.
bool AnyWindowReachable();

}  // namespace fw::detail

#pragma once
// The open windows, one per class at most: what the single-instance accessors find by
// class name. The registry owns every registered window; a window that closes leaves it
// and is destroyed once the event loop is back in control.
#include "framework/Window.h"

#include <memory>
#include <string>
#include <vector>

namespace fw {

// The open window of that class, shown or hidden, or nullptr.
Window* GetImplicitWindow(const std::string& className);
std::vector<Window*> OpenWindows();
// The window in front (the active one), or nullptr.
Window* FrontWindow();
// The registry takes ownership of a window; ForgetWindow drops a window whose
// construction failed.
void RegisterWindow(std::unique_ptr<Window> window);
void ForgetWindow(Window& window);

// The single-instance accessor every window class uses: the open window of the class,
// or a new one built now.
template <class W>
W& ImplicitWindow(const std::string& className) {
    if (Window* open = GetImplicitWindow(className)) return dynamic_cast<W&>(*open);
    auto owned = std::make_unique<W>();
    W& window = *owned;
    RegisterWindow(std::move(owned));
    try {
        window.Constructor();
    } catch (...) {
        ForgetWindow(window);
        throw;
    }
    return window;
}

}  // namespace fw

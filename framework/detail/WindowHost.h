#pragma once
// What a Window holds of the toolkit: its top-level frame (menu bar above, content area
// below) and the bookkeeping the registry needs.
#include <cstdint>
#include <functional>
#include <memory>

class QWidget;

namespace fw {
class Window;
}

namespace fw::detail {

class HostFrame;

struct WindowHost {
    explicit WindowHost(Window& owner);
    ~WindowHost();
    WindowHost(const WindowHost&) = delete;
    WindowHost& operator=(const WindowHost&) = delete;

    HostFrame* frame;   // owned; deleted with the host
    QWidget* content;   // the frame's central widget, parent of every control's widget
    uint64_t shownAt = 0;  // when it was last shown, for FrontWindow
    bool closing = false;
    // Run once the window has closed; the registry uses it to let the window go.
    std::function<void()> closed;
};

}  // namespace fw::detail

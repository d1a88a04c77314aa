#pragma once
// Which of the program's windows owns a dialog: the one whose event is being handled,
// where the user gave the command. The toolkit's active window is no guide: from the
// moment one dialog closes until the desktop hands the focus back, there is none.
namespace fw {
class Window;
}

namespace fw::detail {

// Marks the window whose event is being handled while it lives. Marks nest, since a
// dialog's own event loop handles further events.
class EventWindowMark {
public:
    explicit EventWindowMark(Window& window);
    ~EventWindowMark();
    EventWindowMark(const EventWindowMark&) = delete;
    EventWindowMark& operator=(const EventWindowMark&) = delete;
};

// The innermost marked window that is open and shown; else the front window (the active
// one, else the one shown last); nullptr when the program shows no window.
Window* DialogOwner();

}  // namespace fw::detail

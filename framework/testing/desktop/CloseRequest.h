#pragma once
// A close request sent to a window as a window manager sends one for Alt+F4 or a title
// bar's close button: on X11, a WM_PROTOCOLS client message naming WM_DELETE_WINDOW,
// sent to the window's native id from a connection of its own.
namespace fw {
class Window;
}

namespace fw::testing {

// True once the toolkit has handed the request to the window as a close event; false
// when it could not be sent (no X server) or never arrived.
bool SendCloseRequest(Window& window);

}  // namespace fw::testing

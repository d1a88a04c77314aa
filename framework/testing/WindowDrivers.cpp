// Requests the window system makes of a window, handed to the toolkit the way the
// platform hands them over.
#include "framework/testing/Interaction.h"

#include "framework/Window.h"
#include "framework/detail/HostFrame.h"
#include "framework/detail/WindowHost.h"

#include <QWindow>

namespace fw::testing {

// The platform window's close: the toolkit's own road from the window system to the
// frame's close event.
void RequestClose(Window& window) {
    QWidget& frame = *window.Host().frame;
    frame.winId();  // a window never shown gets its platform window now
    frame.windowHandle()->close();
}

}  // namespace fw::testing

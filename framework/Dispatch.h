#pragma once
// The boundary between the event loop and program code: every call from the toolkit
// into a handler passes here. What escapes the handler goes to the default handling of
// unhandled exceptions (a message box naming the exception), and the run goes on.
#include <exception>
#include <functional>

namespace fw {

class Window;

// The default handling: shows one message box naming the exception and its message.
void UnhandledException(const std::exception& error);
void UnhandledException();  // for a thrown value that is no std::exception

void Dispatch(const std::function<void()>& handler);
// The same for an event of one of the program's windows: the dialogs that the handler
// opens, the unhandled-exception box among them, belong to that window.
void Dispatch(Window& window, const std::function<void()>& handler);

// Runs a window's handler that returns a value; when it throws, the exception is handled
// and fallback is returned.
template <class R, class F>
R DispatchOr(Window& window, R fallback, F&& handler) {
    R result = fallback;
    Dispatch(window, [&] { result = handler(); });
    return result;
}

}  // namespace fw

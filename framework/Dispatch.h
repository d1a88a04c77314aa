#pragma once
// The boundary between the event loop and program code: every call from the toolkit
// into a handler passes here. What escapes the handler goes to the default handling of
// unhandled exceptions (a message box naming the exception), and the run goes on.
#include <exception>
#include <functional>

namespace fw {

// The default handling: shows one message box naming the exception and its message.
void UnhandledException(const std::exception& error);
void UnhandledException();  // for a thrown value that is no std::exception

void Dispatch(const std::function<void()>& handler);

// Runs a handler that returns a value; when it throws, the exception is handled and
// fallback is returned.
template <class R, class F>
R DispatchOr(R fallback, F&& handler) {
    R result = fallback;
    Dispatch([&] { result = handler(); });
    return result;
}

}  // namespace fw

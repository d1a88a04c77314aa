#include "framework/Dispatch.h"

#include "framework/Desktop.h"
#include "framework/core/Errors.h"
#include "framework/detail/DialogOwner.h"

namespace fw {

void UnhandledException(const std::exception& error) {
    std::string name = "exception";
    if (auto* runtime = dynamic_cast<const RuntimeException*>(&error)) name = runtime->ClassName();
    MsgBox("An unhandled " + name + " occurred: " + error.what());
}

void UnhandledException() { MsgBox("An unhandled exception occurred."); }

void Dispatch(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        try {
            UnhandledException(error);
        } catch (...) {
            // The handling itself failed (no desktop to tell): nothing more can be done.
        }
    } catch (...) {
        try {
            UnhandledException();
        } catch (...) {
        }
    }
}

void Dispatch(Window& window, const std::function<void()>& handler) {
    detail::EventWindowMark mark(window);
    Dispatch(handler);
}

}  // namespace fw

#include "framework/testing/Interaction.h"

#include "framework/detail/RuntimeState.h"
#include "framework/detail/WindowRegistry.h"

#include <QCoreApplication>

namespace fw::testing {

void ProcessEvents() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ResetRuntime() {
    detail::CloseAllWindows();
    ProcessEvents();
    detail::ResetQuitState();
}

int QuitStatus() { return detail::QuitStatus(); }

}  // namespace fw::testing

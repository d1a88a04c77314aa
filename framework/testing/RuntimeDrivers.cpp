#include "framework/testing/Interaction.h"

#include "framework/detail/RuntimeState.h"
#include "framework/detail/WindowRegistry.h"

#include <QApplication>
#include <QWidget>

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

std::vector<std::string> TopLevelWindowsLeft() {
    ProcessEvents();
    std::vector<std::string> left;
    for (QWidget* window : QApplication::topLevelWidgets())
        left.push_back(std::string(window->metaObject()->className()) + " \"" + window->windowTitle().toStdString() + "\"");
    return left;
}

}  // namespace fw::testing

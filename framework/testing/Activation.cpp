#include "framework/testing/Activation.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace fw::testing {
namespace {

// A Wayland compositor gives the focus only on the user's own input, and the tests'
// headless compositor has no keyboard at all: there is nothing to wait for.
bool PlatformActivatesOnRequest() { return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

}  // namespace

void ActivateWindow(QWidget& window) {
    if (QApplication::activeWindow() == &window) return;
    window.activateWindow();
    // A window that stays inactive still gets what is sent to it.
    if (PlatformActivatesOnRequest()) static_cast<void>(QTest::qWaitForWindowActive(&window));
}

}  // namespace fw::testing

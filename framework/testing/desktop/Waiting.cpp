#include "framework/testing/desktop/Waiting.h"

#include "framework/Window.h"
#include "framework/detail/HostFrame.h"
#include "framework/detail/WindowHost.h"

#include <QTest>

namespace fw::testing {

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) { return QTest::qWaitFor(condition, timeoutMs); }

bool WaitUntilOnScreen(Window& window) { return QTest::qWaitForWindowExposed(window.Host().frame); }

}  // namespace fw::testing

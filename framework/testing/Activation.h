#pragma once
// Asks the platform to activate a window and waits until it has, where a program can
// activate its own windows at all: the platform does it in its own time, and keys go
// where the focus is only once it has.
class QWidget;

namespace fw::testing {

void ActivateWindow(QWidget& window);

}  // namespace fw::testing

// Real mouse events. A press on a shown window goes in through the window system, as a
// user's does, so the toolkit knows the button is held.
#include "framework/testing/Interaction.h"

#include "framework/Control.h"
#include "framework/Window.h"
#include "framework/detail/HostFrame.h"
#include "framework/detail/WidgetHost.h"
#include "framework/detail/WindowHost.h"

#include <QTest>
#include <QWindow>

namespace fw::testing {

void MouseDown(RectControl& control, bool release) {
    QWidget& widget = *control.Host().widget;
    QWindow* handle = widget.window()->windowHandle();
    if (!handle || !widget.isVisible()) {
        QTest::mousePress(&widget, Qt::LeftButton);
        if (release) QTest::mouseRelease(&widget, Qt::LeftButton);
        return;
    }
    QPoint at = widget.mapTo(widget.window(), widget.rect().center());
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, at);
    if (release) QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, at);
}

// Straight to the content area, whatever control lies on top.
void ClickWindow(Window& window) {
    QWidget& content = *window.Host().content;
    QTest::mouseClick(&content, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
}

}  // namespace fw::testing

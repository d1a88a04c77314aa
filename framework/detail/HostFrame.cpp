#include "framework/detail/HostFrame.h"

#include "framework/Application.h"
#include "framework/Dispatch.h"
#include "framework/Window.h"
#include "framework/detail/KeyText.h"
#include "framework/detail/WindowHost.h"
#include "framework/detail/WindowRegistry.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace fw::detail {

ContentArea::ContentArea(Window& owner, QWidget* parent) : QWidget(parent), owner_(owner) {}

// Reached by presses on the area itself and those that a canvas, label or rectangle let
// through; positions are relative to the content area, as the controls' bounds are.
void ContentArea::mousePressEvent(QMouseEvent* event) {
    QPoint at = event->position().toPoint();
    bool claimed = DispatchOr(owner_, false, [&] { return owner_.Event_MouseDown(at.x(), at.y()); });
    event->setAccepted(claimed);
}

HostFrame::HostFrame(Window& owner) : owner_(owner), content_(new ContentArea(owner, this)) {
    setCentralWidget(content_);
}

void HostFrame::keyPressEvent(QKeyEvent* event) {
    auto key = KeyText(*event);
    if (!key || ControlHasFocus()) return QMainWindow::keyPressEvent(event);
    if (!DispatchOr(owner_, false, [&] { return owner_.Event_KeyDown(*key); })) QMainWindow::keyPressEvent(event);
}

// A close request from the window system. A window without a close button refuses it;
// and when it leaves no window the user can reach, the run ends rather than go on
// unseen. The program's own Close never comes this way.
void HostFrame::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (!owner_.Properties().HasCloseButton) return;
    owner_.Close();
    if (!IsQuitting() && !AnyWindowReachable()) Quit(0);
}

bool HostFrame::ControlHasFocus() const {
    QWidget* focused = focusWidget();
    return focused && focused != this && focused != content_;
}

WindowHost::WindowHost(Window& owner) : frame(new HostFrame(owner)), content(frame->Content()) {}

WindowHost::~WindowHost() { delete frame; }

}  // namespace fw::detail

#include "framework/detail/HostFrame.h"

#include "framework/Dispatch.h"
#include "framework/Window.h"
#include "framework/detail/KeyText.h"
#include "framework/detail/WindowHost.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace fw::detail {

ContentArea::ContentArea(Window& owner, QWidget* parent) : QWidget(parent), owner_(owner) {}

// Reached by presses on the area itself and those that a canvas, label or rectangle let
// through; positions are relative to the content area, as the controls' bounds are.
void ContentArea::mousePressEvent(QMouseEvent* event) {
    QPoint at = event->position().toPoint();
    bool claimed = DispatchOr(false, [&] { return owner_.Event_MouseDown(at.x(), at.y()); });
    event->setAccepted(claimed);
}

HostFrame::HostFrame(Window& owner) : owner_(owner), content_(new ContentArea(owner, this)) {
    setCentralWidget(content_);
}

void HostFrame::keyPressEvent(QKeyEvent* event) {
    auto key = KeyText(*event);
    if (!key || ControlHasFocus()) return QMainWindow::keyPressEvent(event);
    if (!DispatchOr(false, [&] { return owner_.Event_KeyDown(*key); })) QMainWindow::keyPressEvent(event);
}

void HostFrame::closeEvent(QCloseEvent* event) {
    event->ignore();
    owner_.Close();
}

bool HostFrame::ControlHasFocus() const {
    QWidget* focused = focusWidget();
    return focused && focused != this && focused != content_;
}

WindowHost::WindowHost(Window& owner) : frame(new HostFrame(owner)), content(frame->Content()) {}

WindowHost::~WindowHost() { delete frame; }

}  // namespace fw::detail

#include "framework/testing/desktop/CloseRequest.h"

#include "framework/Window.h"
#include "framework/detail/HostFrame.h"
#include "framework/detail/WindowHost.h"
#include "framework/testing/desktop/XConnection.h"

#include <QEvent>
#include <QTest>

namespace fw::testing {
namespace {

constexpr int kDeliveryTimeoutMs = 5000;

// Notes the close events that reach a widget, refused or not.
class CloseWatch : public QObject {
public:
    explicit CloseWatch(QWidget& widget) : widget_(widget) { widget_.installEventFilter(this); }
    ~CloseWatch() override { widget_.removeEventFilter(this); }
    bool seen = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &widget_ && event->type() == QEvent::Close) seen = true;
        return false;
    }

private:
    QWidget& widget_;
};

// An event mask of none sends the message to the client that made the window.
bool SendDeleteWindow(xcb_window_t window) {
    XConnection x;
    if (!x.Ok()) return false;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = x.Atom("WM_PROTOCOLS");
    message.data.data32[0] = x.Atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(x.c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    x.Sync();
    return true;
}

}  // namespace

bool SendCloseRequest(Window& window) {
    QWidget& frame = *window.Host().frame;
    CloseWatch watch(frame);
    if (!SendDeleteWindow(static_cast<xcb_window_t>(frame.winId()))) return false;
    return QTest::qWaitFor([&] { return watch.seen; }, kDeliveryTimeoutMs);
}

}  // namespace fw::testing

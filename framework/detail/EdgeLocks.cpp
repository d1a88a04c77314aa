#include "framework/detail/EdgeLocks.h"

#include "framework/detail/WidgetHost.h"

#include <QResizeEvent>

#include <algorithm>
#include <utility>

namespace fw::detail {
namespace {

const char* const kFilterName = "edge locks";

// Start and length along one axis in a parent that grew by delta.
std::pair<int, int> AlongAxis(int start, int length, bool lockStart, bool lockEnd, int delta) {
    if (!lockEnd) return {start, length};
    if (lockStart) return {start, std::max(length + delta, 0)};
    return {start + delta, length};
}

// Lives as the widget's child and watches the widget's parent.
class EdgeLockFilter : public QObject {
public:
    EdgeLockFilter(QWidget& widget, const Bounds& placed, const ControlCommon& locks, QSize placedIn)
        : QObject(&widget), widget_(widget), placed_(placed), locks_(locks), placedIn_(placedIn) {
        setObjectName(kFilterName);
    }

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Resize) Follow(static_cast<QResizeEvent*>(event)->size());
        return false;
    }

private:
    void Follow(QSize parent) {
        auto [left, width] = AlongAxis(placed_.Left, placed_.Width, locks_.LockLeft, locks_.LockRight,
                                       parent.width() - placedIn_.width());
        auto [top, height] = AlongAxis(placed_.Top, placed_.Height, locks_.LockTop, locks_.LockBottom,
                                       parent.height() - placedIn_.height());
        widget_.setGeometry(left, top, width, height);
    }

    QWidget& widget_;
    const Bounds placed_;
    const ControlCommon locks_;
    const QSize placedIn_;
};

}  // namespace

void FollowEdgeLocks(RectControl& control, const Bounds& placed, const ControlCommon& locks) {
    QWidget& widget = *control.Host().widget;
    delete widget.findChild<QObject*>(kFilterName, Qt::FindDirectChildrenOnly);
    if (!locks.LockRight && !locks.LockBottom) return;  // nothing would move
    QWidget& parent = *widget.parentWidget();
    const WindowProperties& designed = control.Owner().Properties();
    QSize placedIn = parent.isVisible() ? parent.size() : QSize(designed.Width, designed.Height);
    parent.installEventFilter(new EdgeLockFilter(widget, placed, locks, placedIn));
}

}  // namespace fw::detail

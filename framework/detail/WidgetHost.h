#pragma once
// What a RectControl holds of the toolkit: its widget, and the font style it was given
// (reported back as set, "System" and size 0 included).
#include "framework/Properties.h"
#include "framework/Window.h"
#include "framework/detail/WindowHost.h"

#include <QPointer>
#include <QWidget>

#include <memory>

namespace fw::detail {

struct WidgetHost {
    explicit WidgetHost(QWidget* w) : widget(w) {}
    ~WidgetHost() { delete widget.data(); }
    WidgetHost(const WidgetHost&) = delete;
    WidgetHost& operator=(const WidgetHost&) = delete;

    template <class W>
    W& As() const { return static_cast<W&>(*widget); }

    QPointer<QWidget> widget;
    FontStyle font;
    bool takesFocus = false;  // false: never focused, whatever TabStop says
};

// Makes a control's widget as a child of the window's content area, on top of the
// controls made before it.
template <class W, class C>
std::unique_ptr<WidgetHost> MakeHost(Window& owner, C& control, bool takesFocus) {
    auto* widget = new W(control, owner.Host().content);
    widget->raise();
    widget->show();
    auto host = std::make_unique<WidgetHost>(widget);
    host->takesFocus = takesFocus;
    return host;
}

}  // namespace fw::detail

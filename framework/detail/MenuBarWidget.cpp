#include "framework/detail/MenuBarWidget.h"

#include <QApplication>

namespace fw::detail {

MenuBarWidget::MenuBarWidget() {
    QObject::connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (now == this && old && old != this && old->window() == window()) focusBefore_ = old;
    });
}

// A mnemonic pressed while the bar holds the focus (Escape out of a menu, then Alt+E)
// would make the bar the widget it gives the focus back to, and typing would go nowhere
// once the menus close. The focus goes back first, so the bar takes it afresh.
bool MenuBarWidget::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut && hasFocus() && focusBefore_) focusBefore_->setFocus(Qt::MenuBarFocusReason);
    return QMenuBar::event(event);
}

QWidget* FocusBehindMenuBar(QWidget* focused) {
    auto* bar = dynamic_cast<MenuBarWidget*>(focused);
    return bar ? bar->FocusBefore() : focused;
}

}  // namespace fw::detail

#pragma once
// The toolkit menu bar a window draws. Keyboard navigation of the bar (Alt and a
// mnemonic, then the arrows or Escape) gives the bar itself the focus; the bar keeps the
// widget it took the focus from, which the Edit items serve meanwhile.
#include <QMenuBar>
#include <QPointer>

namespace fw::detail {

class MenuBarWidget : public QMenuBar {
public:
    MenuBarWidget();
    QWidget* FocusBefore() const { return focusBefore_; }

protected:
    bool event(QEvent* event) override;

private:
    QPointer<QWidget> focusBefore_;
};

// The widget that stands for the focused one: itself, or, when it is a window's menu
// bar, the widget the bar took the focus from.
QWidget* FocusBehindMenuBar(QWidget* focused);

}  // namespace fw::detail

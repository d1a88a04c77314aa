#pragma once
// The top-level widget of a Window and its content area. Presses and keys that no
// control takes become the window's own MouseDown and KeyDown; a close request from the
// window system takes the road of Window::Close, unless the window has no close button.
#include <QMainWindow>
#include <QWidget>

namespace fw {
class Window;
}

namespace fw::detail {

class ContentArea : public QWidget {
public:
    ContentArea(Window& owner, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    Window& owner_;
};

class HostFrame : public QMainWindow {
public:
    explicit HostFrame(Window& owner);
    Window& Owner() const { return owner_; }
    ContentArea* Content() const { return content_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool ControlHasFocus() const;
    Window& owner_;
    ContentArea* content_;
};

}  // namespace fw::detail

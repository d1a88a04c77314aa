#include "framework/detail/FrameGeometry.h"

#include "framework/detail/HostFrame.h"
#include "framework/detail/LightPalette.h"
#include "framework/detail/Styling.h"
#include "framework/detail/WindowHost.h"

#include <QGuiApplication>
#include <QScreen>

namespace fw::detail {
namespace {

constexpr int kStaggerStep = 30;

Qt::WindowFlags FrameFlags(const WindowProperties& p) {
    if (p.Type == PlainBox) return Qt::Window | Qt::FramelessWindowHint;
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (p.HasCloseButton) flags |= Qt::WindowCloseButtonHint;
    if (p.HasMinimizeButton) flags |= Qt::WindowMinimizeButtonHint;
    if (p.HasMaximizeButton) flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

// The layouts give the controls fixed colours (their text, a field's base), so the
// rest of what they are drawn with must be fixed too: the content area's palette, which
// every control inherits whole, and its own background, never the desktop's.
void ApplyBackground(QWidget& content, const WindowProperties& p) {
    QPalette palette = LightPalette();
    if (p.HasBackgroundColor) palette.setColor(QPalette::Window, ToQColor(p.BackgroundColor));
    content.setPalette(palette);
    content.setAutoFillBackground(true);
}

int MenuBarHeight(const QMainWindow& frame, int width) {
    QWidget* bar = frame.menuWidget();
    if (!bar || bar->isHidden()) return 0;
    int height = bar->hasHeightForWidth() ? bar->heightForWidth(width) : -1;
    return height > 0 ? height : bar->sizeHint().height();
}

void Place(QMainWindow& frame, const WindowProperties& p, int otherWindows) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect area = screen->availableGeometry();
    if (p.DefaultLocation == 3) {
        frame.move(area.topLeft() + QPoint(1, 1) * (kStaggerStep * otherWindows));
        return;
    }
    QRect placed(QPoint(), frame.size());
    placed.moveCenter(area.center());
    frame.move(placed.topLeft());
}

}  // namespace

void ApplyFrameProperties(WindowHost& host, const WindowProperties& p, int otherWindows) {
    HostFrame& frame = *host.frame;
    bool shown = frame.isVisible();
    frame.setWindowTitle(QString::fromStdString(p.Title));
    frame.setWindowFlags(FrameFlags(p));  // hides a shown frame
    ApplyBackground(*host.content, p);
    FitFrameToContent(host, p);
    Place(frame, p, otherWindows);
    if (shown) frame.show();
}

void FitFrameToContent(WindowHost& host, const WindowProperties& p) {
    HostFrame& frame = *host.frame;
    int bar = MenuBarHeight(frame, p.Width);
    if (!p.Resizeable) {
        frame.setFixedSize(p.Width, p.Height + bar);
        return;
    }
    frame.setMinimumSize(p.MinimumWidth, p.MinimumHeight + bar);
    frame.setMaximumSize(std::min(p.MaximumWidth, QWIDGETSIZE_MAX), std::min(p.MaximumHeight + bar, QWIDGETSIZE_MAX));
    frame.resize(p.Width, p.Height + bar);
}

}  // namespace fw::detail

#include "framework/Window.h"

#include "framework/Dispatch.h"
#include "framework/Menu.h"
#include "framework/detail/FrameGeometry.h"
#include "framework/detail/HostFrame.h"
#include "framework/detail/MenuBarView.h"
#include "framework/detail/TabOrder.h"
#include "framework/detail/WindowHost.h"

#include <QGuiApplication>

namespace fw {
namespace {

int liveWindows = 0;    // for the staggered placement of a new window
uint64_t showStamps = 0;  // rising; stamped on a window each time it shows

}  // namespace

Window::Window(std::string className)
    : className_(std::move(className)), host_(std::make_unique<detail::WindowHost>(*this)) {
    ++liveWindows;
    SetProperties(properties_);
}

// The controls' widgets go before the frame that holds them.
Window::~Window() {
    controls_.clear();
    --liveWindows;
}

void Window::Constructor() {
    Layout();
    CreateControls();
    AddMenuHandlers();
    for (std::size_t i = 0; i < controls_.size(); ++i) controls_[i]->RaiseOpen();
    detail::ChainTabOrder(controls_);
    if (properties_.Visible) Show();
}

void Window::Show() {
    auto& frame = *host_->frame;
    frame.show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) frame.raise();  // it cannot, and says so
    frame.activateWindow();
    host_->shownAt = ++showStamps;
}

void Window::Hide() { host_->frame->hide(); }

bool Window::Visible() const { return host_->frame->isVisible(); }

// The registry lets the window go at once, so the next accessor call builds a new one;
// the object itself goes once the event loop is back in control.
void Window::Close() {
    if (closed_ || host_->closing) return;
    host_->closing = true;
    Dispatch(*this, [this] { Event_Close(); });
    closed_ = true;
    host_->frame->hide();
    if (host_->closed) host_->closed();
}

void Window::SetProperties(const WindowProperties& properties) {
    bool barChanged = properties.MenuBarVisible != properties_.MenuBarVisible;
    properties_ = properties;
    if (barChanged) detail::InstallMenuBar(*this, menuBar_, properties_.MenuBarVisible);
    detail::ApplyFrameProperties(*host_, properties_, liveWindows - 1);
}

void Window::SetMenuBar(class MenuBar* bar) {
    menuBar_ = bar;
    detail::InstallMenuBar(*this, bar, properties_.MenuBarVisible);
    detail::FitFrameToContent(*host_, properties_);
}

Handle<MenuBar> Window::MenuBar() const { return Handle<class MenuBar>(menuBar_, "MenuBar"); }

Control* Window::FindControl(const std::string& name) const {
    for (const auto& control : controls_)
        if (control->Name() == name) return control.get();
    return nullptr;
}

void Window::AddControl(std::unique_ptr<Control> control) { controls_.push_back(std::move(control)); }

void Window::AddMenuHandler(const std::string& itemName, std::function<bool()> handler) {
    menuHandlers_[itemName] = std::move(handler);
}

bool Window::HasMenuHandler(const std::string& itemName) const {
    auto it = menuHandlers_.find(itemName);
    return it != menuHandlers_.end() && it->second;
}

bool Window::RunMenuHandler(const std::string& itemName) {
    auto it = menuHandlers_.find(itemName);
    return it != menuHandlers_.end() && it->second && it->second();
}

}  // namespace fw

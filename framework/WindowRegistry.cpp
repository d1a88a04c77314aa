#include "framework/WindowRegistry.h"

#include "framework/detail/HostFrame.h"
#include "framework/detail/WindowHost.h"
#include "framework/detail/WindowRegistry.h"

#include <QApplication>

#include <algorithm>

namespace fw {
namespace {

struct Registry {
    std::vector<std::unique_ptr<Window>> open;  // in the order they were registered
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

// Holds a closed window until the deferred delete of the event loop reaches it.
class Reaper : public QObject {
public:
    explicit Reaper(std::unique_ptr<Window> window) : window_(std::move(window)) {}

private:
    std::unique_ptr<Window> window_;
};

bool IsOpen(const Window* window) {
    auto& open = TheRegistry().open;
    return std::any_of(open.begin(), open.end(), [&](const auto& w) { return w.get() == window; });
}

}  // namespace

Window* GetImplicitWindow(const std::string& className) {
    for (auto& window : TheRegistry().open)
        if (!window->IsClosed() && window->ClassName() == className) return window.get();
    return nullptr;
}

std::vector<Window*> OpenWindows() {
    std::vector<Window*> windows;
    for (auto& window : TheRegistry().open) windows.push_back(window.get());
    return windows;
}

// The active window, else the visible one shown last.
Window* FrontWindow() {
    QWidget* active = QApplication::activeWindow();
    Window* front = nullptr;
    for (auto& window : TheRegistry().open) {
        if (window->Host().frame == active) return window.get();
        if (window->Visible() && (!front || window->Host().shownAt > front->Host().shownAt)) front = window.get();
    }
    return front;
}

void RegisterWindow(std::unique_ptr<Window> window) {
    Window& registered = *window;
    registered.Host().closed = [&registered] {
        if (auto owned = detail::TakeWindow(registered)) detail::DestroyLater(std::move(owned));
    };
    TheRegistry().open.push_back(std::move(window));
}

void ForgetWindow(Window& window) {
    window.Hide();
    if (auto owned = detail::TakeWindow(window)) detail::DestroyLater(std::move(owned));
}

namespace detail {

std::unique_ptr<Window> TakeWindow(Window& window) {
    auto& open = TheRegistry().open;
    auto it = std::find_if(open.begin(), open.end(), [&](const auto& w) { return w.get() == &window; });
    if (it == open.end()) return nullptr;
    std::unique_ptr<Window> owned = std::move(*it);
    open.erase(it);
    return owned;
}

void DestroyLater(std::unique_ptr<Window> window) { (new Reaper(std::move(window)))->deleteLater(); }

// A Close event may close or open other windows; a window opened while closing gets
// a few more rounds, not an endless loop.
void CloseAllWindows() {
    for (int round = 0; round < 3 && !TheRegistry().open.empty(); ++round)
        for (Window* window : OpenWindows())
            if (IsOpen(window)) window->Close();
}

// Visibility alone decides. A minimised window stays visible to the toolkit, and the
// user brings it back from the task bar; a window hidden while minimised still says it
// is minimised, but hiding took it off the desktop.
bool AnyWindowReachable() {
    auto& open = TheRegistry().open;
    return std::any_of(open.begin(), open.end(), [](const auto& window) { return window->Visible(); });
}

}  // namespace detail
}  // namespace fw

#pragma once
// A top-level window. Creation is two-phase: an accessor makes the object, registers it
// as the open window of its class (WindowRegistry.h), then calls Constructor(), which
// raises Layout, CreateControls, AddMenuHandlers and then each control's Open, in that
// order, and shows the window when its properties say Visible. A hidden window is
// still open; a closed one leaves the registry and is destroyed soon after.
#include "framework/Control.h"
#include "framework/Handle.h"
#include "framework/Properties.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace fw {

class MenuBar;
namespace detail { struct WindowHost; }

class Window {
public:
    explicit Window(std::string className);  // e.g. "ControlWnd.ControlWnd"
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::string& ClassName() const { return className_; }
    void Constructor();

    void Show();  // shows and brings to the front
    void Hide();
    void Close();  // raises Event_Close, then the window is gone
    bool Visible() const;
    bool IsClosed() const { return closed_; }

    void SetProperties(const WindowProperties& properties);
    const WindowProperties& Properties() const { return properties_; }

    void SetMenuBar(class MenuBar* bar);
    Handle<class MenuBar> MenuBar() const;

    // Window.__New and _AddControl in one: makes a control of class T under that name.
    template <class T>
    T& New(const std::string& name) {
        auto control = std::make_unique<T>(*this, name);
        T& result = *control;
        AddControl(std::move(control));
        return result;
    }
    // The control of that name cast to T; a nil handle when there is none or it is of
    // another class.
    template <class T>
    Handle<T> ControlByName(const std::string& name) const {
        return Handle<T>(dynamic_cast<T*>(FindControl(name)), name);
    }
    Control* FindControl(const std::string& name) const;
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

    // Menu handlers bound by item name; a handler returns true when it served the item.
    void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);
    bool HasMenuHandler(const std::string& itemName) const;
    // Runs the handler bound to that name; false when none is bound or it declined.
    bool RunMenuHandler(const std::string& itemName);

    // Window events; a class overrides those it implements.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers() {}
    virtual void Event_Close() {}
    virtual bool Event_MouseDown(int64_t /*x*/, int64_t /*y*/) { return false; }
    virtual bool Event_KeyDown(const std::string& /*key*/) { return false; }
    // Which of the window events above this class fills, by name.
    virtual bool IsEventImplemented(const std::string& /*eventName*/) const { return false; }

    detail::WindowHost& Host() const { return *host_; }  // the framework's own use

private:
    void AddControl(std::unique_ptr<Control> control);
    std::string className_;
    std::unique_ptr<detail::WindowHost> host_;
    WindowProperties properties_;
    class MenuBar* menuBar_ = nullptr;
    std::vector<std::unique_ptr<Control>> controls_;
    std::map<std::string, std::function<bool()>> menuHandlers_;
    bool closed_ = false;
};

}  // namespace fw

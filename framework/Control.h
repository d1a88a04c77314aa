#pragma once
// The base of every control a window holds, and of the controls drawn in a rectangle.
#include "framework/Properties.h"

#include <memory>
#include <string>

namespace fw {

class Window;
namespace detail { struct WidgetHost; }

class Control {
public:
    Control(Window& owner, std::string name) : owner_(owner), name_(std::move(name)) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    Window& Owner() const { return owner_; }
    virtual std::string ClassName() const = 0;
    // Raised by the window once, after all its controls exist.
    virtual void RaiseOpen() {}

private:
    Window& owner_;
    std::string name_;
};

class RectControl : public Control {
public:
    ~RectControl() override;
    Bounds GetBounds() const;
    bool Visible() const;  // the control's own property, whether or not its window shows
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    void SetFocus();
    bool HasFocus() const;
    int TabIndex() const { return common_.TabIndex; }
    bool TabStop() const { return common_.TabStop; }
    const ControlCommon& Common() const { return common_; }

    detail::WidgetHost& Host() const { return *host_; }  // the framework's own use

protected:
    RectControl(Window& owner, std::string name, std::unique_ptr<detail::WidgetHost> host);
    void ApplyCommon(const Bounds& bounds, const ControlCommon& common);

private:
    std::unique_ptr<detail::WidgetHost> host_;
    ControlCommon common_;
};

}  // namespace fw

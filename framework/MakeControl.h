#pragma once
// One row of a window's table of controls. MakeControl makes a control of class C in the
// window under its name, applies its property set, then binds the window's handlers in
// the order given; MakeCanvas gives a canvas its backdrop between adding it and applying
// its properties. Each step fetches the control by name anew, and a failure ends the row
// at that step.
#include "framework/Canvas.h"
#include "framework/Event.h"
#include "framework/Window.h"

#include <memory>
#include <string>

namespace fw {

// A window's handler method for one event of a control, named after the event.
template <class Method> struct OnKeyDown { Method handler; static auto& EventOf(auto& c) { return c.KeyDown; } };
template <class Method> struct OnOpen { Method handler; static auto& EventOf(auto& c) { return c.Open; } };
template <class Method> struct OnMouseDown { Method handler; static auto& EventOf(auto& c) { return c.MouseDown; } };
template <class Method> struct OnAction { Method handler; static auto& EventOf(auto& c) { return c.Action; } };

template <class C, class W, class Properties, class... Handlers>
void MakeControl(W& window, const std::string& name, const Properties& properties, Handlers... handlers) {
    Window& owner = window;
    owner.New<C>(name);
    owner.ControlByName<C>(name)->SetProperties(properties);
    (AddHandler(Handlers::EventOf(*owner.ControlByName<C>(name)), &window, handlers.handler), ...);
}

// The backdrop is asked of the picture accessor once the canvas is in the window.
inline void MakeCanvas(Window& window, const std::string& name, std::shared_ptr<Picture> (*backdrop)(),
                       const CanvasProperties& properties) {
    window.New<Canvas>(name);
    window.ControlByName<Canvas>(name)->SetBackdrop(backdrop());
    window.ControlByName<Canvas>(name)->SetProperties(properties);
}

}  // namespace fw

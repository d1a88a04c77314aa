#pragma once
// A control's or timer's event: at most one handler, bound with AddHandler.
#include <functional>
#include <utility>

namespace fw {

template <class Signature>
class Event;

template <class R, class... Args>
class Event<R(Args...)> {
public:
    using Handler = std::function<R(Args...)>;
    void Bind(Handler handler) { handler_ = std::move(handler); }
    bool IsBound() const { return static_cast<bool>(handler_); }
    // Raises the event; an unbound event yields R's default (false for Booleans).
    R Raise(Args... args) const {
        if (!handler_) return R();
        return handler_(std::forward<Args>(args)...);
    }

private:
    Handler handler_;
};

template <class Sig, class F>
void AddHandler(Event<Sig>& event, F&& handler) {
    event.Bind(std::forward<F>(handler));
}

// Binds a member function of an object, e.g. AddHandler(pFld()->KeyDown, this, &ControlWnd::pFld_KeyDown).
template <class R, class... Args, class Object, class Method>
void AddHandler(Event<R(Args...)>& event, Object* object, Method method) {
    event.Bind([object, method](Args... args) -> R { return (object->*method)(std::forward<Args>(args)...); });
}

}  // namespace fw

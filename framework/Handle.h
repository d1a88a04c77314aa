#pragma once
// A non-owning reference to a framework object that may be nil. Using a nil handle
// throws NilObjectException instead of dereferencing a null pointer.
#include "framework/core/Errors.h"

#include <string>

namespace fw {

template <class T>
class Handle {
public:
    Handle() = default;
    Handle(T* object, std::string what = {}) : object_(object), what_(std::move(what)) {}

    T* operator->() const { return &Get(); }
    T& operator*() const { return Get(); }
    T& Get() const {
        if (!object_) throw NilObjectException(what_.empty() ? "Nil object" : "Nil object: " + what_);
        return *object_;
    }
    bool IsNil() const { return object_ == nullptr; }
    explicit operator bool() const { return object_ != nullptr; }
    T* Pointer() const { return object_; }

private:
    T* object_ = nullptr;
    std::string what_;
};

}  // namespace fw

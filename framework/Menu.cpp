#include "framework/Menu.h"

#include "framework/Application.h"

namespace fw {

void MenuItem::AddMenu(std::unique_ptr<MenuItem> child) {
    if (!child) throw NilObjectException("Nil object: menu item");
    child->parent_ = this;
    children_.push_back(std::move(child));
}

Handle<MenuItem> MenuItem::Child(const std::string& name) const {
    for (const auto& child : children_)
        if (child->Name() == name) return Handle<MenuItem>(child.get(), name);
    return Handle<MenuItem>(nullptr, name);
}

// Depth first, in the order the items were added.
MenuItem* MenuItem::Find(const std::string& name) const {
    for (const auto& child : children_) {
        if (child->Name() == name) return child.get();
        if (MenuItem* below = child->Find(name)) return below;
    }
    return nullptr;
}

bool QuitMenuItem::Action() {
    Quit(0);
    return true;
}

}  // namespace fw

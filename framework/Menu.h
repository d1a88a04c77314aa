#pragma once
// Menus: one tree of items. A window that installs the bar draws its own toolkit menu
// bar from it. A chosen item goes first to the front window's handler bound to its
// name, then to the item's own Action (Quit quits), then, for the Edit items, to the
// focused text control. An auto-enabled item is enabled when one of these can serve it.
// A caption's "&" marks its mnemonic, "-" is a separator, "Cmd+X" is the platform's
// command-key shortcut (Ctrl+X here).
#include "framework/Handle.h"

#include <memory>
#include <string>
#include <vector>

namespace fw {

class Window;

class MenuItem {
public:
    MenuItem() = default;
    virtual ~MenuItem() = default;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;
    virtual std::string ClassName() const { return "MenuItem"; }

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    bool AutoEnabled() const { return autoEnabled_; }
    void SetAutoEnabled(bool value) { autoEnabled_ = value; }
    const std::string& Value() const { return value_; }  // the caption
    void SetValue(const std::string& caption) { value_ = caption; }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { visible_ = value; }
    const std::string& Shortcut() const { return shortcut_; }
    void SetShortcut(const std::string& shortcut) { shortcut_ = shortcut; shortcutAssigned_ = true; }
    bool ShortcutAssigned() const { return shortcutAssigned_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; enabledAssigned_ = true; }
    bool EnabledAssigned() const { return enabledAssigned_; }
    bool IsSeparator() const { return value_ == "-"; }

    // Appends after the children already there.
    void AddMenu(std::unique_ptr<MenuItem> child);
    // A direct child by name.
    Handle<MenuItem> Child(const std::string& name) const;
    // Any item of the tree below this one by name, cast to T.
    template <class T = MenuItem>
    Handle<T> Lookup(const std::string& name) const {
        return Handle<T>(dynamic_cast<T*>(Find(name)), name);
    }
    MenuItem* Find(const std::string& name) const;
    std::size_t Count() const { return children_.size(); }
    MenuItem& Item(std::size_t index) const { return *children_.at(index); }
    MenuItem* Parent() const { return parent_; }

    // The item's own action when no window handler served it; true when served.
    virtual bool Action() { return false; }
    virtual bool HasAction() const { return false; }

private:
    std::string name_, value_, shortcut_;
    bool autoEnabled_ = false, visible_ = true, enabled_ = true;
    bool shortcutAssigned_ = false, enabledAssigned_ = false;
    MenuItem* parent_ = nullptr;
    std::vector<std::unique_ptr<MenuItem>> children_;
};

class MenuBar : public MenuItem {
public:
    std::string ClassName() const override { return "MenuBar"; }
};

// The quit command: its own action quits the application.
class QuitMenuItem : public MenuItem {
public:
    std::string ClassName() const override { return "QuitMenuItem"; }
    bool Action() override;
    bool HasAction() const override { return true; }
};

// The preferences command; it has no action of its own beyond a window's handler.
class PrefsMenuItem : public MenuItem {
public:
    std::string ClassName() const override { return "PrefsMenuItem"; }
};

// Serves a chosen item in the order above; true when something served it.
bool ChooseMenuItem(Window* front, MenuItem& item);
// The auto-enable rule: whether ChooseMenuItem could serve the item now.
bool CanServeMenuItem(Window* front, const MenuItem& item);

}  // namespace fw

#pragma once
// A window's own toolkit menu bar, drawn from the item tree. Each action carries the
// item it stands for; a triggered action is chosen for the window that draws it.
class QAction;
class QMenu;

namespace fw {
class MenuBar;
class MenuItem;
class Window;
}

namespace fw::detail {

// Draws the bar for the window, or takes the window's bar away (no bar, or not visible).
void InstallMenuBar(Window& window, MenuBar* bar, bool visible);

struct DrawnItem {
    QAction* action = nullptr;
    QMenu* menu = nullptr;  // the menu that holds the action
};
DrawnItem FindDrawnItem(const Window& window, const MenuItem& item);

// Before a menu shows: each auto-enabled item is enabled when something can serve it.
void UpdateEnabled(QMenu& menu, Window& window);
// After it hides: enabled again, so the shortcuts keep working.
void EnableForShortcuts(QMenu& menu);

}  // namespace fw::detail

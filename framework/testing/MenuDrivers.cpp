// Menus as the user meets them: the window's own drawn menu bar.
#include "framework/testing/Interaction.h"

#include "framework/Menu.h"
#include "framework/Window.h"
#include "framework/detail/MenuBarView.h"

#include <QAction>
#include <QMenu>

namespace fw::testing {
namespace {

detail::DrawnItem Drawn(Window& window, const std::string& itemName) {
    auto bar = window.MenuBar();
    MenuItem* item = bar ? bar->Find(itemName) : nullptr;
    return item ? detail::FindDrawnItem(window, *item) : detail::DrawnItem{};
}

// Opening the menu runs the enable update; closing it undoes it.
bool EnabledWhenShown(QMenu& menu, QAction& action, Window& window) {
    detail::UpdateEnabled(menu, window);
    bool enabled = action.isEnabled() && action.isVisible();
    detail::EnableForShortcuts(menu);
    return enabled;
}

}  // namespace

bool ChooseMenu(Window& window, const std::string& itemName) {
    auto drawn = Drawn(window, itemName);
    if (!drawn.action || !EnabledWhenShown(*drawn.menu, *drawn.action, window)) return false;
    drawn.action->trigger();
    return true;
}

bool MenuEnabled(Window& window, const std::string& itemName) {
    auto drawn = Drawn(window, itemName);
    return drawn.action && EnabledWhenShown(*drawn.menu, *drawn.action, window);
}

}  // namespace fw::testing

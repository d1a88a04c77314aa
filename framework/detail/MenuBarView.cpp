#include "framework/detail/MenuBarView.h"

#include "framework/Dispatch.h"
#include "framework/Menu.h"
#include "framework/Window.h"
#include "framework/detail/HostFrame.h"
#include "framework/detail/MenuBarWidget.h"
#include "framework/detail/WindowHost.h"

#include <QMenuBar>

namespace fw::detail {
namespace {

void Tag(QAction& action, const MenuItem& item) {
    action.setData(QVariant::fromValue(reinterpret_cast<quintptr>(&item)));
    action.setVisible(item.Visible());
}

MenuItem* ItemOf(const QAction& action) {
    return reinterpret_cast<MenuItem*>(action.data().value<quintptr>());
}

// "Cmd+X" is the command-key shortcut, Ctrl+X here.
QKeySequence ToShortcut(const std::string& shortcut) {
    return QKeySequence(QString::fromStdString(shortcut).replace(QStringLiteral("Cmd"), QStringLiteral("Ctrl")));
}

QString Caption(const MenuItem& item) { return QString::fromStdString(item.Value()); }

void Fill(QMenu& menu, MenuItem& parent, Window& window);

void AddEntry(QMenu& menu, MenuItem& item, Window& window) {
    if (item.IsSeparator()) return Tag(*menu.addSeparator(), item);
    if (item.Count() > 0) {
        QMenu* submenu = menu.addMenu(Caption(item));
        Tag(*submenu->menuAction(), item);
        return Fill(*submenu, item, window);
    }
    QAction* action = menu.addAction(Caption(item));
    Tag(*action, item);
    action->setShortcut(ToShortcut(item.Shortcut()));
    QObject::connect(action, &QAction::triggered, [&window, &item] {
        Dispatch(window, [&] { ChooseMenuItem(&window, item); });
    });
}

void Fill(QMenu& menu, MenuItem& parent, Window& window) {
    for (std::size_t i = 0; i < parent.Count(); ++i) AddEntry(menu, parent.Item(i), window);
    QObject::connect(&menu, &QMenu::aboutToShow, [&menu, &window] { UpdateEnabled(menu, window); });
    QObject::connect(&menu, &QMenu::aboutToHide, [&menu] { EnableForShortcuts(menu); });
    EnableForShortcuts(menu);
}

QMenuBar* Draw(MenuBar& bar, Window& window) {
    auto* drawn = new MenuBarWidget;
    for (std::size_t i = 0; i < bar.Count(); ++i) {
        MenuItem& top = bar.Item(i);
        QMenu* menu = drawn->addMenu(Caption(top));
        Tag(*menu->menuAction(), top);
        Fill(*menu, top, window);
    }
    return drawn;
}

}  // namespace

void InstallMenuBar(Window& window, MenuBar* bar, bool visible) {
    window.Host().frame->setMenuBar(bar && visible ? Draw(*bar, window) : nullptr);
}

DrawnItem FindDrawnItem(const Window& window, const MenuItem& item) {
    auto* drawn = qobject_cast<QMenuBar*>(window.Host().frame->menuWidget());
    if (!drawn) return {};
    for (QMenu* menu : drawn->findChildren<QMenu*>())
        for (QAction* action : menu->actions())
            if (ItemOf(*action) == &item) return {action, menu};
    return {};
}

void UpdateEnabled(QMenu& menu, Window& window) {
    for (QAction* action : menu.actions()) {
        MenuItem* item = ItemOf(*action);
        if (!item || item->IsSeparator()) continue;
        bool serves = action->menu() ? true : CanServeMenuItem(&window, *item);
        action->setEnabled(item->AutoEnabled() ? serves : item->Enabled());
    }
}

void EnableForShortcuts(QMenu& menu) {
    for (QAction* action : menu.actions()) {
        MenuItem* item = ItemOf(*action);
        if (item && !item->IsSeparator()) action->setEnabled(item->AutoEnabled() || item->Enabled());
    }
}

}  // namespace fw::detail

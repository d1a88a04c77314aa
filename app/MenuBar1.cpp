#include "app/MenuBar1.h"

#include <memory>
#include <vector>

namespace {

enum class ItemClass { Plain, Quit, Prefs };

struct ItemEntry {
    const char* name;
    ItemClass itemClass;
    const char* caption;
    const char* shortcut;  // nullptr: never assigned (the separators)
};

struct MenuEntry {
    ItemEntry menu;
    std::vector<ItemEntry> items;
};

const MenuEntry kFileMenu{{"FileMenu", ItemClass::Plain, "&File", ""},
                          {{"FileQuit", ItemClass::Quit, "&Quit", "Cmd+Q"},
                           {"AboutItem", ItemClass::Prefs, "About Quendrel", ""}}};

const MenuEntry kEditMenu{{"EditMenu", ItemClass::Plain, "&Edit", ""},
                          {{"EditUndo", ItemClass::Plain, "&Undo", "Cmd+Z"},
                           {"UntitledMenu1", ItemClass::Plain, "-", nullptr},
                           {"EditCut", ItemClass::Plain, "Cu&t", "Cmd+X"},
                           {"EditCopy", ItemClass::Plain, "&Copy", "Cmd+C"},
                           {"EditPaste", ItemClass::Plain, "&Paste", "Cmd+V"},
                           {"EditClear", ItemClass::Plain, "&Delete", ""},
                           {"UntitledMenu0", ItemClass::Plain, "-", nullptr},
                           {"EditSelectAll", ItemClass::Plain, "Select &All", "Cmd+A"}}};

const MenuEntry kWindowMenu{{"InfoMenu", ItemClass::Plain, "Window", ""},
                            {{"ControlItem", ItemClass::Plain, "Control", ""},
                             {"InfoItem", ItemClass::Plain, "Information", ""}}};

std::unique_ptr<fw::MenuItem> MakeItem(const ItemEntry& entry) {
    std::unique_ptr<fw::MenuItem> item;
    switch (entry.itemClass) {
        case ItemClass::Quit: item = std::make_unique<fw::QuitMenuItem>(); break;
        case ItemClass::Prefs: item = std::make_unique<fw::PrefsMenuItem>(); break;
        case ItemClass::Plain: item = std::make_unique<fw::MenuItem>(); break;
    }
    item->SetName(entry.name);
    item->SetAutoEnabled(true);
    item->SetValue(entry.caption);
    item->SetVisible(true);
    if (entry.shortcut) item->SetShortcut(entry.shortcut);
    return item;
}

// The menu goes on the bar before its first item is made; each item is attached only
// once all its properties are set.
void AppendMenu(fw::MenuBar& bar, const MenuEntry& entry) {
    bar.AddMenu(MakeItem(entry.menu));
    for (const ItemEntry& item : entry.items) {
        auto made = MakeItem(item);
        bar.Child(entry.menu.name)->AddMenu(std::move(made));
    }
}

std::unique_ptr<class MenuBar1> implicitInstance;

}  // namespace

MenuBar1::MenuBar1() { Constructor(); }

void MenuBar1::Constructor() {
    Untitled0();
    Untitled1();
    Untitled2();
}

void MenuBar1::Untitled0() { AppendMenu(*this, kFileMenu); }
void MenuBar1::Untitled1() { AppendMenu(*this, kEditMenu); }
void MenuBar1::Untitled2() { AppendMenu(*this, kWindowMenu); }

// A bar whose building failed is not kept: the next call starts anew.
class MenuBar1& MenuBar1() {
    if (!implicitInstance) implicitInstance = std::make_unique<class MenuBar1>();
    return *implicitInstance;
}

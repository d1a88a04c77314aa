// The application's one menu bar: its menus and entries exactly as built, found by
// name, and left as they are however often windows install it.
#include "ShellTest.h"

#include "app/AboutWnd.h"
#include "app/ControlWnd.h"
#include "app/MenuBar1.h"
#include "app/helpWnd.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct Entry {
    const char* parent;  // "" for a menu on the bar
    const char* name;
    const char* className;
    const char* caption;
    std::optional<const char*> shortcut;  // nullopt: never assigned
};

void PrintTo(const Entry& entry, std::ostream* out) { *out << entry.name; }

const std::vector<Entry> kEntries = {
    {"", "FileMenu", "MenuItem", "&File", ""},
    {"FileMenu", "FileQuit", "QuitMenuItem", "&Quit", "Cmd+Q"},
    {"FileMenu", "AboutItem", "PrefsMenuItem", "About Quendrel", ""},
    {"", "EditMenu", "MenuItem", "&Edit", ""},
    {"EditMenu", "EditUndo", "MenuItem", "&Undo", "Cmd+Z"},
    {"EditMenu", "UntitledMenu1", "MenuItem", "-", std::nullopt},
    {"EditMenu", "EditCut", "MenuItem", "Cu&t", "Cmd+X"},
    {"EditMenu", "EditCopy", "MenuItem", "&Copy", "Cmd+C"},
    {"EditMenu", "EditPaste", "MenuItem", "&Paste", "Cmd+V"},
    {"EditMenu", "EditClear", "MenuItem", "&Delete", ""},
    {"EditMenu", "UntitledMenu0", "MenuItem", "-", std::nullopt},
    {"EditMenu", "EditSelectAll", "MenuItem", "Select &All", "Cmd+A"},
    {"", "InfoMenu", "MenuItem", "Window", ""},
    {"InfoMenu", "ControlItem", "MenuItem", "Control", ""},
    {"InfoMenu", "InfoItem", "MenuItem", "Information", ""},
};

// The tree in the order it is shown: each menu, then its entries.
std::vector<const fw::MenuItem*> Walk(const fw::MenuItem& bar) {
    std::vector<const fw::MenuItem*> items;
    for (std::size_t i = 0; i < bar.Count(); ++i) {
        items.push_back(&bar.Item(i));
        for (std::size_t j = 0; j < bar.Item(i).Count(); ++j) items.push_back(&bar.Item(i).Item(j));
    }
    return items;
}

class MenuBarTest : public ShellTest {};

class MenuEntryTest : public MenuBarTest, public ::testing::WithParamInterface<Entry> {};

TEST_P(MenuEntryTest, StandsInItsPlaceWithItsClassCaptionAndShortcut) {
    const Entry& want = GetParam();
    const auto items = Walk(MenuBar1());
    ASSERT_EQ(items.size(), kEntries.size());
    const auto position = std::find_if(kEntries.begin(), kEntries.end(),
                                       [&](const Entry& e) { return std::string(e.name) == want.name; });
    const fw::MenuItem& item = *items[position - kEntries.begin()];
    EXPECT_EQ(item.Name(), want.name);
    EXPECT_EQ(item.Parent()->Name(), want.parent);
    EXPECT_EQ(item.ClassName(), want.className);
    EXPECT_EQ(item.Value(), want.caption);
    EXPECT_EQ(item.ShortcutAssigned(), want.shortcut.has_value());
    if (want.shortcut) {
        EXPECT_EQ(item.Shortcut(), *want.shortcut);
    }
    EXPECT_TRUE(item.AutoEnabled());
    EXPECT_TRUE(item.Visible());
    EXPECT_FALSE(item.EnabledAssigned());
    if (want.parent[0] != '\0') {
        EXPECT_EQ(item.Count(), 0u);  // entries hold no submenus
    }
    EXPECT_EQ(MenuBar1().Find(want.name), &item);  // by name, at any depth
}

INSTANTIATE_TEST_SUITE_P(Entries, MenuEntryTest, ::testing::ValuesIn(kEntries), ::testing::PrintToStringParamName());

TEST_F(MenuBarTest, OneBarServesTheApplicationAndEveryWindowThatInstallsOne) {
    class MenuBar1& bar = MenuBar1();
    EXPECT_EQ(&MenuBar1(), &bar);
    EXPECT_EQ(ControlWnd().MenuBar().Pointer(), &bar);
    EXPECT_EQ(helpWnd().MenuBar().Pointer(), &bar);
    EXPECT_TRUE(AboutWnd().MenuBar().IsNil());
    EXPECT_EQ(bar.Lookup("EditClear")->Value(), "&Delete");
    EXPECT_EQ(bar.Lookup("InfoMenu")->Value(), "Window");
    EXPECT_TRUE(bar.Lookup("Window").IsNil());  // captions are not names
}

TEST_F(MenuBarTest, ReopeningTheHelpWindowAppendsNothing) {
    helpWnd().Show();
    helpWnd().Close();
    fw::testing::ProcessEvents();
    helpWnd().Show();
    class MenuBar1& bar = MenuBar1();
    ASSERT_EQ(bar.Count(), 3u);
    EXPECT_EQ(bar.Item(0).Name(), "FileMenu");
    EXPECT_EQ(bar.Item(1).Name(), "EditMenu");
    EXPECT_EQ(bar.Item(2).Name(), "InfoMenu");
    EXPECT_EQ(bar.Lookup("EditMenu")->Count(), 8u);
    EXPECT_EQ(Walk(bar).size(), kEntries.size());
}

// Handlers bind by item name; no window binds what another serves.
struct Binding {
    const char* name;
    fw::Window& (*window)();
    std::vector<std::string> bound;
};

void PrintTo(const Binding& b, std::ostream* out) { *out << b.name; }

const Binding kBindings[] = {
    {"ControlWnd", []() -> fw::Window& { return ControlWnd(); }, {"FileQuit", "InfoItem", "AboutItem"}},
    {"helpWnd", []() -> fw::Window& { return helpWnd(); }, {"ControlItem"}},
    {"AboutWnd", []() -> fw::Window& { return AboutWnd(); }, {}},
};

class MenuBindingsTest : public MenuBarTest, public ::testing::WithParamInterface<Binding> {};

TEST_P(MenuBindingsTest, EachWindowBindsOnlyItsOwnCommands) {
    // All three open, so that one that bound a command on another would show.
    ControlWnd();
    helpWnd();
    AboutWnd();
    fw::Window& window = GetParam().window();
    const std::vector<std::string>& bound = GetParam().bound;
    for (const Entry& entry : kEntries) {
        const bool want = std::find(bound.begin(), bound.end(), entry.name) != bound.end();
        EXPECT_EQ(window.HasMenuHandler(entry.name), want) << entry.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, MenuBindingsTest, ::testing::ValuesIn(kBindings), ::testing::PrintToStringParamName());

}  // namespace

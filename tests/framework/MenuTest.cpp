// The menu tree, the drawn bar, the order in which a chosen item is served and the
// auto-enable rule.
#include "FrameworkTest.h"

#include "framework/Menu.h"
#include "framework/TextField.h"
#include "framework/detail/HostFrame.h"
#include "framework/detail/MenuBarView.h"
#include "framework/detail/WindowHost.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

template <class T = fw::MenuItem>
std::unique_ptr<fw::MenuItem> Item(const std::string& name, const std::string& caption, const std::string& shortcut = "") {
    auto item = std::make_unique<T>();
    item->SetName(name);
    item->SetAutoEnabled(true);
    item->SetValue(caption);
    if (caption != "-") item->SetShortcut(shortcut);
    return item;
}

std::unique_ptr<fw::MenuBar> MakeBar() {
    auto bar = std::make_unique<fw::MenuBar>();
    auto file = Item("FileMenu", "&File");
    file->AddMenu(Item<fw::QuitMenuItem>("FileQuit", "&Quit", "Cmd+Q"));
    file->AddMenu(Item<fw::PrefsMenuItem>("AboutItem", "About"));
    auto edit = Item("EditMenu", "&Edit");
    edit->AddMenu(Item("EditUndo", "&Undo", "Cmd+Z"));
    edit->AddMenu(Item("Separator1", "-"));
    for (auto [name, caption, key] : std::vector<std::array<const char*, 3>>{
             {"EditCut", "Cu&t", "Cmd+X"}, {"EditCopy", "&Copy", "Cmd+C"}, {"EditPaste", "&Paste", "Cmd+V"},
             {"EditClear", "&Delete", ""}, {"EditSelectAll", "Select &All", "Cmd+A"}})
        edit->AddMenu(Item(name, caption, key));
    auto window = Item("InfoMenu", "Window");
    window->AddMenu(Item("ControlItem", "Control"));
    bar->AddMenu(std::move(file));
    bar->AddMenu(std::move(edit));
    bar->AddMenu(std::move(window));
    return bar;
}

class MenuTest : public FrameworkTest {
protected:
    void SetUp() override {
        window = &OpenWindow();
        window->SetMenuBar(bar.get());
        field = &window->New<fw::TextField>("field");
        field->SetFocus();
    }
    void Bind(const std::string& item, bool serves) {
        window->AddMenuHandler(item, [this, item, serves] {
            served.push_back(item);
            return serves;
        });
    }
    QAction* Drawn(const std::string& name) { return fw::detail::FindDrawnItem(*window, *bar->Find(name)).action; }

    std::unique_ptr<fw::MenuBar> bar = MakeBar();
    fw::Window* window = nullptr;
    fw::TextField* field = nullptr;
    std::vector<std::string> served;
};

TEST_F(MenuTest, TreeFindsByName) {
    EXPECT_FALSE(bar->Child("EditMenu").IsNil());
    EXPECT_TRUE(bar->Child("EditCut").IsNil());  // not a direct child
    EXPECT_EQ(bar->Lookup("EditCut")->Value(), "Cu&t");
    EXPECT_EQ(bar->Lookup("EditCut")->Parent(), bar->Find("EditMenu"));
    EXPECT_FALSE(bar->Lookup<fw::QuitMenuItem>("FileQuit").IsNil());
    EXPECT_TRUE(bar->Lookup<fw::QuitMenuItem>("AboutItem").IsNil());
    EXPECT_THROW(bar->Lookup("Nothing")->Name(), fw::NilObjectException);
}

TEST_F(MenuTest, BarIsDrawnWithMnemonicsSeparatorsAndShortcuts) {
    auto* drawn = qobject_cast<QMenuBar*>(window->Host().frame->menuWidget());
    ASSERT_NE(drawn, nullptr);
    QStringList menus;
    for (QAction* menu : drawn->actions()) menus << menu->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Edit", "Window"}));
    EXPECT_EQ(Drawn("EditCut")->shortcut(), QKeySequence("Ctrl+X"));
    EXPECT_TRUE(Drawn("EditClear")->shortcut().isEmpty());
    EXPECT_TRUE(Drawn("Separator1")->isSeparator());
    EXPECT_EQ(OpenWindow().Host().frame->menuWidget(), nullptr);  // no bar installed, none shown
}

TEST_F(MenuTest, WindowHandlerComesBeforeTheItemsOwnAction) {
    Bind("FileQuit", true);
    EXPECT_TRUE(fw::testing::ChooseMenu(*window, "FileQuit"));
    EXPECT_EQ(served, std::vector<std::string>{"FileQuit"});
    EXPECT_EQ(fw::testing::QuitStatus(), -1);
}

TEST_F(MenuTest, QuitItemQuitsWhenNoHandlerServes) {
    Bind("FileQuit", false);
    fw::testing::ChooseMenu(*window, "FileQuit");
    EXPECT_EQ(served, std::vector<std::string>{"FileQuit"});
    EXPECT_EQ(fw::testing::QuitStatus(), 0);
}

TEST_F(MenuTest, EditItemsActOnTheFocusedField) {
    field->SetText("hello");
    QApplication::clipboard()->clear();
    fw::testing::ChooseMenu(*window, "EditSelectAll");
    fw::testing::ChooseMenu(*window, "EditCopy");
    EXPECT_EQ(QApplication::clipboard()->text(), "hello");
    fw::testing::ChooseMenu(*window, "EditCut");
    EXPECT_EQ(field->Text(), "");
    fw::testing::ChooseMenu(*window, "EditPaste");
    fw::testing::ChooseMenu(*window, "EditPaste");
    EXPECT_EQ(field->Text(), "hellohello");
    fw::testing::ChooseMenu(*window, "EditSelectAll");
    fw::testing::ChooseMenu(*window, "EditClear");
    EXPECT_EQ(field->Text(), "");
    fw::testing::ChooseMenu(*window, "EditUndo");
    EXPECT_EQ(field->Text(), "hellohello");
}

// The focused field's state, and the items enabled in it.
struct EnableRow {
    const char* name;
    std::string text;
    bool select, readOnly;
    std::vector<std::string> enabled;
};

void PrintTo(const EnableRow& row, std::ostream* out) { *out << row.name; }

const EnableRow kEnableRows[] = {
    {"EmptyField", "", false, false, {"FileQuit", "EditPaste", "ControlItem"}},
    {"TextNoSelection", "abc", false, false, {"FileQuit", "EditPaste", "EditSelectAll", "ControlItem"}},
    {"TextSelected", "abc", true, false,
     {"FileQuit", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll", "ControlItem"}},
    {"ReadOnlyTextSelected", "abc", true, true, {"FileQuit", "EditCopy", "EditSelectAll", "ControlItem"}},
};

class AutoEnableTest : public MenuTest, public ::testing::WithParamInterface<EnableRow> {};

TEST_P(AutoEnableTest, ItemsFollowWhatCanServeThem) {
    const std::vector<std::string> items = {"FileQuit", "AboutItem", "EditUndo", "EditCut", "EditCopy",
                                            "EditPaste", "EditClear", "EditSelectAll", "ControlItem"};
    const EnableRow& row = GetParam();
    Bind("ControlItem", true);
    QApplication::clipboard()->setText("clip");
    field->SetProperties({.Value = row.text, .ReadOnly = row.readOnly});
    field->SetFocus();
    if (row.select) fw::testing::ChooseMenu(*window, "EditSelectAll");
    std::vector<std::string> enabled;
    for (const auto& item : items)
        if (fw::testing::MenuEnabled(*window, item)) enabled.push_back(item);
    EXPECT_EQ(enabled, row.enabled);
    EXPECT_TRUE(Drawn("AboutItem")->isEnabled());  // enabled again once the menu closes, for its shortcut
}

INSTANTIATE_TEST_SUITE_P(Menu, AutoEnableTest, ::testing::ValuesIn(kEnableRows), ::testing::PrintToStringParamName());

TEST_F(MenuTest, UndoIsEnabledOnceThereIsSomethingToUndo) {
    EXPECT_FALSE(fw::testing::MenuEnabled(*window, "EditUndo"));
    fw::testing::TypeText(*field, "a");
    EXPECT_TRUE(fw::testing::MenuEnabled(*window, "EditUndo"));
}

// Keyboard navigation of the bar hands the focus to the bar itself; the Edit items still
// serve the field the user was typing in.
class MenuKeyboardTest : public MenuTest {
protected:
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* popup = QApplication::activePopupWidget();
        QTest::keyClick(popup ? popup : QApplication::focusWidget(), key, modifiers);
    }
    // The Edit items enabled in the menu on screen, which must be the Edit menu.
    std::vector<std::string> EnabledEditItems() {
        auto* shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!shown || shown->title() != "&Edit") return {"(the Edit menu is not shown)"};
        std::vector<std::string> enabled;
        for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"})
            if (Drawn(name)->isEnabled()) enabled.push_back(name);
        return enabled;
    }
    const std::vector<std::string> typed = {"EditUndo", "EditSelectAll"};
};

TEST_F(MenuKeyboardTest, EditItemsFollowTheFieldWhileTheBarHasTheFocus) {
    QApplication::clipboard()->clear();
    fw::testing::TypeText(*field, "a");
    fw::testing::ProcessEvents();  // the bar takes its mnemonics once laid out
    Press(Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(EnabledEditItems(), typed);

    Press(Qt::Key_Right);
    Press(Qt::Key_Left);
    EXPECT_EQ(EnabledEditItems(), typed) << "after Right, Left";

    Press(Qt::Key_Escape);
    Press(Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(EnabledEditItems(), typed) << "after Escape, Alt+E";

    Press(Qt::Key_Return);  // Undo, the highlighted item
    EXPECT_EQ(field->Text(), "");
    Press(Qt::Key_B);  // the focus is back in the field
    EXPECT_EQ(field->Text(), "b");
}

}  // namespace

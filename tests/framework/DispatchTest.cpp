// Every call from the event loop into program code passes the dispatch boundary: an
// exception that escapes a handler becomes one message, and the next event is served.
#include "FrameworkTest.h"

#include "framework/Menu.h"
#include "framework/PushButton.h"
#include "framework/TextField.h"
#include "framework/Timer.h"
#include "framework/WindowRegistry.h"

#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

class Thrower : public fw::Window {
public:
    Thrower() : Window("Thrower.Thrower") {}
    void CreateControls() override {
        fw::AddHandler(New<fw::TextField>("field").KeyDown, [this](fw::TextField&, const std::string&) {
            return Raise();
        });
        fw::AddHandler(New<fw::PushButton>("button").MouseDown, [this](fw::PushButton&, int64_t, int64_t) {
            return Raise();
        });
        fw::AddHandler(New<fw::Timer>("timer").Action, [this](fw::Timer&) { Raise(); });
        ControlByName<fw::TextField>("field")->SetProperties({.bounds = {0, 0, 80, 22}});
        ControlByName<fw::PushButton>("button")->SetProperties({.bounds = {0, 40, 80, 22}});
        ControlByName<fw::Timer>("timer")->SetProperties({.RunMode = fw::TimerMultiple});
    }
    void AddMenuHandlers() override {
        AddMenuHandler("Item", [this] { return Raise(); });
    }
    bool Event_MouseDown(int64_t, int64_t) override { return Raise(); }
    void Event_Close() override { Raise(); }

    bool Raise() {
        ++calls;
        if (during) during();
        if (error) std::rethrow_exception(error);
        return true;
    }
    std::exception_ptr error;
    std::function<void()> during;  // what the handler does before it returns or throws
    int calls = 0;
};

struct Source {
    const char* name;
    std::function<void(Thrower&)> trigger;
};

void PrintTo(const Source& source, std::ostream* out) { *out << source.name; }

const Source kSources[] = {
    {"Key", [](Thrower& w) { fw::testing::PressKey(*w.ControlByName<fw::TextField>("field"), "a"); }},
    {"Button", [](Thrower& w) { fw::testing::MouseDown(*w.ControlByName<fw::PushButton>("button")); }},
    {"Timer", [](Thrower& w) { fw::testing::FirePendingTimers(w); }},
    {"Menu", [](Thrower& w) { fw::testing::ChooseMenu(w, "Item"); }},
    {"Window", [](Thrower& w) { fw::testing::ClickWindow(w); }},
};

class DispatchSourceTest : public FrameworkTest, public ::testing::WithParamInterface<Source> {
protected:
    void SetUp() override {
        auto item = std::make_unique<fw::MenuItem>();
        item->SetName("Item");
        item->SetValue("Item");
        auto menu = std::make_unique<fw::MenuItem>();
        menu->SetValue("Menu");
        menu->AddMenu(std::move(item));
        bar.AddMenu(std::move(menu));
    }
    fw::MenuBar bar;  // outlives the window, closed in TearDown
};

TEST_P(DispatchSourceTest, HandlerRunsInsideTheBoundary) {
    auto& window = fw::ImplicitWindow<Thrower>("Thrower.Thrower");
    window.SetMenuBar(&bar);
    window.error = std::make_exception_ptr(fw::IOException("cannot read the file", 5));
    GetParam().trigger(window);
    window.error = std::make_exception_ptr(std::runtime_error("bad"));
    GetParam().trigger(window);
    window.error = nullptr;
    GetParam().trigger(window);
    EXPECT_EQ(window.calls, 3);
    EXPECT_EQ(desktop->messages, (std::vector<std::string>{"An unhandled IOException occurred: cannot read the file",
                                                           "An unhandled exception occurred: bad"}));
}

// The handler brings another window to the front and lets the desktop activate it, then
// shows a message and throws: both boxes belong to the window whose event it was, not
// to the one in front now.
TEST_P(DispatchSourceTest, BoxesOfTheHandlerBelongToItsWindow) {
    auto& window = fw::ImplicitWindow<Thrower>("Thrower.Thrower");
    window.SetMenuBar(&bar);
    fw::Window& other = OpenWindow();
    const fw::Window* front = nullptr;
    window.during = [&] {
        other.Show();
        fw::testing::ProcessEvents();
        front = fw::FrontWindow();
        fw::MsgBox("a message");
    };
    window.error = std::make_exception_ptr(std::runtime_error("bad"));

    GetParam().trigger(window);
    window.during = nullptr;
    window.error = nullptr;

    ASSERT_EQ(front, &other);
    EXPECT_EQ(desktop->messageOwners, (std::vector<const fw::Window*>{&window, &window}));
}

INSTANTIATE_TEST_SUITE_P(DispatchSources, DispatchSourceTest, ::testing::ValuesIn(kSources),
                         ::testing::PrintToStringParamName());

TEST(DispatchSources, CloseEventThatThrowsStillClosesTheWindow) {
    fw::testing::ScopedScriptedDesktop desktop;
    auto& window = fw::ImplicitWindow<Thrower>("Thrower.Thrower");
    window.error = std::make_exception_ptr(fw::NilObjectException("Nil object: report"));
    window.Close();
    EXPECT_EQ(fw::GetImplicitWindow("Thrower.Thrower"), nullptr);
    EXPECT_EQ(desktop->messages, std::vector<std::string>{"An unhandled NilObjectException occurred: Nil object: report"});
    fw::testing::ResetRuntime();
}

}  // namespace

// Every call from the event loop into program code passes the dispatch boundary: an
// exception that escapes a handler becomes one message, and the next event is served.
#include "FrameworkTest.h"

#include "framework/Menu.h"
#include "framework/PushButton.h"
#include "framework/TextField.h"
#include "framework/Timer.h"
#include "framework/WindowRegistry.h"

#include <functional>
#include <stdexcept>
#include <string>

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
        if (error) std::rethrow_exception(error);
        return true;
    }
    std::exception_ptr error;
    int calls = 0;
};

struct Source {
    const char* name;
    std::function<void(Thrower&)> trigger;
};

TEST(DispatchSources, EachHandlerRunsInsideTheBoundary) {
    fw::MenuBar bar;
    auto item = std::make_unique<fw::MenuItem>();
    item->SetName("Item");
    item->SetValue("Item");
    auto menu = std::make_unique<fw::MenuItem>();
    menu->SetValue("Menu");
    menu->AddMenu(std::move(item));
    bar.AddMenu(std::move(menu));

    const std::vector<Source> sources = {
        {"key", [](Thrower& w) { fw::testing::PressKey(*w.ControlByName<fw::TextField>("field"), "a"); }},
        {"button", [](Thrower& w) { fw::testing::MouseDown(*w.ControlByName<fw::PushButton>("button")); }},
        {"timer", [](Thrower& w) { fw::testing::FirePendingTimers(w); }},
        {"menu", [](Thrower& w) { fw::testing::ChooseMenu(w, "Item"); }},
        {"window", [](Thrower& w) { fw::testing::ClickWindow(w); }},
    };
    for (const auto& source : sources) {
        fw::testing::ScopedScriptedDesktop desktop;
        auto& window = fw::ImplicitWindow<Thrower>("Thrower.Thrower");
        window.SetMenuBar(&bar);
        window.error = std::make_exception_ptr(fw::IOException("cannot read the file", 5));
        source.trigger(window);
        window.error = std::make_exception_ptr(std::runtime_error("bad"));
        source.trigger(window);
        window.error = nullptr;
        source.trigger(window);
        EXPECT_EQ(window.calls, 3) << source.name;
        EXPECT_EQ(desktop->messages, (std::vector<std::string>{"An unhandled IOException occurred: cannot read the file",
                                                               "An unhandled exception occurred: bad"}))
            << source.name;
        fw::testing::ResetRuntime();
    }
}

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

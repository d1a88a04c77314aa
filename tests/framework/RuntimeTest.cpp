// The run loop ends with Quit; the windows still open then are closed and destroyed.
#include "FrameworkTest.h"

#include "framework/Application.h"
#include "framework/Timer.h"
#include "framework/WindowRegistry.h"

namespace {

bool closeRan = false;
bool destroyed = false;

class LastWindow : public fw::Window {
public:
    LastWindow() : Window("LastWindow.LastWindow") {}
    ~LastWindow() override { destroyed = true; }
    void CreateControls() override {
        auto& timer = New<fw::Timer>("timer");
        fw::AddHandler(timer.Action, [](fw::Timer&) { fw::Quit(3); });
        timer.SetProperties({.RunMode = fw::TimerSingle, .Period = 1});
    }
    void Event_Close() override {
        closeRan = true;
        fw::Quit(7);  // while quitting: harmless
    }
};

using RuntimeTest = FrameworkTest;

TEST_F(RuntimeTest, RunReturnsTheFirstQuitStatusAfterClosingTheWindows) {
    fw::ImplicitWindow<LastWindow>("LastWindow.LastWindow");
    EXPECT_EQ(fw::RuntimeRun(), 3);
    EXPECT_TRUE(closeRan);
    EXPECT_TRUE(destroyed);
    EXPECT_TRUE(fw::OpenWindows().empty());
    EXPECT_EQ(fw::testing::QuitStatus(), 3);
}

TEST_F(RuntimeTest, QuitBeforeTheLoopEndsTheRunAtOnce) {
    fw::Quit(2);
    fw::Quit(9);
    EXPECT_TRUE(fw::IsQuitting());
    EXPECT_EQ(fw::RuntimeRun(), 2);
}

}  // namespace

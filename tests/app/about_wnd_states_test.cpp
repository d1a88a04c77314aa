// The splash window's states: shown or hidden, timer running or spent. A click, a key
// or the timer hands over to the main window; the About command brings the splash
// back; the timer fires once in the window's life, whatever happened before.
#include "ShellTest.h"

#include "app/AboutWnd.h"
#include "app/ControlWnd.h"
#include "framework/Timer.h"

#include <vector>

namespace {

enum class Act { Click, Key, FireTimer, About, HideMain };

void Do(Act act, class AboutWnd& about) {
    switch (act) {
        case Act::Click: return fw::testing::ClickWindow(about);
        case Act::Key: return fw::testing::PressKeyInWindow(about, "q");
        case Act::FireTimer: return fw::testing::FirePendingTimers(about);
        case Act::About: ASSERT_TRUE(fw::testing::ChooseMenu(ControlWnd(), "AboutItem")); return;
        case Act::HideMain: return ControlWnd().Hide();
    }
}

struct Step {
    Act act;
    bool splashShown, timerRunning, mainShown;  // after the act
};

struct Row {
    const char* name;
    std::vector<Step> steps;
};

constexpr bool Shown = true, Hidden = false, Running = true, Spent = false;

const std::vector<Row> kRows = {
    {"click while shown and running", {{Act::Click, Hidden, Running, Shown}}},
    {"key while shown and running", {{Act::Key, Hidden, Running, Shown}}},
    {"timer while shown", {{Act::FireTimer, Hidden, Spent, Shown}}},
    {"timer after an early click shows the main window again",
     {{Act::Click, Hidden, Running, Shown},
      {Act::HideMain, Hidden, Running, Hidden},
      {Act::FireTimer, Hidden, Spent, Shown}}},
    {"About before the timer: the splash goes by itself",
     {{Act::Click, Hidden, Running, Shown},
      {Act::About, Shown, Running, Shown},
      {Act::FireTimer, Hidden, Spent, Shown}}},
    {"About after the timer: the splash stays",
     {{Act::FireTimer, Hidden, Spent, Shown},
      {Act::About, Shown, Spent, Shown},
      {Act::FireTimer, Shown, Spent, Shown}}},
    {"key while shown and spent",
     {{Act::FireTimer, Hidden, Spent, Shown},
      {Act::About, Shown, Spent, Shown},
      {Act::HideMain, Shown, Spent, Hidden},
      {Act::Key, Hidden, Spent, Shown}}},
    {"click while shown and spent",
     {{Act::FireTimer, Hidden, Spent, Shown},
      {Act::About, Shown, Spent, Shown},
      {Act::Click, Hidden, Spent, Shown}}},
};

class AboutWndStatesTest : public ShellTest {};

TEST_F(AboutWndStatesTest, EachEventLeadsToItsState) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        class AboutWnd& about = AboutWnd();
        ASSERT_TRUE(about.Visible());
        ASSERT_TRUE(about.Timer1()->IsRunning());
        ASSERT_EQ(MainWindow(), nullptr);
        for (std::size_t i = 0; i < row.steps.size(); ++i) {
            const Step& step = row.steps[i];
            SCOPED_TRACE("step " + std::to_string(i + 1));
            Do(step.act, about);
            EXPECT_EQ(&AboutWnd(), &about);
            EXPECT_EQ(about.Visible(), step.splashShown);
            EXPECT_EQ(about.Timer1()->IsRunning(), step.timerRunning);
            EXPECT_EQ(MainWindowShown(), step.mainShown);
        }
        fw::testing::ResetRuntime();
    }
}

// Any key gives way, those that type no text too.
TEST_F(AboutWndStatesTest, KeysThatTypeNoTextGiveWayToo) {
    for (const char* key : {"Home", "End", "PageUp", "PageDown", "Insert", "Help", "F1", "F5", "F35", "Enter"}) {
        SCOPED_TRACE(key);
        class AboutWnd& about = AboutWnd();
        fw::testing::PressKeyInWindow(about, key);
        EXPECT_FALSE(about.Visible());
        EXPECT_TRUE(MainWindowShown());
        fw::testing::ResetRuntime();
    }
}

// The splash stays four seconds from when it was built, then gives way by itself, once.
// The clock's own timing is the framework's (TimerTest); here it is armed and fired.
TEST_F(AboutWndStatesTest, TimerIsArmedForFourSecondsAndFiresOnce) {
    class AboutWnd& about = AboutWnd();
    EXPECT_EQ(about.Timer1()->RunMode(), fw::TimerSingle);
    EXPECT_EQ(about.Timer1()->Period(), 4000);
    // Armed now, on the clock; the toolkit's coarse timers may move it by up to 5%.
    EXPECT_GT(about.Timer1()->RemainingTime(), 3000);
    EXPECT_LE(about.Timer1()->RemainingTime(), 4200);

    fw::testing::FirePendingTimers(about);
    EXPECT_FALSE(about.Visible());
    EXPECT_TRUE(MainWindowShown());
    EXPECT_FALSE(about.Timer1()->IsRunning());
    EXPECT_EQ(about.Timer1()->RunMode(), fw::TimerOff);
    EXPECT_EQ(about.Timer1()->RemainingTime(), -1);
}

}  // namespace

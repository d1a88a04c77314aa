// The splash window's states: shown or hidden, timer running or spent. A click, a key
// or the timer hands over to the main window; the About command brings the splash
// back; the timer fires once in the window's life, whatever happened before.
#include "ShellTest.h"

#include "app/AboutWnd.h"
#include "app/ControlWnd.h"
#include "framework/Timer.h"
#include "tests/framework/KeyNames.h"

#include <ostream>
#include <string>
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

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

constexpr bool Shown = true, Hidden = false, Running = true, Spent = false;

const std::vector<Row> kRows = {
    {"ClickWhileShownAndRunning", {{Act::Click, Hidden, Running, Shown}}},
    {"KeyWhileShownAndRunning", {{Act::Key, Hidden, Running, Shown}}},
    {"TimerWhileShown", {{Act::FireTimer, Hidden, Spent, Shown}}},
    {"TimerAfterAnEarlyClickShowsTheMainWindowAgain",
     {{Act::Click, Hidden, Running, Shown},
      {Act::HideMain, Hidden, Running, Hidden},
      {Act::FireTimer, Hidden, Spent, Shown}}},
    {"AboutBeforeTheTimerSplashGoesByItself",
     {{Act::Click, Hidden, Running, Shown},
      {Act::About, Shown, Running, Shown},
      {Act::FireTimer, Hidden, Spent, Shown}}},
    {"AboutAfterTheTimerSplashStays",
     {{Act::FireTimer, Hidden, Spent, Shown},
      {Act::About, Shown, Spent, Shown},
      {Act::FireTimer, Shown, Spent, Shown}}},
    {"KeyWhileShownAndSpent",
     {{Act::FireTimer, Hidden, Spent, Shown},
      {Act::About, Shown, Spent, Shown},
      {Act::HideMain, Shown, Spent, Hidden},
      {Act::Key, Hidden, Spent, Shown}}},
    {"ClickWhileShownAndSpent",
     {{Act::FireTimer, Hidden, Spent, Shown},
      {Act::About, Shown, Spent, Shown},
      {Act::Click, Hidden, Spent, Shown}}},
};

class AboutWndStatesTest : public ShellTest {};

class SplashEventsTest : public AboutWndStatesTest, public ::testing::WithParamInterface<Row> {};

TEST_P(SplashEventsTest, EachEventLeadsToItsState) {
    const Row& row = GetParam();
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
}

INSTANTIATE_TEST_SUITE_P(AboutWndStates, SplashEventsTest, ::testing::ValuesIn(kRows),
                         ::testing::PrintToStringParamName());

// Every key that raises a KeyDown gives way, those that type no text too; the others
// leave the splash up.
struct SplashKey {
    const char* key;
    bool givesWay;
};

void PrintTo(const SplashKey& row, std::ostream* out) { *out << quendrel::testing::KeyName(row.key); }

const SplashKey kSplashKeys[] = {
    {"Home", true}, {"End", true}, {"PageUp", true}, {"PageDown", true}, {"Insert", true},
    {"Help", true}, {"F1", true},  {"F5", true},     {"F35", true},      {"Enter", true},
    // A modifier alone, a chord held with Ctrl or Meta, a key that types nothing and has
    // no code.
    {"Shift", false}, {"Super", false}, {"Ctrl+c", false}, {"Meta+c", false}, {"Pause", false},
};

class SplashKeyTest : public AboutWndStatesTest, public ::testing::WithParamInterface<SplashKey> {};

TEST_P(SplashKeyTest, GivesWayToEveryKeyThatRaisesKeyDown) {
    class AboutWnd& about = AboutWnd();
    fw::testing::PressKeyInWindow(about, GetParam().key);
    EXPECT_EQ(about.Visible(), !GetParam().givesWay);
    EXPECT_EQ(MainWindowShown(), GetParam().givesWay);
}

INSTANTIATE_TEST_SUITE_P(AboutWndStates, SplashKeyTest, ::testing::ValuesIn(kSplashKeys),
                         ::testing::PrintToStringParamName());

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

// The splash on the real desktop gives way to the main window, which the window system
// then shows: when its four seconds are up, at a click and at a key in it.
#include "DesktopTest.h"

#include "framework/WindowRegistry.h"

#include <functional>
#include <ostream>
#include <string>

namespace {

struct Dismissal {
    const char* name;
    std::function<void(class AboutWnd&)> act;
};

void PrintTo(const Dismissal& dismissal, std::ostream* out) { *out << dismissal.name; }

const Dismissal kDismissals[] = {
    {"TimerRunsOut", [](class AboutWnd& splash) { fw::testing::FirePendingTimers(splash); }},
    {"Click", [](class AboutWnd& splash) { fw::testing::ClickWindow(splash); }},
    {"Key", [](class AboutWnd& splash) { fw::testing::PressKeyInWindow(splash, "a"); }},
};

class SplashTest : public DesktopTest, public ::testing::WithParamInterface<Dismissal> {};

TEST_P(SplashTest, GivesWayToTheMainWindow) {
    class AboutWnd& splash = StartProgram();
    ASSERT_TRUE(fw::testing::WaitUntilOnScreen(splash));

    GetParam().act(splash);

    fw::Window* main = fw::GetImplicitWindow("ControlWnd.ControlWnd");
    ASSERT_NE(main, nullptr) << "the main window was never opened";
    EXPECT_TRUE(fw::testing::WaitUntilOnScreen(*main));
    EXPECT_FALSE(splash.Visible());
}

INSTANTIATE_TEST_SUITE_P(Dismissals, SplashTest, ::testing::ValuesIn(kDismissals),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// Close requests from the window system: a window without a close button refuses them,
// and after one the run never goes on with no window the user can reach.
#include "FrameworkTest.h"

#include "framework/Application.h"
#include "framework/detail/HostFrame.h"
#include "framework/detail/WindowHost.h"

#include <ostream>

namespace {

enum class Other { None, Shown, Minimised, Hidden, MinimisedThenHidden };

struct CloseCase {
    const char* name;
    bool closeButton;  // of the window asked to close
    Other other;       // a second open window, and its state
    bool byProgram;    // the program's own Close instead of a request
    bool closes, quits;
};

void PrintTo(const CloseCase& c, std::ostream* out) { *out << c.name; }

const CloseCase kCases[] = {
    {"NoCloseButtonRefuses", false, Other::None, false, false, false},
    {"LastWindowClosesAndTheRunQuits", true, Other::None, false, true, true},
    {"AnotherShownWindowKeepsTheRun", true, Other::Shown, false, true, false},
    {"AnotherMinimisedWindowKeepsTheRun", true, Other::Minimised, false, true, false},
    {"AHiddenWindowCannotBeReached", true, Other::Hidden, false, true, true},
    // Hiding withdraws the window from the desktop, though it still says it is minimised.
    {"AMinimisedWindowTheProgramHidCannotBeReached", true, Other::MinimisedThenHidden, false, true, true},
    {"TheProgramsOwnCloseLeavesTheRunAlone", true, Other::None, true, true, false},
};

class CloseRequestTest : public FrameworkTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseRequestTest, ClosesOrRefusesAndQuitsWhenNoWindowIsLeftToReach) {
    const CloseCase& c = GetParam();
    if (c.other != Other::None) {
        fw::Window& other = OpenWindow();
        if (c.other == Other::Minimised || c.other == Other::MinimisedThenHidden) other.Host().frame->showMinimized();
        if (c.other == Other::Hidden || c.other == Other::MinimisedThenHidden) other.Hide();
    }
    fw::Window& asked = OpenWindow({.HasCloseButton = c.closeButton});

    if (c.byProgram) {
        asked.Close();
    } else {
        fw::testing::RequestClose(asked);
    }

    EXPECT_EQ(asked.IsClosed(), c.closes);
    EXPECT_EQ(asked.Visible(), !c.closes);
    EXPECT_EQ(fw::IsQuitting(), c.quits);
    EXPECT_EQ(fw::testing::QuitStatus(), c.quits ? 0 : -1);
}

INSTANTIATE_TEST_SUITE_P(Requests, CloseRequestTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// The main window's commands besides Load Data: Clear, Information, About, Quit and
// closing the window; and that keys on a button run none of them.
#include "MainWindowTest.h"

#include "app/AboutWnd.h"
#include "app/helpWnd.h"
#include "framework/Application.h"
#include "framework/WindowRegistry.h"
#include "tests/framework/KeyNames.h"

#include <functional>
#include <ostream>
#include <string>
#include <tuple>

namespace {

using fw::testing::ChooseMenu;
using fw::testing::QuitStatus;

const char* const kHelpWndClass = "helpWnd.helpWnd";

class WindowCommandsTest : public MainWindowTest {
protected:
    // Both fields typed in and a report shown, as after a run.
    void FillWindow() {
        w.pFld()->SetText("4");
        w.RyFld()->SetText(".35");
        ShowReport();
    }

    void ExpectCleared() {
        EXPECT_EQ(w.pFld()->Text(), "");
        EXPECT_EQ(w.RyFld()->Text(), "");
        EXPECT_EQ(w.ResultsFld()->Text(), "");
        EXPECT_FALSE(w.ResultsFld()->Visible());
    }
};

TEST_F(WindowCommandsTest, ClearEmptiesTheFieldsHidesTheReportAndFocusesThePredictors) {
    for (fw::RectControl* focused : {static_cast<fw::RectControl*>(w.RyFld().Pointer()),
                                     static_cast<fw::RectControl*>(w.ResultsFld().Pointer())}) {
        SCOPED_TRACE("focus in " + focused->Name());
        FillWindow();
        focused->SetFocus();
        ASSERT_TRUE(focused->HasFocus());
        fw::testing::MouseDown(*w.clearBtn());
        ExpectCleared();
        EXPECT_TRUE(w.pFld()->HasFocus());
    }
}

TEST_F(WindowCommandsTest, ClearOnAFreshWindow) {
    fw::testing::MouseDown(*w.clearBtn());
    ExpectCleared();
    EXPECT_TRUE(w.pFld()->HasFocus());
}

TEST_F(WindowCommandsTest, ClearLeavesAnOpenHelpWindowAlone) {
    auto& help = helpWnd();
    help.Show();
    const std::string helpText = help.EditField1()->Text();
    FillWindow();
    fw::testing::MouseDown(*w.clearBtn());
    ExpectCleared();
    EXPECT_EQ(fw::GetImplicitWindow(kHelpWndClass), &help);
    EXPECT_TRUE(help.Visible());
    EXPECT_EQ(help.EditField1()->Text(), helpText);
}

TEST_F(WindowCommandsTest, InformationButtonAndMenuShowTheOneHelpWindow) {
    ASSERT_EQ(fw::GetImplicitWindow(kHelpWndClass), nullptr);
    fw::testing::MouseDown(*w.helpBtn());
    fw::Window* help = fw::GetImplicitWindow(kHelpWndClass);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->Visible());
    help->Hide();
    EXPECT_TRUE(ChooseMenu(w, "InfoItem"));
    EXPECT_EQ(&helpWnd(), help);
    EXPECT_TRUE(help->Visible());
}

TEST_F(WindowCommandsTest, AboutMenuShowsTheOneSplashWindow) {
    auto& about = AboutWnd();
    about.Hide();
    EXPECT_TRUE(ChooseMenu(w, "AboutItem"));
    EXPECT_EQ(&AboutWnd(), &about);
    EXPECT_TRUE(about.Visible());
}

// The help window binds Control; on the main window it is disabled.
TEST_F(WindowCommandsTest, BindsQuitInformationAndAboutButNotControl) {
    for (const char* item : {"FileQuit", "InfoItem", "AboutItem"}) EXPECT_TRUE(w.HasMenuHandler(item)) << item;
    EXPECT_FALSE(w.HasMenuHandler("ControlItem"));
    EXPECT_FALSE(fw::testing::MenuEnabled(w, "ControlItem"));
}

struct QuitCase {
    const char* name;
    std::function<void(class ControlWnd&)> quit;
};

const QuitCase kQuitCases[] = {
    {"QuitHandler", [](class ControlWnd& w) { EXPECT_TRUE(w.FileQuit_Action()); }},
    {"QuitMenu", [](class ControlWnd& w) { EXPECT_TRUE(ChooseMenu(w, "FileQuit")); }},
    {"CloseWindow", [](class ControlWnd& w) { w.Close(); }},
    {"CloseWindowWithHelpOpen", [](class ControlWnd& w) {
         helpWnd().Show();
         w.Close();
     }},
};

void PrintTo(const QuitCase& c, std::ostream* out) { *out << c.name; }

class QuitTest : public MainWindowTest, public ::testing::WithParamInterface<QuitCase> {};

TEST_P(QuitTest, QuitsWithStatusZero) {
    ASSERT_EQ(QuitStatus(), -1);
    GetParam().quit(w);
    EXPECT_EQ(QuitStatus(), 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, QuitTest, ::testing::ValuesIn(kQuitCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Quitting closes every window, and closing this one quits once more.
TEST_F(WindowCommandsTest, ASecondQuitIsHarmless) {
    EXPECT_TRUE(ChooseMenu(w, "FileQuit"));
    EXPECT_TRUE(w.FileQuit_Action());
    w.Close();
    EXPECT_EQ(QuitStatus(), 0);
    EXPECT_EQ(fw::GetImplicitWindow("ControlWnd.ControlWnd"), nullptr);
}

// A command runs on a mouse press only: a key that pushes a focused button runs none.
// A row is a button's name and a key.
using ButtonKey = std::tuple<const char*, const char*>;

std::string ButtonKeyName(const ::testing::TestParamInfo<ButtonKey>& info) {
    return std::get<0>(info.param) + ("_" + quendrel::testing::KeyName(std::get<1>(info.param)));
}

class ButtonKeyTest : public WindowCommandsTest, public ::testing::WithParamInterface<ButtonKey> {};

TEST_P(ButtonKeyTest, RunsNoCommand) {
    const auto [button, key] = GetParam();
    FillWindow();  // valid inputs: Load Data would ask for a file
    fw::testing::PressKey(*w.ControlByName<fw::PushButton>(button), key);
    EXPECT_TRUE(desktop->filtersAsked.empty());
    EXPECT_TRUE(desktop->messages.empty());
    EXPECT_EQ(w.pFld()->Text(), "4");
    EXPECT_EQ(w.RyFld()->Text(), ".35");
    EXPECT_TRUE(w.ResultsFld()->Visible());
    EXPECT_NE(w.ResultsFld()->Text(), "");
    EXPECT_EQ(fw::GetImplicitWindow(kHelpWndClass), nullptr);
}

INSTANTIATE_TEST_SUITE_P(KeysOnAFocusedButton, ButtonKeyTest,
                         ::testing::Combine(::testing::Values("calcBtn", "clearBtn", "helpBtn"),
                                            ::testing::Values("Return", "Enter", "Space", "x")),
                         ButtonKeyName);

}  // namespace

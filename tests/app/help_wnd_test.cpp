// The help window: one at a time, the help text with "Error message" after it and a
// bold title that Undo cannot take away, a text area that keeps its place, Window >
// Control, and nothing kept once the window is closed.
#include "ShellTest.h"

#include "app/ControlWnd.h"
#include "app/HelpText.h"
#include "app/helpWnd.h"
#include "framework/core/Text.h"
#include "framework/WindowRegistry.h"

#include <array>

namespace {

const std::string kAppended = "Error message";

int Occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

std::array<int, 4> BoxOf(const fw::RectControl& control) {
    const fw::Bounds b = control.GetBounds();
    return {b.Left, b.Top, b.Width, b.Height};
}

class HelpWndTest : public ShellTest {
protected:
    static constexpr const char* kClassName = "helpWnd.helpWnd";
};

TEST_F(HelpWndTest, ResizableInfoWindowWithOneTextAreaThatKeepsItsPlace) {
    class helpWnd& help = helpWnd();
    EXPECT_TRUE(help.Visible());
    EXPECT_EQ(help.Properties().Title, "Info");
    EXPECT_EQ(help.Properties().Width, 550);
    EXPECT_EQ(help.Properties().Height, 500);
    EXPECT_TRUE(help.Properties().Resizeable);
    ASSERT_EQ(help.Controls().size(), 1u);
    const std::array<int, 4> box = {-1, -1, 551, 498};
    EXPECT_EQ(BoxOf(*help.EditField1()), box);

    for (auto [width, height] : {std::pair{900, 800}, std::pair{300, 200}}) {
        fw::WindowProperties resized = help.Properties();
        resized.Width = width;
        resized.Height = height;
        help.SetProperties(resized);
        fw::testing::ProcessEvents();
        EXPECT_EQ(BoxOf(*help.EditField1()), box) << width << " x " << height;
    }
}

TEST_F(HelpWndTest, TextIsTheHelpTextFollowedDirectlyByOneErrorMessage) {
    auto area = helpWnd().EditField1();
    EXPECT_EQ(area->Text(), HelpText() + kAppended);
    EXPECT_EQ(Occurrences(area->Text(), kAppended), 1);
    EXPECT_EQ(area->TextFont(), "System");
    EXPECT_EQ(area->TextSize(), 0);
    EXPECT_FALSE(area->ReadOnly());
    EXPECT_EQ(area->SelStart(), 0);  // opens at the title, not at the appended end
    EXPECT_FALSE(area->IsEndInView());
}

// "Quendrel" and the CR after it, positions 0 to 8; nothing after.
TEST_F(HelpWndTest, OnlyTheTitleLineAndItsLineEndAreBold) {
    ASSERT_EQ(HelpText().substr(0, 9), "Quendrel\r");
    auto area = helpWnd().EditField1();
    fw::StyledText styled = area->StyledText();
    for (int64_t at = 0; at <= 8; ++at) EXPECT_TRUE(styled.Bold(at)) << at;
    const int64_t last = area->Length() - 1;
    for (int64_t at : {int64_t{9}, int64_t{10}, int64_t{500}, last - fw::Len(kAppended), last})
        EXPECT_FALSE(styled.Bold(at)) << at;
}

// The help text, its appended line and its bold title are the program's: nothing to undo.
TEST_F(HelpWndTest, AFreshWindowHasNothingToUndo) {
    class helpWnd& help = helpWnd();
    auto area = help.EditField1();
    area->SetFocus();
    EXPECT_FALSE(fw::testing::MenuEnabled(help, "EditUndo"));
    fw::testing::PressChord(*area, "z");
    fw::testing::PressChord(*area, "z");
    EXPECT_EQ(area->Text(), HelpText() + kAppended);
    EXPECT_TRUE(area->StyledText().Bold(0));

    fw::testing::TypeText(*area, "x");
    EXPECT_TRUE(fw::testing::MenuEnabled(help, "EditUndo"));
    ASSERT_TRUE(fw::testing::ChooseMenu(help, "EditUndo"));
    EXPECT_EQ(area->Text(), HelpText() + kAppended);
    EXPECT_TRUE(area->StyledText().Bold(0));
    EXPECT_FALSE(fw::testing::MenuEnabled(help, "EditUndo"));
}

TEST_F(HelpWndTest, InformationAskedTwiceLeavesOneHelpWindow) {
    class ControlWnd& main = ControlWnd();
    main.Show();
    fw::testing::MouseDown(*main.helpBtn());
    fw::Window* first = fw::GetImplicitWindow(kClassName);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->Visible());
    first->Hide();
    ASSERT_TRUE(fw::testing::ChooseMenu(main, "InfoItem"));
    EXPECT_EQ(fw::GetImplicitWindow(kClassName), first);
    EXPECT_TRUE(first->Visible());
    EXPECT_EQ(OpenWindowsOf(kClassName), 1);
    EXPECT_EQ(Occurrences(helpWnd().EditField1()->Text(), kAppended), 1);
}

TEST_F(HelpWndTest, ClosingDiscardsEditsAndTheNextWindowStartsAfresh) {
    class helpWnd& first = helpWnd();
    fw::testing::TypeText(*first.EditField1(), "my notes");
    ASSERT_NE(first.EditField1()->Text(), HelpText() + kAppended);
    first.Close();
    EXPECT_EQ(fw::GetImplicitWindow(kClassName), nullptr);
    fw::testing::ProcessEvents();

    class helpWnd& again = helpWnd();
    EXPECT_EQ(again.EditField1()->Text(), HelpText() + kAppended);
    EXPECT_TRUE(again.EditField1()->StyledText().Bold(0));
    EXPECT_EQ(OpenWindowsOf(kClassName), 1);
}

TEST_F(HelpWndTest, WindowControlShowsTheMainWindowAndLeavesHelpOpen) {
    class helpWnd& help = helpWnd();
    ASSERT_EQ(MainWindow(), nullptr);
    ASSERT_TRUE(fw::testing::ChooseMenu(help, "ControlItem"));
    EXPECT_TRUE(MainWindowShown());
    EXPECT_EQ(fw::GetImplicitWindow(kClassName), &help);
    EXPECT_TRUE(help.Visible());

    fw::Window* main = MainWindow();
    main->Hide();
    ASSERT_TRUE(fw::testing::ChooseMenu(help, "ControlItem"));
    EXPECT_EQ(MainWindow(), main);  // shown again, not built again
    EXPECT_TRUE(main->Visible());
}

}  // namespace

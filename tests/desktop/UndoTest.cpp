// Undo on the real desktop reaches only what the user typed: never a report the program
// appended, nor the help text, its appended line or its bold title.
#include "DesktopTest.h"

#include "app/HelpText.h"
#include "app/helpWnd.h"
#include "tests/framework/TempFolder.h"

#include <string>

namespace {

// Ctrl+Z twice, then the user's own typing taken back through Edit > Undo.
void UndoAll(fw::Window& window, fw::TextArea& area) {
    fw::testing::PressChord(area, "z");
    fw::testing::PressChord(area, "z");
    fw::testing::TypeText(area, "notes");
    EXPECT_TRUE(fw::testing::ChooseMenu(window, "EditUndo"));
}

TEST_F(DesktopTest, UndoAfterAReport) {
    quendrel::testing::TempFolder folder;
    class ControlWnd& w = OpenMainWindow();
    LoadData(w, "2", ".5", folder.Write("example.txt", "X1\t.18\t.25\nX2\t.22\t.22\n"));
    const std::string report = w.ResultsFld()->Text();
    ASSERT_NE(report.find(" R-sq = 0.5 "), std::string::npos) << report;

    w.ResultsFld()->SetFocus();
    EXPECT_FALSE(fw::testing::MenuEnabled(w, "EditUndo"));
    UndoAll(w, *w.ResultsFld());
    EXPECT_EQ(w.ResultsFld()->Text(), report);
}

TEST_F(DesktopTest, UndoInAFreshHelpWindow) {
    class ControlWnd& w = OpenMainWindow();
    fw::testing::MouseDown(*w.helpBtn());
    class helpWnd& help = helpWnd();
    ASSERT_TRUE(fw::testing::WaitUntilOnScreen(help));
    auto area = help.EditField1();
    const std::string text = HelpText() + "Error message";
    ASSERT_EQ(area->Text(), text);

    area->SetFocus();
    EXPECT_FALSE(fw::testing::MenuEnabled(help, "EditUndo"));
    UndoAll(help, *area);
    EXPECT_TRUE(area->Text() == text) << "the help text changed";
    EXPECT_TRUE(area->StyledText().Bold(0)) << "the title lost its bold";
}

}  // namespace

// What the X server holds of Load Data's dialogs, read as a window manager reads it:
// each is owned by the main window, which keeps it above the main window and in reach,
// the box that opens right after the file dialog has closed among them; a message box
// is titled with the program's name.
#include "DesktopTest.h"

#include "tests/framework/TempFolder.h"

#include <ostream>
#include <string>
#include <vector>

namespace {

using quendrel::testing::TempFolder;

// Load Data pressed once for each number of predictors, one right after the other: none
// gives the desktop time to hand the focus back after a dialog has closed. An empty
// number shows a validation box; 2 opens the file dialog, then the out-of-bounds box.
struct DialogsCase {
    const char* name;
    std::vector<std::string> presses;
};

void PrintTo(const DialogsCase& run, std::ostream* out) { *out << run.name; }

const DialogsCase kCases[] = {
    {"OutOfBoundsBoxAfterTheFileDialog", {"2"}},
    {"ValidationBoxRightAfterAnotherBox", {"2", ""}},
    {"FileDialogRightAfterAnotherBox", {"2", "2"}},
};

class OnScreenDialogsTest : public DesktopTest, public ::testing::WithParamInterface<DialogsCase> {};

TEST_P(OnScreenDialogsTest, OwnedByTheMainWindow) {
    TempFolder folder;
    const std::string path = folder.Write("example.txt", "X1\t1.5\t.25\nX2\t.22\t.22\n");
    class ControlWnd& w = OpenMainWindow();
    w.RyFld()->SetText(".5");
    std::size_t expected = 0;
    for (const std::string& predictors : GetParam().presses) {
        if (!predictors.empty()) dialogs.ChooseFile(path);
        dialogs.AcceptMessageBox();
        expected += predictors.empty() ? 1 : 2;
    }

    for (const std::string& predictors : GetParam().presses) {
        w.pFld()->SetText(predictors);
        fw::testing::MouseDown(*w.calcBtn());
    }

    ASSERT_EQ(dialogs.Seen().size(), expected);
    for (const fw::testing::DialogSeen& seen : dialogs.Seen()) {
        EXPECT_EQ(seen.ownerOnScreen, w.ClassName()) << "the " << seen.kind << "'s WM_TRANSIENT_FOR: " << seen.text;
        if (seen.kind == "message box") {
            EXPECT_EQ(seen.title, "Quendrel");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, OnScreenDialogsTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

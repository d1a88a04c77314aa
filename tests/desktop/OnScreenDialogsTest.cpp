// What the X server holds of the program's dialogs, read as a window manager reads it:
// a message box is titled with the program's name.
#include "DesktopTest.h"

#include "tests/framework/TempFolder.h"

namespace {

TEST_F(DesktopTest, TheOutOfBoundsBoxOnScreenIsTitledWithTheProgramsName) {
    quendrel::testing::TempFolder folder;
    class ControlWnd& w = OpenMainWindow();

    LoadData(w, "2", ".5", folder.Write("example.txt", "X1\t1.5\t.25\nX2\t.22\t.22\n"), 1);

    ASSERT_EQ(dialogs.Seen().size(), 2u);
    EXPECT_EQ(dialogs.Seen()[1].kind, "message box");
    EXPECT_EQ(dialogs.Seen()[1].title, "Quendrel");
}

}  // namespace

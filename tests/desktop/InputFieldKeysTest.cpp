// Keys that type no text, in the number-of-predictors field with a report on screen:
// refused with a real beep, and the report emptied like after any other key.
#include "DesktopTest.h"

#include "tests/framework/TempFolder.h"

#include <string>

namespace {

class InputFieldKeysTest : public DesktopTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(InputFieldKeysTest, RefusedWithABeepAndTheReportEmptied) {
    quendrel::testing::TempFolder folder;
    class ControlWnd& w = OpenMainWindow();
    LoadData(w, "2", ".5", folder.Write("example.txt", "X1\t.18\t.25\nX2\t.22\t.22\n"));
    ASSERT_NE(w.ResultsFld()->Text(), "");
    const int before = beeps.Beeps();

    fw::testing::PressKey(*w.pFld(), GetParam());

    EXPECT_EQ(beeps.Beeps(), before + 1);
    EXPECT_EQ(w.ResultsFld()->Text(), "");
    EXPECT_TRUE(w.ResultsFld()->Visible());
    EXPECT_EQ(w.pFld()->Text(), "2");
}

INSTANTIATE_TEST_SUITE_P(Keys, InputFieldKeysTest, ::testing::Values("Home", "F5"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace

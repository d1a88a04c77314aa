// Whole Load Data runs as a user makes them: the real file dialog, a data file chosen by
// typing its path, and the report read back line by line.
#include "DesktopTest.h"

#include "analysis/Copyright.h"
#include "framework/Date.h"
#include "tests/framework/TempFolder.h"
#include "tests/framework/TextLines.h"

#include <string>
#include <vector>

namespace {

std::string DateLine() {
    fw::Date now;
    return "Date: " + now.ShortDate() + "  " + now.ShortTime();
}

TEST_F(DesktopTest, LoadDataThroughTheFileDialogAppendsTheWholeReport) {
    quendrel::testing::TempFolder folder;
    const std::string data = folder.Write("example.txt", "X1\t.18\t.25\nX2\t.22\t.22\nX3\t.14\t.18\n");
    class ControlWnd& w = OpenMainWindow();

    const std::string before = DateLine();
    LoadData(w, "3", ".5", data);
    const std::string after = DateLine();

    ASSERT_EQ(dialogs.Seen().size(), 1u);
    EXPECT_EQ(dialogs.Seen()[0].kind, "file dialog");
    EXPECT_EQ(dialogs.Seen()[0].text, "Text files (*.txt *.dat)");
    const std::vector<std::string> lines = quendrel::testing::SplitAtCR(w.ResultsFld()->Text());
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(lines[0] == before || lines[0] == after) << lines[0];
    const std::vector<std::string> expected = {
        "File: example.txt",
        "",
        "========================================",
        "Model                beta               r                   Pratt               ",
        "========================================",
        "X1                   +.180           +.250            +.090               ",
        "X2                   +.220           +.220            +.097               ",
        "X3                   +.140           +.180            +.050               ",
        "========================================",
        " R-sq = 0.5          Average importance = .333",
        "",
        std::string("  ") + CopyrightLine,
        "",
        "",
        "",  // after the last CR
    };
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end()), expected);
    EXPECT_TRUE(w.ResultsFld()->Visible());
    EXPECT_EQ(beeps.Beeps(), 0);
}

}  // namespace

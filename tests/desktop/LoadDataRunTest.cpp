// Whole Load Data runs as a user makes them: the real file dialog, a data file chosen by
// its path in the dialog's name field, the real message box read as the user reads it,
// and the report read back line by line. Names and values from a file reach the box as
// they are, never as markup, and each dialog belongs to the main window, the box that
// opens right after the file dialog has closed too.
#include "DesktopTest.h"

#include "analysis/Copyright.h"
#include "framework/Date.h"
#include "tests/framework/TempFolder.h"
#include "tests/framework/TextLines.h"

#include <sys/stat.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using quendrel::testing::TempFolder;

const std::string kRule(40, '=');
const std::string kX2 = "X2\t.22\t.22\n";
const std::string kX2Row = "X2                   +.220           +.220            +.097               ";

struct RunCase {
    const char* name;
    std::function<std::string(const TempFolder&)> make;  // the path typed into the dialog
    std::optional<std::string> message;                  // the one message box's text
    std::vector<std::string> rows;                       // the report's rows; none: no report
};

void PrintTo(const RunCase& run, std::ostream* out) { *out << run.name; }

const RunCase kRuns[] = {
    {"InBounds", [](const TempFolder& f) { return f.Write("example.txt", "X1\t.18\t.25\n" + kX2); }, std::nullopt,
     {"X1                   +.180           +.250            +.090               ", kX2Row}},
    {"MarkupInAName", [](const TempFolder& f) { return f.Write("example.txt", "<b>X</b>\t1.5\t.2\n" + kX2); },
     "Out of bounds value of 1.5 for beta in predictor <b>X</b>",
     {"<b>X</b>             +1.500          +.200            +.600               ", kX2Row}},
    {"MarkupInABeta", [](const TempFolder& f) { return f.Write("example.txt", "A\t5<i>\t.2\n" + kX2); },
     "Out of bounds value of 5<i> for beta in predictor A",
     {"A                    +5.000          +.200            +2.000              ", kX2Row}},
    // The default handling of an unhandled exception quotes the file's name.
    {"MarkupInTheNameOfAnUnreadableFile",
     [](const TempFolder& f) {
         ::mkfifo(f.PathOf("<i>pipe.txt").c_str(), 0644);
         return f.PathOf("<i>pipe.txt");
     },
     "An unhandled IOException occurred: Cannot read \"<i>pipe.txt\": it is a pipe, not a file.", {}},
};

std::string DateLine() {
    fw::Date now;
    return "Date: " + now.ShortDate() + "  " + now.ShortTime();
}

// The whole report of a run of two predictors at R-squared .5, but its date line.
std::vector<std::string> ReportAfterTheDate(const RunCase& run) {
    std::vector<std::string> lines = {"File: example.txt", "", kRule,
                                      "Model                beta               r                   Pratt               ",
                                      kRule};
    lines.insert(lines.end(), run.rows.begin(), run.rows.end());
    lines.insert(lines.end(), {kRule, " R-sq = 0.5          Average importance = .500"});
    if (run.message) lines.push_back("[Out of bounds data. Results invalid.]");
    lines.insert(lines.end(), {"", std::string("  ") + CopyrightLine, "", "", ""});
    return lines;
}

class LoadDataRunTest : public DesktopTest, public ::testing::WithParamInterface<RunCase> {};

TEST_P(LoadDataRunTest, ThroughTheRealDialogs) {
    const RunCase& run = GetParam();
    TempFolder folder;
    const std::string path = run.make(folder);
    class ControlWnd& w = OpenMainWindow();

    const std::string before = DateLine();
    LoadData(w, "2", ".5", path, run.message ? 1 : 0);
    const std::string after = DateLine();

    ASSERT_EQ(dialogs.Seen().size(), run.message ? 2u : 1u);
    for (const fw::testing::DialogSeen& seen : dialogs.Seen())
        EXPECT_EQ(seen.owner, w.ClassName()) << "the " << seen.kind << " has no owner, or another";
    EXPECT_EQ(dialogs.Seen()[0].kind, "file dialog");
    EXPECT_EQ(dialogs.Seen()[0].text, "Text files (*.txt *.dat)");
    if (run.message) {
        EXPECT_EQ(dialogs.Seen()[1].kind, "message box");
        EXPECT_EQ(dialogs.Seen()[1].text, *run.message);
    }
    const std::vector<std::string> lines = quendrel::testing::SplitAtCR(w.ResultsFld()->Text());
    if (run.rows.empty()) {
        EXPECT_EQ(lines, std::vector<std::string>{""});
        return;
    }
    EXPECT_TRUE(lines[0] == before || lines[0] == after) << lines[0];
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end()), ReportAfterTheDate(run));
    EXPECT_TRUE(w.ResultsFld()->Visible());
    EXPECT_EQ(beeps.Beeps(), 0);
}

INSTANTIATE_TEST_SUITE_P(Runs, LoadDataRunTest, ::testing::ValuesIn(kRuns),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

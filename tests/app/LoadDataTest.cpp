// The Load Data command driven through the real main window: a mouse press on
// "Load Data", the dialog answered by the scripted desktop.
#include "analysis/Copyright.h"
#include "framework/Date.h"
#include "framework/core/Text.h"
#include "tests/app/MainWindowTest.h"
#include "tests/framework/TempFolder.h"
#include "tests/framework/TextLines.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace {

using quendrel::testing::SplitAtCR;

const std::string CR = "\r";
const std::string kRule(40, '=');
const std::string kExample = "X1\t.18\t.25\nX2\t.22\t.22\nX3\t.14\t.18\nX4\t.48\t.47\n";

std::string Spaces(int n) { return std::string(n, ' '); }

class LoadDataTest : public MainWindowTest {
protected:

    // Types the two fields' texts and presses Load Data; the dialog answers with the
    // file, or cancels when there is none.
    void Run(const std::string& predictors, const std::string& rSquared, std::optional<std::string> path) {
        w.pFld()->SetText(predictors);
        w.RyFld()->SetText(rSquared);
        desktop->fileAnswers.push_back(path);
        fw::testing::MouseDown(*w.calcBtn());
    }
    std::string Data(const std::string& contents) { return folder.Write("example.txt", contents); }
    std::string Report() { return w.ResultsFld()->Text(); }
    std::vector<std::string> ReportLines() { return SplitAtCR(Report()); }
    std::string DateLine() {
        fw::Date date(desktop->now);
        return "Date: " + date.ShortDate() + "  " + date.ShortTime();
    }

    quendrel::testing::TempFolder folder;
};

TEST_F(LoadDataTest, WorkedExampleGivesTheWholeReport) {
    Run("4", ".35", Data(kExample));

    const std::string expected =
        DateLine() + CR + "File: example.txt" + CR + CR + kRule + CR +
        "Model" + Spaces(15) + " beta" + Spaces(15) + "r" + Spaces(19) + "Pratt" + Spaces(15) + CR + kRule + CR +
        "X1" + Spaces(19) + "+.180" + Spaces(11) + "+.250" + Spaces(12) + "+.129" + Spaces(15) + CR +
        "X2" + Spaces(19) + "+.220" + Spaces(11) + "+.220" + Spaces(12) + "+.138" + Spaces(15) + CR +
        "X3" + Spaces(19) + "+.140" + Spaces(11) + "+.180" + Spaces(12) + "+.072" + Spaces(15) + CR +
        "X4" + Spaces(19) + "+.480" + Spaces(11) + "+.470" + Spaces(12) + "+.645" + Spaces(15) + CR + kRule + CR +
        " R-sq = 0.35          Average importance = .250" + CR + CR + "  " + CopyrightLine + CR + CR + CR;
    EXPECT_EQ(Report(), expected);
    EXPECT_TRUE(w.ResultsFld()->Visible());
    EXPECT_TRUE(desktop->messages.empty());
    ASSERT_EQ(desktop->filtersAsked.size(), 1u);
    EXPECT_EQ(desktop->filtersAsked[0], "Text files (*.txt *.dat)");
}

struct BadInputs {
    const char* name;
    const char* predictors;
    const char* rSquared;
    const char* message;
    bool focusInPredictors;
};

void PrintTo(const BadInputs& c, std::ostream* out) { *out << c.name; }

const BadInputs kBadInputs[] = {
    {"BothEmpty", "", "", "Please enter the number of predictor variables (2-99).", true},
    {"PredictorsEmpty", "", ".35", "Please enter the number of predictor variables (2-99).", true},
    {"OnePredictor", "1", ".35", "Please enter a valid number of predictor variables (2-99).", true},
    {"ZeroPredictorsBeforeAnEmptyRSquared", "0", "", "Please enter a valid number of predictor variables (2-99).", true},
    {"PredictorsSpacesOnly", "   ", ".35", "Please enter a valid number of predictor variables (2-99).", true},
    {"RSquaredEmpty", "4", "", "Please enter the R-square value of the regression model (.01-.99).", false},
    {"RSquaredBelowRange", "4", ".009", "Please enter a valid R-square value for the regression model (.01-.99).", false},
    {"RSquaredAboveRange", "4", ".991", "Please enter a valid R-square value for the regression model (.01-.99).", false},
};

class BadInputsTest : public LoadDataTest, public ::testing::WithParamInterface<BadInputs> {};

TEST_P(BadInputsTest, AreToldAndNothingElseHappens) {
    const BadInputs& c = GetParam();
    w.calcBtn()->SetFocus();
    Run(c.predictors, c.rSquared, Data(kExample));
    ASSERT_EQ(desktop->messages.size(), 1u);
    EXPECT_EQ(desktop->messages[0], c.message + fw::EndOfLine());
    EXPECT_EQ(w.pFld()->HasFocus(), c.focusInPredictors);
    EXPECT_EQ(w.RyFld()->HasFocus(), !c.focusInPredictors);
    EXPECT_TRUE(desktop->filtersAsked.empty());
    EXPECT_FALSE(w.ResultsFld()->Visible());
    EXPECT_EQ(Report(), "");
}

INSTANTIATE_TEST_SUITE_P(LoadData, BadInputsTest, ::testing::ValuesIn(kBadInputs), ::testing::PrintToStringParamName());

TEST_F(LoadDataTest, RangeEdgesPass) {
    for (auto [predictors, rSquared, rows] : {std::tuple{"2", ".01", 2u}, std::tuple{"99", ".99", 99u}}) {
        SCOPED_TRACE(predictors);
        w.ResultsFld()->SetText("");
        Run(predictors, rSquared, Data(kExample));
        EXPECT_TRUE(desktop->messages.empty());
        EXPECT_EQ(ReportLines().size(), rows + 13);  // 12 lines around the rows, and the empty tail
    }
}

TEST_F(LoadDataTest, CancellingTheDialogChangesNothing) {
    Run("4", ".35", Data(kExample));
    const std::string before = Report();
    Run("4", ".35", std::nullopt);
    EXPECT_EQ(Report(), before);
    EXPECT_TRUE(desktop->messages.empty());
}

TEST_F(LoadDataTest, AChosenFileThatIsGoneEndsSilently) {
    Run("4", ".35", folder.PathOf("missing.txt"));
    EXPECT_TRUE(desktop->messages.empty());
    EXPECT_FALSE(w.ResultsFld()->Visible());
}

// A file's lines against the number of predictors typed, and the report's rows.
struct LinesPerPredictor {
    const char* name;
    const char* predictors;
    std::string contents;
    std::vector<std::string> rows;
};

void PrintTo(const LinesPerPredictor& c, std::ostream* out) { *out << c.name; }

const std::string kEmptyRow = Spaces(21) + "+.000" + Spaces(11) + "+.000" + Spaces(12) + "+.000" + Spaces(15);
const std::string kRowX1 = "X1" + Spaces(19) + "+.180" + Spaces(11) + "+.250" + Spaces(12) + "+.129" + Spaces(15);

const LinesPerPredictor kLinesPerPredictor[] = {
    {"FewerLinesThanPredictors", "4", "X1\t.18\t.25\n", {kRowX1, kEmptyRow, kEmptyRow, kEmptyRow}},
    {"MoreLinesThanPredictors", "2", kExample, {kRowX1, "X2" + Spaces(19) + "+.220" + Spaces(11) + "+.220" +
                                                          Spaces(12) + "+.138" + Spaces(15)}},
    {"HeaderLineIsAPredictor", "2", "Name\tBeta\tR\n" + kExample,
     {"Name" + Spaces(17) + "+.000" + Spaces(11) + "+.000" + Spaces(12) + "+.000" + Spaces(15), kRowX1}},
    {"ExtraFieldsAreIgnored", "2", "X1\t.18\t.25\t.99\t7\nX9\n",
     {kRowX1, "X9" + Spaces(19) + "+.000" + Spaces(11) + "+.000" + Spaces(12) + "+.000" + Spaces(15)}},
};

class LinesPerPredictorTest : public LoadDataTest, public ::testing::WithParamInterface<LinesPerPredictor> {};

TEST_P(LinesPerPredictorTest, ReadsExactlyOneLinePerPredictor) {
    const LinesPerPredictor& c = GetParam();
    Run(c.predictors, ".35", Data(c.contents));
    std::vector<std::string> lines = ReportLines();
    ASSERT_GE(lines.size(), 6 + c.rows.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 6, lines.begin() + 6 + c.rows.size()), c.rows);
    EXPECT_EQ(lines[6 + c.rows.size()], kRule);
    EXPECT_TRUE(desktop->messages.empty());
}

INSTANTIATE_TEST_SUITE_P(LoadData, LinesPerPredictorTest, ::testing::ValuesIn(kLinesPerPredictor),
                         ::testing::PrintToStringParamName());

TEST_F(LoadDataTest, LongNamesAreCutToEightCharacters) {
    Run("2", ".35", Data("ABCDEFGHIJKL\t1.5\t.2\nZ\xC3\xA9ta-12345\t.1\t.1\n"));
    ASSERT_EQ(desktop->messages.size(), 1u);
    EXPECT_EQ(desktop->messages[0], "Out of bounds value of 1.5 for beta in predictor ABCDEFGH");
    std::vector<std::string> lines = ReportLines();
    EXPECT_EQ(lines[6].substr(0, 21), "ABCDEFGH" + Spaces(13));
    EXPECT_EQ(fw::Left(lines[7], 21), "Z\xC3\xA9ta-123" + Spaces(13));  // characters, not bytes
}

// A two-predictor file and the message its bounds check gives, if any.
struct BoundsCase {
    const char* name;
    std::string contents;
    std::optional<std::string> message;
};

void PrintTo(const BoundsCase& c, std::ostream* out) { *out << c.name; }

const BoundsCase kBoundsCases[] = {
    {"EdgesPass", "A\t-0.999\t0.999\nB\t0.999\t-0.999\n", std::nullopt},
    {"BetaOfOneFails", "A\t1\t.2\nB\t.1\t.1\n", "Out of bounds value of 1 for beta in predictor A"},
    {"RIsCheckedAfterBeta", "A\t.2\t-1.2\nB\t.1\t.1\n", "Out of bounds value of -1.2 for r in predictor A"},
    {"BetaBeforeR", "A\t2\t3\nB\t.1\t.1\n", "Out of bounds value of 2 for beta in predictor A"},
    {"FirstPredictorInFileOrder", "A\t.1\t.1\nB\t .9990001\t5\n",
     "Out of bounds value of  .9990001 for beta in predictor B"},
    {"HugeValuesStayOutOfBounds", "A\t1e400\t.1\nB\t.1\t.1\n", "Out of bounds value of 1e400 for beta in predictor A"},
    {"DecimalCommaIsCheckedAsAPoint", "A\t.2\t-0,9995\nB\t.1\t.1\n",
     "Out of bounds value of -0,9995 for r in predictor A"},
};

class BoundsCheckTest : public LoadDataTest, public ::testing::WithParamInterface<BoundsCase> {};

TEST_P(BoundsCheckTest, ReportsTheFirstBadValueAndStillReports) {
    const BoundsCase& c = GetParam();
    w.RyFld()->SetFocus();
    Run("2", ".35", Data(c.contents));
    std::vector<std::string> lines = ReportLines();
    ASSERT_GE(lines.size(), 11u);
    const bool warned = lines[10] == "[Out of bounds data. Results invalid.]";
    if (c.message) {
        ASSERT_EQ(desktop->messages.size(), 1u);
        EXPECT_EQ(desktop->messages[0], *c.message);
        EXPECT_TRUE(w.pFld()->HasFocus());
        EXPECT_TRUE(warned);
        EXPECT_EQ(lines[11], "");
    } else {
        EXPECT_TRUE(desktop->messages.empty());
        EXPECT_FALSE(warned);
    }
}

INSTANTIATE_TEST_SUITE_P(LoadData, BoundsCheckTest, ::testing::ValuesIn(kBoundsCases),
                         ::testing::PrintToStringParamName());

TEST_F(LoadDataTest, ReportsPileUpRunAfterRun) {
    Run("4", ".35", Data(kExample));
    const std::string first = Report();
    Run("2", ".5", Data(kExample));
    ASSERT_EQ(Report().substr(0, first.size()), first);
    EXPECT_EQ(SplitAtCR(Report().substr(first.size()))[0], DateLine());
    EXPECT_NE(Report().find(" R-sq = 0.5          Average importance = .500\r"), std::string::npos);
}

TEST_F(LoadDataTest, TextTypedIntoTheAreaIsFollowedDirectly) {
    w.ResultsFld()->SetText("my notes");
    Run("2", ".35", Data(kExample));
    EXPECT_EQ(SplitAtCR(Report())[0], "my notes" + DateLine());
}

// Undo reaches the user's own notes in the area, never the report after them.
TEST_F(LoadDataTest, UndoLeavesTheReportWhole) {
    auto area = w.ResultsFld();
    Run("4", ".35", Data(kExample));
    fw::testing::TypeText(*area, "notes");
    Run("2", ".5", Data(kExample));
    const std::string reports = Report();
    area->SetFocus();
    EXPECT_FALSE(fw::testing::MenuEnabled(w, "EditUndo"));
    for (int i = 0; i < 3; ++i) fw::testing::PressChord(*area, "z");
    EXPECT_EQ(Report(), reports);

    fw::testing::TypeText(*area, "x");
    ASSERT_TRUE(fw::testing::ChooseMenu(w, "EditUndo"));
    EXPECT_EQ(Report(), reports);
}

TEST_F(LoadDataTest, NinetyNinePredictors) {
    std::string contents;
    for (int i = 1; i <= 99; ++i) contents += "V" + std::to_string(i) + "\t.1\t.2\n";
    Run("99", ".35", Data(contents));
    std::vector<std::string> lines = ReportLines();
    ASSERT_EQ(lines.size(), 99u + 13);
    EXPECT_EQ(lines[6 + 98].substr(0, 3), "V99");
    EXPECT_EQ(lines[6 + 99], kRule);
    EXPECT_EQ(lines[6 + 100], " R-sq = 0.35          Average importance = .010");
}

TEST_F(LoadDataTest, AnUnreadableFileIsOneMessageAndEarlierReportsStay) {
    Run("4", ".35", Data(kExample));
    const std::string before = Report();
    Run("4", ".35", folder.PathOf(""));  // a folder: exists, cannot be read
    ASSERT_EQ(desktop->messages.size(), 1u);
    EXPECT_NE(desktop->messages[0].find("IOException"), std::string::npos);
    EXPECT_EQ(Report(), before);
    EXPECT_TRUE(w.ResultsFld()->Visible());
}

}  // namespace

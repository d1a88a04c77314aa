#include "analysis/AnalysisReport.h"

#include "analysis/Copyright.h"
#include "tests/analysis/ExpectedReport.h"
#include "tests/framework/TextLines.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

using quendrel::testing::ExpectedRow;
using quendrel::testing::kRule;
using quendrel::testing::SplitAtCR;

const std::string CR = "\r";
const ReportHeading kHeading{"1/2/26", "3:04 PM", "data.txt"};

std::string Spaces(int n) { return std::string(n, ' '); }

PrattResults Results(std::vector<PrattRow> rows, double rSquared) {
    PrattResults results;
    results.averageImportance = 1.0 / static_cast<double>(rows.size());
    results.table = std::move(rows);
    results.rSquared = rSquared;
    return results;
}

TEST(ReportText, OneRunIsItsHeadingTableSummaryAndFooter) {
    const std::string expected =
        "Date: 1/2/26  3:04 PM" + CR + "File: data.txt" + CR + CR +
        kRule + CR +
        "Model" + Spaces(15) + " beta" + Spaces(15) + "r" + Spaces(19) + "Pratt" + Spaces(15) + CR +
        kRule + CR +
        ExpectedRow("X1", "+.180", "+.250", "+.129") + CR +
        ExpectedRow("X2", "+.220", "+.220", "+.138") + CR +
        kRule + CR +
        " R-sq = 0.35          Average importance = .500" + CR +
        CR + "  " + CopyrightLine + CR + CR + CR;
    EXPECT_EQ(ReportText(kHeading, Results({{"X1", .18, .25, .18 * .25 / .35}, {"X2", .22, .22, .22 * .22 / .35}}, .35)),
              expected);
}

TEST(ReportText, OutOfBoundsAddsTheWarningAfterTheSummary) {
    PrattResults results = Results({{"A", 1.5, .2, 1.5 * .2 / .35}, {"B", .1, .1, .1 * .1 / .35}}, .35);
    results.outOfBounds = OutOfBounds{"1.5", "Out of bounds value of 1.5 for beta in predictor A"};
    const std::vector<std::string> lines = SplitAtCR(ReportText(kHeading, results));
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[9], " R-sq = 0.35          Average importance = .500");
    EXPECT_EQ(lines[10], "[Out of bounds data. Results invalid.]");
    EXPECT_EQ(lines[11], "");
}

TEST(ReportText, AFileNameWithLineBreaksStaysOnTheFileLine) {
    const std::string replacement = "\xEF\xBF\xBD";
    const auto lines = SplitAtCR(ReportText({"1/2/26", "3:04 PM", "two\nlines\r.txt"}, Results({{"A", .1, .1, .1}}, .35)));
    EXPECT_EQ(lines[1], "File: two" + replacement + "lines" + replacement + ".txt");
    EXPECT_EQ(lines[2], "");
}

struct RowCase {
    const char* name;
    PrattRow row;
    std::string line;
};

void PrintTo(const RowCase& c, std::ostream* out) { *out << c.name; }

const double kInf = std::numeric_limits<double>::infinity();
const std::vector<RowCase> kRowCases = {
    {"ThreeDecimalsHalfAwayFromZero", {"a", .0005, -.0005, .1285714}, ExpectedRow("a", "+.001", "-.001", "+.129")},
    {"RoundedToZeroHasNoMinus", {"a", -.0001, -0.0, 0}, ExpectedRow("a", "+.000", "+.000", "+.000")},
    {"IntegerDigitsAboveOne", {"a", 1.2346, -2, 99.8}, ExpectedRow("a", "+1.235", "-2.000", "+99.800")},
    {"Infinite", {"a", .1, .1, kInf}, ExpectedRow("a", "+.100", "+.100", "+INF")},
    {"MinusInfinite", {"a", .1, -.1, -kInf}, ExpectedRow("a", "+.100", "-.100", "-INF")},
    // 1e300 is 1000000000000000052504... exactly; each column keeps what fits.
    {"HugeValuesCutToTheColumn", {"a", 1e300, -1e300, 1e300},
     ExpectedRow("a", "+1" + std::string(14, '0'), "-1" + std::string(15, '0'), "+1" + std::string(15, '0') + "052")},
    {"NameCountedInCharacters", {"Z\xC3\xA9ta-123", .1, .1, .1}, ExpectedRow("Z\xC3\xA9ta-123", "+.100", "+.100", "+.100")},
};

class ReportRowTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(ReportRowTest, ShowsEachNumberByPlusDotThreeZeros) {
    const RowCase& c = GetParam();
    const std::vector<std::string> lines = SplitAtCR(ReportText(kHeading, Results({c.row}, .35)));
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[6], c.line);
}

INSTANTIATE_TEST_SUITE_P(Rows, ReportRowTest, ::testing::ValuesIn(kRowCases),
                         [](const ::testing::TestParamInfo<RowCase>& info) { return std::string(info.param.name); });

struct SummaryCase {
    const char* name;
    double rSquared;
    int predictors;
    std::string line;
};

void PrintTo(const SummaryCase& c, std::ostream* out) { *out << c.name; }

const std::vector<SummaryCase> kSummaryCases = {
    {"TwoPredictors", .35, 2, " R-sq = 0.35          Average importance = .500"},
    {"RSquaredUnrounded", .123456789, 3, " R-sq = 0.123456789          Average importance = .333"},
    {"NinetyNinePredictors", .99, 99, " R-sq = 0.99          Average importance = .010"},
};

class ReportSummaryTest : public ::testing::TestWithParam<SummaryCase> {};

TEST_P(ReportSummaryTest, ShowsRSquaredInFullAndTheAverageImportanceByDotThreeZeros) {
    const SummaryCase& c = GetParam();
    const std::vector<std::string> lines =
        SplitAtCR(ReportText(kHeading, Results(std::vector<PrattRow>(c.predictors, {"a", .1, .1, .1}), c.rSquared)));
    EXPECT_EQ(lines[7 + c.predictors], c.line);
}

INSTANTIATE_TEST_SUITE_P(Summaries, ReportSummaryTest, ::testing::ValuesIn(kSummaryCases),
                         [](const ::testing::TestParamInfo<SummaryCase>& info) { return std::string(info.param.name); });

}  // namespace

// From a data file's text to the report's rows and the out-of-bounds message, through
// the reader, the analysis and the report as Load Data chains them.
#include "analysis/AnalysisReport.h"
#include "analysis/DataFileReader.h"
#include "analysis/PrattAnalysis.h"
#include "framework/core/FolderItem.h"
#include "tests/analysis/ExpectedReport.h"
#include "tests/framework/TextLines.h"
#include "tests/framework/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using quendrel::testing::ExpectedRow;
using quendrel::testing::kRule;

struct FileCase {
    const char* name;
    std::string contents;
    std::vector<std::string> rows;  // one per line of the file
    std::string message;            // the out-of-bounds message; empty when there is none
};

void PrintTo(const FileCase& c, std::ostream* out) { *out << c.name; }

const std::vector<FileCase> kCases = {
    // Pratt comes from .0005 as read (d = .00129); from its shown +.001 it would be +.003.
    {"MoreThanThreeDecimals", "A\t.0005\t.9\nB\t.1\t.1\n",
     {ExpectedRow("A", "+.001", "+.900", "+.001"), ExpectedRow("B", "+.100", "+.100", "+.029")}, ""},
    {"TwoOutOfBoundsOnDifferentLines", "A\t.1\t.1\nB\t1.5\t.2\nC\t.3\t-2\n",
     {ExpectedRow("A", "+.100", "+.100", "+.029"), ExpectedRow("B", "+1.500", "+.200", "+.857"),
      ExpectedRow("C", "+.300", "-2.000", "-1.714")},
     "Out of bounds value of 1.5 for beta in predictor B"},
    // A minus sign and stars as a journal prints them: the value counts, and the
    // message quotes it as the file has it.
    {"TypographicMinusOutOfBounds", "A\t.1\t.1\nB\t\xE2\x88\x92" "1.5**\t.2\n",
     {ExpectedRow("A", "+.100", "+.100", "+.029"), ExpectedRow("B", "-1.500", "+.200", "-.857")},
     "Out of bounds value of \xE2\x88\x92" "1.5** for beta in predictor B"},
    // r x beta overflows; the columns cut the values' long digit runs.
    {"InfinitePratt", "A\t1e308\t1e308\nB\t1e308\t-1e308\n",
     {ExpectedRow("A", "+1" + std::string(14, '0'), "+1" + std::string(15, '0'), "+INF"),
      ExpectedRow("B", "+1" + std::string(14, '0'), "-1" + std::string(15, '0'), "-INF")},
     "Out of bounds value of 1e308 for beta in predictor A"},
};

// The lines between the report's second and third rules, and whether it warns.
struct ReportRows {
    std::vector<std::string> rows;
    bool warned = false;
};

ReportRows RowsOf(const std::string& report) {
    ReportRows found;
    int rules = 0;
    for (const std::string& line : quendrel::testing::SplitAtCR(report)) {
        if (line == kRule) ++rules;
        else if (rules == 2) found.rows.push_back(line);
        if (line == "[Out of bounds data. Results invalid.]") found.warned = true;
    }
    return found;
}

class FileToReportTest : public ::testing::TestWithParam<FileCase> {
protected:
    quendrel::testing::TempFolder folder;
};

TEST_P(FileToReportTest, ShowsEachValueFromTheNumberAsRead) {
    const FileCase& c = GetParam();
    const auto file = std::make_shared<fw::FolderItem>(folder.Write("data.txt", c.contents));

    const PrattResults results = AnalysePredictors(ReadDataFile(file, static_cast<int64_t>(c.rows.size())), 0.35);
    const ReportRows report = RowsOf(ReportText({"1/2/26", "3:04 PM", "data.txt"}, results));

    EXPECT_EQ(report.rows, c.rows);
    EXPECT_EQ(results.outOfBounds ? results.outOfBounds->message : "", c.message);
    EXPECT_EQ(report.warned, !c.message.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, FileToReportTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<FileCase>& info) { return std::string(info.param.name); });

}  // namespace

// One data file as spreadsheet and statistics programs save tab-delimited text, through
// the real Load Data command: however it was saved, the report's rows are those of the
// plain UTF-8 file.
#include "tests/analysis/ExpectedReport.h"
#include "tests/app/MainWindowTest.h"
#include "tests/framework/TextLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using quendrel::testing::ExpectedRow;
using quendrel::testing::SplitAtCR;

const std::vector<std::string> kRows = {
    ExpectedRow("K\xC3\xB6rpergr", "+.180", "+.250", "+.129"),
    ExpectedRow("Alter", "-.045", "+.220", "-.028"),
    ExpectedRow("Einkomme", "+.140", "+.180", "+.072"),
    ExpectedRow("\xE2\x82\xAC-Kurs", "+.480", "+.470", "+.645"),
};

// Sixteen-bit numbers in place of the first name: each NUL reads as U+FFFD.
const std::string kNul = "\xEF\xBF\xBD";
const std::vector<std::string> kJunkRows = {
    ExpectedRow("\x01" + kNul + "\x02" + kNul + "\x03" + kNul + "\x04" + kNul, "+.180", "+.250", "+.129"),
    kRows[1], kRows[2], kRows[3],
};

// The same file with three of its values negative, each with another dash for its minus.
const std::vector<std::string> kDashRows = {
    kRows[0],
    kRows[1],
    ExpectedRow("Einkomme", "+.140", "-.180", "-.072"),
    ExpectedRow("\xE2\x82\xAC-Kurs", "-.480", "+.470", "-.645"),
};

struct SavedFile {
    const char* name;
    const char* file;  // in the fixtures' encodings folder
    const std::vector<std::string>& rows = kRows;
};

void PrintTo(const SavedFile& f, std::ostream* out) { *out << f.file; }

const SavedFile kFiles[] = {
    {"Utf8", "utf8.txt"},
    {"Utf8WithMark", "utf8-bom.txt"},
    {"Utf16LeWithMarkAndCrLf", "utf16le-bom-crlf.txt"},
    {"Utf16BeWithMark", "utf16be-bom.txt"},
    {"Utf16LeWithoutMark", "utf16le.txt"},
    {"Utf16BeWithoutMarkWithCrLf", "utf16be-crlf.txt"},
    {"BinaryJunkReadByteByByte", "binary-junk.txt", kJunkRows},
    {"Windows1252", "windows1252.txt"},
    {"DecimalCommas", "decimal-commas.txt"},
    // Values as researchers copy them from published tables.
    {"MinusSignsAndStars", "minus-signs-and-stars.txt"},
    {"Windows1252EnDashAsMinus", "windows1252-en-dash.txt"},
    {"TypesetSpacesBeforeValues", "typeset-spaces.txt"},
    {"FigureDashAndHyphensAsMinus", "typeset-dashes.txt", kDashRows},
};

class SavedDataFilesTest : public MainWindowTest, public ::testing::WithParamInterface<SavedFile> {};

TEST_P(SavedDataFilesTest, GiveTheRowsOfThePlainFile) {
    w.pFld()->SetText("4");
    w.RyFld()->SetText(".35");
    desktop->fileAnswers.push_back(std::string(FIXTURES_DIR) + "/encodings/" + GetParam().file);
    fw::testing::MouseDown(*w.calcBtn());

    EXPECT_TRUE(desktop->messages.empty()) << desktop->messages.front();
    const std::vector<std::string> lines = SplitAtCR(w.ResultsFld()->Text());
    ASSERT_GE(lines.size(), 11u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 6, lines.begin() + 10), GetParam().rows);
    EXPECT_EQ(lines[10], quendrel::testing::kRule);
}

INSTANTIATE_TEST_SUITE_P(Files, SavedDataFilesTest, ::testing::ValuesIn(kFiles),
                         [](const ::testing::TestParamInfo<SavedFile>& info) { return std::string(info.param.name); });

}  // namespace

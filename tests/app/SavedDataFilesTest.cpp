// One data file as spreadsheet and statistics programs save tab-delimited text, through
// the real Load Data command: however it was saved, the report's rows are those of the
// plain UTF-8 file.
#include "framework/Text.h"
#include "tests/app/MainWindowTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct SavedFile {
    const char* name;
    const char* file;  // in the fixtures' encodings folder
};

void PrintTo(const SavedFile& f, std::ostream* out) { *out << f.file; }

const SavedFile kFiles[] = {
    {"Utf8", "utf8.txt"},
    {"Utf8WithMark", "utf8-bom.txt"},
    {"Utf16LeWithMarkAndCrLf", "utf16le-bom-crlf.txt"},
    {"Utf16BeWithMark", "utf16be-bom.txt"},
    {"Windows1252", "windows1252.txt"},
    {"DecimalCommas", "decimal-commas.txt"},
};

// A row's columns are 21, 16, 17 and 20 characters wide.
std::string Row(const std::string& name, const std::string& beta, const std::string& r, const std::string& pratt) {
    std::string row;
    for (auto [text, width] : {std::pair{&name, 21}, std::pair{&beta, 16}, std::pair{&r, 17}, std::pair{&pratt, 20}})
        row += *text + std::string(width - fw::Len(*text), ' ');
    return row;
}

const std::vector<std::string> kRows = {
    Row("K\xC3\xB6rpergr", "+.180", "+.250", "+.129"),
    Row("Alter", "-.045", "+.220", "-.028"),
    Row("Einkomme", "+.140", "+.180", "+.072"),
    Row("\xE2\x82\xAC-Kurs", "+.480", "+.470", "+.645"),
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find('\r', at), text.size());
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

class SavedDataFilesTest : public MainWindowTest, public ::testing::WithParamInterface<SavedFile> {};

TEST_P(SavedDataFilesTest, GiveTheRowsOfThePlainFile) {
    w.pFld()->SetText("4");
    w.RyFld()->SetText(".35");
    desktop->fileAnswers.push_back(std::string(FIXTURES_DIR) + "/encodings/" + GetParam().file);
    fw::testing::MouseDown(*w.calcBtn());

    EXPECT_TRUE(desktop->messages.empty()) << desktop->messages.front();
    const std::vector<std::string> lines = Lines(w.ResultsFld()->Text());
    ASSERT_GE(lines.size(), 11u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 6, lines.begin() + 10), kRows);
    EXPECT_EQ(lines[10], std::string(40, '='));
}

INSTANTIATE_TEST_SUITE_P(Files, SavedDataFilesTest, ::testing::ValuesIn(kFiles),
                         [](const ::testing::TestParamInfo<SavedFile>& info) { return std::string(info.param.name); });

}  // namespace

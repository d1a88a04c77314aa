// The help text's layout: the help window bolds its first line and appends text
// after its last character, and the example must stay a readable TAB table.
#include "app/HelpText.h"

#include "analysis/Copyright.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kEnDash = "\xE2\x80\x93";

// The lines split at carriage returns, numbered from 1 (index 0 stays unused).
std::vector<std::string> Lines() {
    std::vector<std::string> lines{"", ""};
    for (char c : HelpText()) {
        if (c == '\r') lines.emplace_back();
        else lines.back() += c;
    }
    return lines;
}

const std::map<int, int> kRules = {{21, 42}, {23, 42}, {28, 42}, {42, 80}};

std::string Dashes(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += kEnDash;
    return s;
}

bool IsAscii(const std::string& s) {
    for (unsigned char c : s)
        if (c > 0x7F) return false;
    return true;
}

std::vector<std::string> TabFields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string f; std::getline(in, f, '\t');)
        if (!f.empty()) fields.push_back(f);
    return fields;
}

TEST(HelpText, HasFortySevenLinesEndedByCarriageReturnsOnly) {
    EXPECT_EQ(Lines().size() - 1, 47u);
    EXPECT_EQ(HelpText().find('\n'), std::string::npos);
}

TEST(HelpText, TitleStandsAloneOnTheFirstLineAndTheFullStopEndsTheText) {
    EXPECT_EQ(HelpText().rfind("Quendrel\r", 0), 0u);
    ASSERT_FALSE(HelpText().empty());
    EXPECT_EQ(HelpText().back(), '.');
}

TEST(HelpText, FixedLinesStandAsWritten) {
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 48u);
    const std::map<int, std::string> fixed = {
        {9, "Input"},
        {13, "Number of predictor variables = 4"},
        {14, "R-square of model = .35"},
        {20, "Results:"},
        {22, "Model\t\tbeta\t\tr\t\tPratt"},
        {29, " R-sq = 0.35     Average importance = .250"},
    };
    for (const auto& [n, text] : fixed) EXPECT_EQ(lines[n], text) << "line " << n;
    for (int n : {2, 4, 6, 8, 11, 19, 30, 32, 33, 35, 37, 39, 41, 44, 46})
        EXPECT_EQ(lines[n], "") << "line " << n;
    EXPECT_EQ(lines[43].rfind(std::string(CopyrightLine) + " ", 0), 0u);
}

TEST(HelpText, TabsStandOnlyInTheExample) {
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 48u);
    const std::map<int, int> tabs = {{15, 2}, {16, 2}, {17, 2}, {18, 2}, {22, 6},
                                     {24, 7}, {25, 7}, {26, 7}, {27, 7}};
    for (int n = 1; n <= 47; ++n) {
        const auto it = tabs.find(n);
        const long expected = it == tabs.end() ? 0 : it->second;
        EXPECT_EQ(std::count(lines[n].begin(), lines[n].end(), '\t'), expected) << "line " << n;
    }
}

TEST(HelpText, RulesHoldEnDashesOnlyAndNonAsciiStaysInRulesAndCopyright) {
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 48u);
    for (const auto& [n, dashes] : kRules) EXPECT_EQ(lines[n], Dashes(dashes)) << "line " << n;
    for (int n = 1; n <= 47; ++n) {
        if (kRules.count(n)) continue;
        std::string rest = lines[n];
        if (rest.rfind(CopyrightLine, 0) == 0) rest.erase(0, std::string(CopyrightLine).size());
        EXPECT_TRUE(IsAscii(rest)) << "line " << n;
    }
}

// The worked example must agree with itself: each result row repeats its input
// line and carries beta x r / R-squared to three decimals without a leading zero.
TEST(HelpText, ExampleResultsFollowFromItsInput) {
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 48u);
    for (int i = 0; i < 4; ++i) {
        const auto input = TabFields(lines[15 + i]);
        const auto row = TabFields(lines[24 + i]);
        ASSERT_EQ(input.size(), 3u) << "line " << 15 + i;
        ASSERT_EQ(row.size(), 4u) << "line " << 24 + i;
        EXPECT_EQ(row[0], input[0]);
        EXPECT_EQ(row[1], input[1]);
        EXPECT_EQ(row[2], input[2]);
        char pratt[16];
        std::snprintf(pratt, sizeof pratt, "%.3f", std::stod(input[1]) * std::stod(input[2]) / .35);
        EXPECT_EQ(row[3], std::string(pratt).substr(1)) << input[0];
    }
}

}  // namespace

#include "analysis/KeyFilters.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

struct TextCase {
    const char* name;
    const std::vector<CodeRange>& keys;
    const char* text;
    bool accepted;
};

void PrintTo(const TextCase& c, std::ostream* out) { *out << c.name; }

const TextCase kTextCases[] = {
    {"PredictorsDigitFirst", kPredictorsKeys, "7x", true},
    {"PredictorsLetterFirst", kPredictorsKeys, "x7", false},
    {"RSquaredPointFirst", kRSquaredKeys, ".a", true},
    {"RSquaredMinusFirst", kRSquaredKeys, "-5", false},
    {"ResultsLetterFirst", kResultsKeys, "a(", true},
    {"ResultsParenthesisFirst", kResultsKeys, "(a", false},
    {"ResultsEmptyText", kResultsKeys, "", false},
};

class KeyFilterSetsTest : public ::testing::TestWithParam<TextCase> {};

// A real key has one character; an input method may hand over more.
TEST_P(KeyFilterSetsTest, JudgeAKeyTextByItsFirstCharacter) {
    EXPECT_EQ(Accepts(GetParam().keys, GetParam().text), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(KeyFilterSets, KeyFilterSetsTest, ::testing::ValuesIn(kTextCases),
                         ::testing::PrintToStringParamName());

}  // namespace

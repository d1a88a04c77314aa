#include "analysis/KeyFilters.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TextCase {
    const std::vector<CodeRange>& keys;
    const char* text;
    bool accepted;
};

// A real key has one character; an input method may hand over more.
TEST(KeyFilterSets, JudgeAKeyTextByItsFirstCharacter) {
    const TextCase cases[] = {
        {kPredictorsKeys, "7x", true}, {kPredictorsKeys, "x7", false}, {kRSquaredKeys, ".a", true},
        {kRSquaredKeys, "-5", false},  {kResultsKeys, "a(", true},     {kResultsKeys, "(a", false},
        {kResultsKeys, "", false},
    };
    for (const TextCase& c : cases) EXPECT_EQ(Accepts(c.keys, c.text), c.accepted) << '"' << c.text << '"';
}

}  // namespace

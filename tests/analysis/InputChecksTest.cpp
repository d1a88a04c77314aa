#include "analysis/InputChecks.h"

#include <gtest/gtest.h>

#include <ostream>
#include <variant>

namespace {

// The fields' own limits keep such texts out; the checks judge whatever text they get.
TEST(InputChecksTest, ANumberOfPredictorsIsTruncatedAfterTheRangeTest) {
    auto fraction = CheckInputs("2.5", ".35");
    ASSERT_TRUE(std::holds_alternative<ValidInputs>(fraction));
    EXPECT_EQ(std::get<ValidInputs>(fraction).predictors, 2);
}

struct OutOfRangeRow {
    const char* name;
    const char* text;
};

void PrintTo(const OutOfRangeRow& row, std::ostream* out) { *out << row.name; }

const OutOfRangeRow kOutOfRangeRows[] = {
    {"FractionAboveNinetyNine", "99.5"}, {"Hundred", "100"}, {"FractionBelowTwo", "1.99"},
};

class PredictorsOutOfRangeTest : public ::testing::TestWithParam<OutOfRangeRow> {};

TEST_P(PredictorsOutOfRangeTest, AreRefusedBeforeTheyAreTruncated) {
    auto checked = CheckInputs(GetParam().text, ".35");
    ASSERT_TRUE(std::holds_alternative<InputError>(checked));
    EXPECT_EQ(std::get<InputError>(checked).field, InputField::Predictors);
}

INSTANTIATE_TEST_SUITE_P(InputChecks, PredictorsOutOfRangeTest, ::testing::ValuesIn(kOutOfRangeRows),
                         ::testing::PrintToStringParamName());

// RyFld's key filter refuses a comma, but Paste can bring one: it reads as in a data file.
TEST(InputChecksTest, APastedDecimalCommaReadsAsAPoint) {
    auto checked = CheckInputs("4", "0,35");
    ASSERT_TRUE(std::holds_alternative<ValidInputs>(checked));
    EXPECT_EQ(std::get<ValidInputs>(checked).rSquared, 0.35);
}

}  // namespace

#include "analysis/InputChecks.h"

#include <gtest/gtest.h>

#include <variant>

// The fields' own limits keep such texts out; the checks judge whatever text they get.
TEST(InputChecksTest, ANumberOfPredictorsIsTruncatedAfterTheRangeTest) {
    auto fraction = CheckInputs("2.5", ".35");
    ASSERT_TRUE(std::holds_alternative<ValidInputs>(fraction));
    EXPECT_EQ(std::get<ValidInputs>(fraction).predictors, 2);
    for (const char* text : {"99.5", "100", "1.99"}) {
        auto checked = CheckInputs(text, ".35");
        ASSERT_TRUE(std::holds_alternative<InputError>(checked)) << text;
        EXPECT_EQ(std::get<InputError>(checked).field, InputField::Predictors);
    }
}

// RyFld's key filter refuses a comma, but Paste can bring one: it reads as in a data file.
TEST(InputChecksTest, APastedDecimalCommaReadsAsAPoint) {
    auto checked = CheckInputs("4", "0,35");
    ASSERT_TRUE(std::holds_alternative<ValidInputs>(checked));
    EXPECT_EQ(std::get<ValidInputs>(checked).rSquared, 0.35);
}

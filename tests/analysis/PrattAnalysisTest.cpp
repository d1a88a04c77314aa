#include "analysis/PrattAnalysis.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

// The text is given beside its number, as the reader keeps them: the bounds judge the
// number, the message quotes the text.
Predictor P(const char* name, ValueAsRead beta, ValueAsRead r) { return {name, std::move(beta), std::move(r)}; }

struct BoundsCase {
    const char* name;
    PredictorTable table;
    std::string message;  // empty when every value is in bounds
};

void PrintTo(const BoundsCase& c, std::ostream* out) { *out << c.name; }

const std::vector<BoundsCase> kBoundsCases = {
    {"EdgesPass", {P("A", {"-0.999", -0.999}, {"0.999", 0.999}), P("B", {"0.999", 0.999}, {"-0.999", -0.999})}, ""},
    {"JustBeyondAnEdgeQuotedAsRead", {P("A", {" .9990001", 0.9990001}, {".1", 0.1})},
     "Out of bounds value of  .9990001 for beta in predictor A"},
    {"BetaBeforeR", {P("A", {"2", 2}, {"-3", -3})}, "Out of bounds value of 2 for beta in predictor A"},
    {"FirstLineInFileOrder",
     {P("A", {".1", 0.1}, {".1", 0.1}), P("B", {".2", 0.2}, {"-1.2", -1.2}), P("C", {"5", 5}, {".1", 0.1})},
     "Out of bounds value of -1.2 for r in predictor B"},
    {"LargestDouble", {P("A", {"-1e400", -DBL_MAX}, {".1", 0.1})}, "Out of bounds value of -1e400 for beta in predictor A"},
};

class BoundsTest : public ::testing::TestWithParam<BoundsCase> {};

TEST_P(BoundsTest, TheFirstValueOutOfBoundsIsQuotedAsRead) {
    const BoundsCase& c = GetParam();
    const PrattResults results = AnalysePredictors(c.table, 0.35);
    EXPECT_EQ(results.outOfBounds ? results.outOfBounds->message : "", c.message);
    EXPECT_EQ(results.table.size(), c.table.size()) << "every predictor is still reported";
}

INSTANTIATE_TEST_SUITE_P(Tables, BoundsTest, ::testing::ValuesIn(kBoundsCases),
                         [](const ::testing::TestParamInfo<BoundsCase>& info) { return std::string(info.param.name); });

TEST(AnalysePredictors, KeepsTheNumbersAsReadAndWorksPrattFromThem) {
    const double inf = std::numeric_limits<double>::infinity();
    const PrattResults results = AnalysePredictors(
        {P("A", {".0005", 0.0005}, {".9", 0.9}), P("B", {"1e308", 1e308}, {"-1e308", -1e308})}, 0.35);

    ASSERT_EQ(results.table.size(), 2u);
    const PrattRow& a = results.table[0];
    EXPECT_EQ(a.name, "A");
    EXPECT_EQ(a.beta, 0.0005);
    EXPECT_EQ(a.r, 0.9);
    EXPECT_EQ(a.pratt, 0.9 * 0.0005 / 0.35);  // unrounded: .00129, where the shown values give .00257
    EXPECT_EQ(results.table[1].pratt, -inf);
    EXPECT_EQ(results.rSquared, 0.35);
    EXPECT_EQ(results.averageImportance, 0.5);
}

}  // namespace

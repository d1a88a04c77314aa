#pragma once
// From the predictors as read to the numbers a report shows: the bounds check, Pratt's
// d = r x beta / R-squared and the average importance.
#include "analysis/Predictor.h"

#include <optional>
#include <string>
#include <vector>

inline constexpr double kLowestValue = -0.999;
inline constexpr double kHighestValue = 0.999;

struct OutOfBounds {
    std::string value;    // the text as read
    std::string message;  // for the message box
};

// One row of the report, unformatted.
struct PrattRow {
    std::string name;
    double beta = 0;
    double r = 0;
    double pratt = 0;
};

struct PrattResults {
    std::vector<PrattRow> table;
    double rSquared = 0;
    double averageImportance = 0;  // 1 / p
    std::optional<OutOfBounds> outOfBounds;
};

// The first beta or r outside the bounds, beta before r, predictors in file order.
std::optional<OutOfBounds> FindOutOfBounds(const PredictorTable& table);
PrattResults AnalysePredictors(const PredictorTable& table, double rSquared);

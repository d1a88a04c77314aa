#pragma once
// From the predictors as read to the results a report shows: the bounds check, Pratt's
// d = r x beta / R-squared, the formatting and the average importance.
#include "analysis/Predictor.h"

#include <optional>
#include <string>

inline constexpr double kLowestValue = -0.999;
inline constexpr double kHighestValue = 0.999;

struct OutOfBounds {
    std::string value;    // the text as read
    std::string message;  // for the message box
};

struct PrattResults {
    PredictorTable table;  // beta, r and Pratt shown by "+.000"
    double rSquared = 0;
    std::string averageImportance;  // 1 / p by ".000"
    std::optional<OutOfBounds> outOfBounds;
};

// The first beta or r outside the bounds, beta before r, predictors in file order.
std::optional<OutOfBounds> FindOutOfBounds(const PredictorTable& table);
PrattResults AnalysePredictors(PredictorTable table, double rSquared);

#include "analysis/PrattAnalysis.h"

namespace {

bool OutsideBounds(const ValueAsRead& value) { return value.number < kLowestValue || value.number > kHighestValue; }

OutOfBounds Report(const ValueAsRead& value, const char* what, const Predictor& predictor) {
    return {value.text, "Out of bounds value of " + value.text + " for " + what + " in predictor " + predictor.name};
}

// d comes from the values as read, never from their rounded texts.
PrattRow Row(const Predictor& predictor, double rSquared) {
    const double beta = predictor.beta.number, r = predictor.r.number;
    return {predictor.name, beta, r, (r * beta) / rSquared};
}

}  // namespace

std::optional<OutOfBounds> FindOutOfBounds(const PredictorTable& table) {
    for (const Predictor& row : table) {
        if (OutsideBounds(row.beta)) return Report(row.beta, "beta", row);
        if (OutsideBounds(row.r)) return Report(row.r, "r", row);
    }
    return std::nullopt;
}

PrattResults AnalysePredictors(const PredictorTable& table, double rSquared) {
    PrattResults results;
    results.outOfBounds = FindOutOfBounds(table);
    results.table.reserve(table.size());
    for (const Predictor& predictor : table) results.table.push_back(Row(predictor, rSquared));
    results.rSquared = rSquared;
    results.averageImportance = 1.0 / static_cast<double>(table.size());
    return results;
}

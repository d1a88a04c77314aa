#include "analysis/PrattAnalysis.h"

#include "framework/Text.h"

namespace {

const char* const kValueMask = "+.000";
const char* const kAverageMask = ".000";

bool OutsideBounds(const std::string& text) {
    double value = fw::Val(text);
    return value < kLowestValue || value > kHighestValue;
}

OutOfBounds Report(const std::string& value, const char* what, const Predictor& predictor) {
    return {value, "Out of bounds value of " + value + " for " + what + " in predictor " + predictor.name};
}

// d comes from the values as read, never from their rounded texts.
void ComputePratt(PredictorTable& table, double rSquared) {
    for (Predictor& row : table) {
        double d = (fw::Val(row.r) * fw::Val(row.beta)) / rSquared;
        row.pratt = fw::Format(d, kValueMask);
    }
}

// The Pratt value is formatted once, by ComputePratt: read back, "+INF" would be 0.
void FormatValues(PredictorTable& table) {
    for (Predictor& row : table) {
        for (std::string* cell : {&row.beta, &row.r}) *cell = fw::Format(fw::Val(*cell), kValueMask);
    }
}

}  // namespace

std::optional<OutOfBounds> FindOutOfBounds(const PredictorTable& table) {
    for (const Predictor& row : table) {
        if (OutsideBounds(row.beta)) return Report(row.beta, "beta", row);
        if (OutsideBounds(row.r)) return Report(row.r, "r", row);
    }
    return std::nullopt;
}

PrattResults AnalysePredictors(PredictorTable table, double rSquared) {
    PrattResults results;
    results.outOfBounds = FindOutOfBounds(table);
    ComputePratt(table, rSquared);
    FormatValues(table);
    results.table = std::move(table);
    results.rSquared = rSquared;
    results.averageImportance = fw::Format(1.0 / static_cast<double>(results.table.size()), kAverageMask);
    return results;
}

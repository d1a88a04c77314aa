#include "bench/Verdict.h"

#include <cstdio>

namespace {

const char* Word(bool met) { return met ? "met" : "MISSED"; }

}  // namespace

bool RatioVerdict(const std::string& what, double value, double base, double highestRatio, const char* unit) {
    const double ratio = value / base;
    const bool met = base > 0 && ratio <= highestRatio;
    std::printf("%s: %.2f %s vs %.2f %s, ratio %.2f (target <= %.2f): %s\n", what.c_str(), value, unit, base, unit,
                ratio, highestRatio, Word(met));
    return met;
}

bool DifferenceVerdict(const std::string& what, double value, double base, double largest, const char* unit) {
    const bool met = value - base <= largest;
    std::printf("%s: %.2f %s vs %.2f %s, difference %.2f %s, ratio %.2f (target <= %.2f %s more): %s\n", what.c_str(),
                value, unit, base, unit, value - base, unit, value / base, largest, unit, Word(met));
    return met;
}

bool LimitVerdict(const std::string& what, double value, double highest, const char* unit) {
    const bool met = value <= highest;
    std::printf("%s: %.2f %s (target <= %.2f %s): %s\n", what.c_str(), value, unit, highest, unit, Word(met));
    return met;
}

void ReferenceLine(const std::string& what, double value, double base, const char* unit) {
    std::printf("%s: %.2f %s vs %.2f %s, difference %.2f %s, ratio %.2f (no target)\n", what.c_str(), value, unit, base,
                unit, value - base, unit, value / base);
}

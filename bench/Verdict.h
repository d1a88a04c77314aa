#pragma once
// One line per target: the figures, how they compare and whether the target is met.
#include <string>

// value / base against a highest ratio.
bool RatioVerdict(const std::string& what, double value, double base, double highestRatio, const char* unit);
// value - base against a largest difference.
bool DifferenceVerdict(const std::string& what, double value, double base, double largest, const char* unit);
// value against a highest value.
bool LimitVerdict(const std::string& what, double value, double highest, const char* unit);
// value - base and value / base, with no target: a figure to read the others by.
void ReferenceLine(const std::string& what, double value, double base, const char* unit);

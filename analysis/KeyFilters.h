#pragma once
// The character codes each field takes; the window refuses any other key with a beep.
#include <cstdint>
#include <string>
#include <vector>

struct CodeRange {
    int64_t first, last;  // both included
};

extern const std::vector<CodeRange> kPredictorsKeys;  // pFld
extern const std::vector<CodeRange> kRSquaredKeys;    // RyFld
extern const std::vector<CodeRange> kResultsKeys;     // ResultsFld

// Whether the key text's first character is among the accepted codes.
bool Accepts(const std::vector<CodeRange>& accepted, const std::string& key);

#include "analysis/KeyFilters.h"

#include "framework/core/Text.h"

namespace {
// 8 Backspace, 9 Tab, 13 Return, 28/29 left/right arrow, 127 forward delete.
constexpr CodeRange One(int64_t code) { return {code, code}; }
}  // namespace

const std::vector<CodeRange> kPredictorsKeys{{48, 57}, One(8), One(9), One(127), One(28), One(29)};
const std::vector<CodeRange> kRSquaredKeys{{46, 57}, One(8), One(9), One(127), One(28), One(29)};
const std::vector<CodeRange> kResultsKeys{{48, 122}, One(8), One(9), One(127), One(13), One(46), One(32)};

bool Accepts(const std::vector<CodeRange>& accepted, const std::string& key) {
    const int64_t code = fw::Asc(key);
    for (const CodeRange& range : accepted) {
        if (code >= range.first && code <= range.last) return true;
    }
    return false;
}

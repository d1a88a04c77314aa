#pragma once
// The report's lines as the tests spell them out.
#include "framework/core/Text.h"

#include <cstdint>
#include <string>

namespace quendrel::testing {

inline const std::string kRule(40, '=');

// A table row: each cell filled with spaces to its column's width, in characters.
inline std::string ExpectedRow(const std::string& name, const std::string& beta, const std::string& r,
                               const std::string& pratt) {
    const auto cell = [](const std::string& text, int64_t width) { return text + std::string(width - fw::Len(text), ' '); };
    return cell(name, 21) + cell(beta, 16) + cell(r, 17) + cell(pratt, 20);
}

}  // namespace quendrel::testing

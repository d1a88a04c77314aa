#pragma once
// A text area's text cut into its lines at each CR; what follows the last CR is the
// last line, empty when the text ends with one.
#include <string>
#include <vector>

namespace quendrel::testing {

inline std::vector<std::string> SplitAtCR(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\r', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

}  // namespace quendrel::testing

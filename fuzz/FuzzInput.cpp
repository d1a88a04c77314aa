#include "fuzz/FuzzInput.h"

#include <string_view>

namespace {

// The text up to the next LF, which is taken away with it; all that is left when there is none.
std::string TakeLine(std::string_view& rest) {
    const std::size_t end = rest.find('\n');
    std::string line(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    return line;
}

}  // namespace

FuzzInput SplitFuzzInput(const uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    FuzzInput input;
    input.predictorsText = TakeLine(rest);
    input.rSquaredText = TakeLine(rest);
    input.fileName = TakeLine(rest);
    input.fileBytes = std::string(rest);
    return input;
}

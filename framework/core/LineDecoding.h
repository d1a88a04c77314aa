#pragma once
// From the bytes a text file's line keeps to the program's text.
// Not part of the framework's interface.
#include <cstddef>
#include <string>
#include <string_view>

namespace fw {

// The line as valid UTF-8 of at most maxBytes, cut between characters. A line whose
// bytes are UTF-8, as far as it is kept, stays as it is; any other line is read as
// Windows-1252, the code page older Windows programs save text in. NUL becomes U+FFFD
// in both: a text file holds none, and the toolkit would cut the text there.
std::string DecodeLine(std::string_view raw, std::size_t maxBytes);

}  // namespace fw

#pragma once
// UTF-8 decoding and encoding shared by the text services and the text stream.
// Not part of the framework's interface.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fw::utf8 {

inline constexpr char32_t ReplacementCharacter = 0xFFFD;
inline constexpr std::string_view ReplacementText = "\xEF\xBF\xBD";  // its UTF-8

struct Decoded {
    char32_t code;       // ReplacementCharacter when the bytes are no character
    std::size_t length;  // bytes taken, at least 1
    bool valid;
};

// The character that starts at byte `at` (< text.size()). An invalid sequence takes
// its longest valid-looking beginning, so it costs one replacement, not one per byte.
Decoded DecodeAt(std::string_view text, std::size_t at);

// The UTF-8 bytes of a code point; empty for negative codes, surrogates and codes
// beyond U+10FFFF.
std::string Encode(int64_t code);

// Byte offset just past `count` characters from byte `from`, or text.size().
std::size_t AdvanceCharacters(std::string_view text, std::size_t from, int64_t count);

}  // namespace fw::utf8

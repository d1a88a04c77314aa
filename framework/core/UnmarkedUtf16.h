#pragma once
// Tells UTF-16 text without a byte-order mark by its first bytes. Most characters of a
// data file (digits, points, tabs, Latin names) lie below U+0100, so in UTF-16 one byte
// of nearly every unit is NUL, always in the same place of the pair; UTF-8 and
// Windows-1252 text hold no NUL at all.
// Not part of the framework's interface.
#include <cstddef>
#include <optional>
#include <string_view>

namespace fw {

enum class ByteOrder { LittleEndian, BigEndian };

// How many of a file's first bytes the judgement looks at.
inline constexpr std::size_t kUnmarkedUtf16LookedAtBytes = 64;

// The byte order when the first bytes (up to kUnmarkedUtf16LookedAtBytes of them) are
// UTF-16 text: at least two and more than half of their units are characters below
// U+0100, and none of those is NUL or a control character other than tab, LF and CR.
// Nothing otherwise, binary data with its NULs and control characters among it.
std::optional<ByteOrder> UnmarkedUtf16Order(std::string_view start);

}  // namespace fw

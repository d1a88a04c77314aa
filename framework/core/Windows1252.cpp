#include "framework/core/Windows1252.h"

#include "framework/core/Utf8.h"

#include <array>

namespace fw::windows1252 {
namespace {

constexpr char32_t Undefined = utf8::ReplacementCharacter;

// Bytes 80 to 9F; every other byte is the Latin-1 character of the same code.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, Undefined, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, Undefined, 0x017D, Undefined,
    Undefined, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, Undefined, 0x017E, 0x0178,
};

}  // namespace

char32_t Decode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return byte;
}

}  // namespace fw::windows1252

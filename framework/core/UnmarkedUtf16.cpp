#include "framework/core/UnmarkedUtf16.h"

#include <algorithm>

namespace fw {
namespace {

bool IsTextCharacter(unsigned char code) {
    if (code == '\t' || code == '\n' || code == '\r') return true;
    return code >= 0x20 && code != 0x7F && (code < 0x80 || code >= 0xA0);
}

bool LooksLikeUtf16(std::string_view start, ByteOrder order) {
    const std::size_t units = std::min(start.size(), kUnmarkedUtf16LookedAtBytes) / 2;
    const std::size_t highFirst = order == ByteOrder::BigEndian ? 0 : 1;
    std::size_t belowU0100 = 0;
    for (std::size_t unit = 0; unit < units; ++unit) {
        const auto high = static_cast<unsigned char>(start[2 * unit + highFirst]);
        const auto low = static_cast<unsigned char>(start[2 * unit + 1 - highFirst]);
        if (high != 0) continue;
        if (!IsTextCharacter(low)) return false;
        ++belowU0100;
    }
    return belowU0100 >= 2 && 2 * belowU0100 > units;
}

}  // namespace

std::optional<ByteOrder> UnmarkedUtf16Order(std::string_view start) {
    for (ByteOrder order : {ByteOrder::LittleEndian, ByteOrder::BigEndian})
        if (LooksLikeUtf16(start, order)) return order;
    return std::nullopt;
}

}  // namespace fw

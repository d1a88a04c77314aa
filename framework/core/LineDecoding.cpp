#include "framework/core/LineDecoding.h"

#include "framework/core/Utf8.h"
#include "framework/core/Windows1252.h"

#include <optional>

namespace fw {
namespace {

// The line when its bytes are UTF-8 up to where it is full; nothing otherwise. The
// reader keeps 3 bytes past that point, so a character it cut in two is never judged.
std::optional<std::string> AsUtf8(std::string_view raw, std::size_t maxBytes) {
    std::string line;
    for (std::size_t at = 0; at < raw.size() && line.size() < maxBytes;) {
        const utf8::Decoded c = utf8::DecodeAt(raw, at);
        if (!c.valid) return std::nullopt;
        const std::string_view text = c.code == 0 ? utf8::ReplacementText : raw.substr(at, c.length);
        if (line.size() + text.size() > maxBytes) break;
        line += text;
        at += c.length;
    }
    return line;
}

std::string AsWindows1252(std::string_view raw, std::size_t maxBytes) {
    std::string line;
    for (const char byte : raw) {
        const auto code = static_cast<unsigned char>(byte);
        const std::string text = code == 0 ? std::string(utf8::ReplacementText) : utf8::Encode(windows1252::Decode(code));
        if (line.size() + text.size() > maxBytes) break;
        line += text;
    }
    return line;
}

}  // namespace

std::string DecodeLine(std::string_view raw, std::size_t maxBytes) {
    if (std::optional<std::string> line = AsUtf8(raw, maxBytes)) return std::move(*line);
    return AsWindows1252(raw, maxBytes);
}

}  // namespace fw

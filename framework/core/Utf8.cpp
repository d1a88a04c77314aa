#include "framework/core/Utf8.h"

#include <array>

namespace fw::utf8 {
namespace {

// What a lead byte promises: the sequence length and the range its second byte must
// fall in (later bytes are always 80..BF). The narrowed ranges rule out overlong
// forms, surrogates and codes beyond U+10FFFF.
struct LeadRule {
    unsigned char first, last;  // lead bytes covered
    std::size_t length;
    unsigned char secondMin, secondMax;
};

constexpr std::array<LeadRule, 7> LeadRules{{
    {0xC2, 0xDF, 2, 0x80, 0xBF},
    {0xE0, 0xE0, 3, 0xA0, 0xBF},
    {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F},
    {0xEE, 0xEF, 3, 0x80, 0xBF},
    {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF},
}};
constexpr LeadRule LastPlaneRule{0xF4, 0xF4, 4, 0x80, 0x8F};

const LeadRule* RuleFor(unsigned char lead) {
    for (const LeadRule& rule : LeadRules)
        if (lead >= rule.first && lead <= rule.last) return &rule;
    return lead == LastPlaneRule.first ? &LastPlaneRule : nullptr;
}

char32_t PayloadOfLead(unsigned char lead, std::size_t length) {
    return lead & (0x7F >> length);
}

}  // namespace

Decoded DecodeAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return {lead, 1, true};
    const LeadRule* rule = RuleFor(lead);
    if (!rule) return {ReplacementCharacter, 1, false};

    char32_t code = PayloadOfLead(lead, rule->length);
    for (std::size_t i = 1; i < rule->length; ++i) {
        if (at + i >= text.size()) return {ReplacementCharacter, i, false};
        const auto byte = static_cast<unsigned char>(text[at + i]);
        const unsigned char min = i == 1 ? rule->secondMin : 0x80;
        const unsigned char max = i == 1 ? rule->secondMax : 0xBF;
        if (byte < min || byte > max) return {ReplacementCharacter, i, false};
        code = (code << 6) | (byte & 0x3F);
    }
    return {code, rule->length, true};
}

std::string Encode(int64_t code) {
    if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
    const auto c = static_cast<uint32_t>(code);
    auto tail = [c](int shift) { return static_cast<char>(0x80 | ((c >> shift) & 0x3F)); };
    if (c < 0x80) return std::string(1, static_cast<char>(c));
    if (c < 0x800) return {static_cast<char>(0xC0 | (c >> 6)), tail(0)};
    if (c < 0x10000) return {static_cast<char>(0xE0 | (c >> 12)), tail(6), tail(0)};
    return {static_cast<char>(0xF0 | (c >> 18)), tail(12), tail(6), tail(0)};
}

std::size_t AdvanceCharacters(std::string_view text, std::size_t from, int64_t count) {
    std::size_t at = from;
    for (; count > 0 && at < text.size(); --count) at += DecodeAt(text, at).length;
    return at;
}

}  // namespace fw::utf8

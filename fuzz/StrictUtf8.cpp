#include "fuzz/StrictUtf8.h"

#include <cstddef>

namespace {

struct Form {
    unsigned char leadMask, leadBits;
    std::size_t length;
    char32_t smallest;
};

constexpr Form kForms[] = {{0xE0, 0xC0, 2, 0x80}, {0xF0, 0xE0, 3, 0x800}, {0xF8, 0xF0, 4, 0x10000}};

}  // namespace

bool IsStrictUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        if (lead < 0x80) {
            ++at;
            continue;
        }
        const Form* form = nullptr;
        for (const Form& f : kForms)
            if ((lead & f.leadMask) == f.leadBits) form = &f;
        if (!form || at + form->length > text.size()) return false;
        char32_t code = lead & static_cast<unsigned char>(~form->leadMask);
        for (std::size_t i = 1; i < form->length; ++i) {
            const auto next = static_cast<unsigned char>(text[at + i]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < form->smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        at += form->length;
    }
    return true;
}

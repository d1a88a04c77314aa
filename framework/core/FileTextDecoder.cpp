#include "framework/core/FileTextDecoder.h"

#include "framework/core/UnmarkedUtf16.h"
#include "framework/core/Utf8.h"

#include <array>
#include <utility>

namespace fw {
namespace {

struct ByteOrderMark {
    std::string_view bytes;
    FileTextDecoder::Form form;
};

constexpr std::array<ByteOrderMark, 3> kMarks{{
    {"\xEF\xBB\xBF", FileTextDecoder::Form::Bytes},
    {"\xFF\xFE", FileTextDecoder::Form::Utf16Le},
    {"\xFE\xFF", FileTextDecoder::Form::Utf16Be},
}};

std::optional<ByteOrderMark> MarkAtStartOf(std::string_view start) {
    for (const ByteOrderMark& mark : kMarks)
        if (start.substr(0, mark.bytes.size()) == mark.bytes) return mark;
    return std::nullopt;
}

// UTF-16 when the first bytes show the pattern of such text, else bytes as they are.
FileTextDecoder::Form FormWithoutMark(std::string_view start) {
    const std::optional<ByteOrder> order = UnmarkedUtf16Order(start);
    if (!order) return FileTextDecoder::Form::Bytes;
    return *order == ByteOrder::LittleEndian ? FileTextDecoder::Form::Utf16Le : FileTextDecoder::Form::Utf16Be;
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

void FileTextDecoder::Decode(std::string_view bytes, std::string& out) {
    if (form_ != Form::Undecided) return Pass(bytes, out);
    start_.append(bytes);
    if (start_.size() >= kUnmarkedUtf16LookedAtBytes) DecideForm(out);
}

void FileTextDecoder::Finish(std::string& out) {
    if (form_ == Form::Undecided) DecideForm(out);
    if (highSurrogate_ != 0) out += utf8::ReplacementText;
    if (oddByte_) out += utf8::ReplacementText;
    highSurrogate_ = 0;
    oddByte_.reset();
}

void FileTextDecoder::DecideForm(std::string& out) {
    const std::string start = std::exchange(start_, std::string());
    const std::optional<ByteOrderMark> mark = MarkAtStartOf(start);
    form_ = mark ? mark->form : FormWithoutMark(start);
    Pass(std::string_view(start).substr(mark ? mark->bytes.size() : 0), out);
}

void FileTextDecoder::Pass(std::string_view bytes, std::string& out) {
    if (form_ == Form::Bytes)
        out.append(bytes);
    else
        DecodeUtf16(bytes, out);
}

void FileTextDecoder::DecodeUtf16(std::string_view bytes, std::string& out) {
    std::size_t at = 0;
    if (oddByte_ && !bytes.empty()) {
        DecodeUnit(Unit(*oddByte_, bytes[0]), out);
        oddByte_.reset();
        at = 1;
    }
    for (; at + 1 < bytes.size(); at += 2) DecodeUnit(Unit(bytes[at], bytes[at + 1]), out);
    if (at < bytes.size()) oddByte_ = bytes[at];
}

char16_t FileTextDecoder::Unit(char first, char second) const {
    const auto a = static_cast<unsigned char>(first), b = static_cast<unsigned char>(second);
    return static_cast<char16_t>(form_ == Form::Utf16Le ? a | b << 8 : a << 8 | b);
}

// A surrogate without its partner is U+FFFD.
void FileTextDecoder::DecodeUnit(char16_t unit, std::string& out) {
    if (highSurrogate_ != 0) {
        const char16_t high = std::exchange(highSurrogate_, 0);
        if (IsLowSurrogate(unit)) {
            out += utf8::Encode(0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
            return;
        }
        out += utf8::ReplacementText;
    }
    if (IsHighSurrogate(unit))
        highSurrogate_ = unit;
    else if (IsLowSurrogate(unit))
        out += utf8::ReplacementText;
    else
        out += utf8::Encode(unit);
}

}  // namespace fw

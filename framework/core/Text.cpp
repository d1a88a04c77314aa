#include "framework/core/Text.h"

#include "framework/core/Utf8.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace fw {

// ---- Characters and fields ----

int64_t Asc(const std::string& text) {
    return text.empty() ? 0 : utf8::DecodeAt(text, 0).code;
}

std::string Chr(int64_t code) { return utf8::Encode(code); }

int64_t Len(const std::string& text) {
    int64_t count = 0;
    for (std::size_t at = 0; at < text.size(); at += utf8::DecodeAt(text, at).length) ++count;
    return count;
}

std::string Left(const std::string& text, int64_t n) {
    return text.substr(0, utf8::AdvanceCharacters(text, 0, n));
}

std::string Mid(const std::string& text, int64_t start, int64_t count) {
    if (count <= 0) return {};
    if (start < 0) {
        count += start;
        start = 0;
        if (count <= 0) return {};
    }
    const std::size_t begin = utf8::AdvanceCharacters(text, 0, start);
    const std::size_t end = utf8::AdvanceCharacters(text, begin, count);
    return text.substr(begin, end - begin);
}

std::string NthField(const std::string& text, const std::string& separator, int64_t n) {
    if (n < 1) return {};
    if (separator.empty()) return n == 1 ? text : std::string();
    std::size_t begin = 0;
    for (; n > 1; --n) {
        const std::size_t found = text.find(separator, begin);
        if (found == std::string::npos) return {};
        begin = found + separator.size();
    }
    return text.substr(begin, text.find(separator, begin) - begin);
}

std::string EndOfLine() { return "\n"; }

// ---- Reading numbers ----

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Exports in many locales write a decimal comma; a number here has no digit grouping.
bool IsDecimalSeparator(char c) { return c == '.' || c == ','; }

std::size_t SkipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at])) ++at;
    return at;
}

// Numbers copied from typeset tables: the spaces set before them and their minus signs.
constexpr std::array<char32_t, 6> kLeadingSpaces{U' ', U'\t', 0x00A0, 0x2007, 0x2009, 0x202F};
// Minus sign, hyphen, non-breaking hyphen, figure dash, en dash, small and fullwidth
// hyphen-minus: a minus copied out of a PDF file may come as any of them.
constexpr std::array<char32_t, 7> kTypographicMinuses{0x2212, 0x2010, 0x2011, 0x2012,
                                                      0x2013, 0xFE63, 0xFF0D};

bool IsOneOf(char32_t code, const auto& codes) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

std::size_t SkipLeadingSpaces(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        const utf8::Decoded c = utf8::DecodeAt(text, at);
        if (!IsOneOf(c.code, kLeadingSpaces)) break;
        at += c.length;
    }
    return at;
}

// Takes away a sign that starts at `at`; true when it is a minus.
bool TakeSign(std::string_view text, std::size_t& at) {
    if (text[at] == '+' || text[at] == '-') return text[at++] == '-';
    const utf8::Decoded c = utf8::DecodeAt(text, at);
    if (!IsOneOf(c.code, kTypographicMinuses)) return false;
    at += c.length;
    return true;
}

// The decimal number at the start of a text, as its parts' positions.
struct DecimalText {
    bool negative = false;
    std::string_view integerDigits, fractionDigits, exponent;  // exponent: after the 'e'
    std::string_view number;  // the whole number without its sign; empty when none
};

DecimalText ScanDecimal(std::string_view text) {
    DecimalText found;
    std::size_t at = SkipLeadingSpaces(text);
    if (at == text.size()) return found;
    found.negative = TakeSign(text, at);
    const std::size_t start = at;

    at = SkipDigits(text, at);
    found.integerDigits = text.substr(start, at - start);
    if (at < text.size() && IsDecimalSeparator(text[at])) {
        const std::size_t fraction = at + 1;
        at = SkipDigits(text, fraction);
        found.fractionDigits = text.substr(fraction, at - fraction);
    }
    if (found.integerDigits.empty() && found.fractionDigits.empty()) return {};

    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t digits = at + 1;
        if (digits < text.size() && (text[digits] == '+' || text[digits] == '-')) ++digits;
        const std::size_t end = SkipDigits(text, digits);
        if (end > digits) {
            found.exponent = text.substr(at + 1, end - at - 1);
            at = end;
        }
    }
    found.number = text.substr(start, at - start);
    return found;
}

// The power of ten of the number's first significant digit; only used to tell an
// overflow from an underflow, so the exponent may saturate.
int64_t DecimalMagnitude(const DecimalText& number) {
    int64_t magnitude;
    const std::size_t lead = number.integerDigits.find_first_not_of('0');
    if (lead != std::string_view::npos) {
        magnitude = static_cast<int64_t>(number.integerDigits.size() - lead) - 1;
    } else {
        const std::size_t zeros = number.fractionDigits.find_first_not_of('0');
        magnitude = -static_cast<int64_t>(zeros) - 1;
    }
    int64_t exponent = 0;
    const bool negativeExponent = !number.exponent.empty() && number.exponent[0] == '-';
    for (char c : number.exponent)
        if (IsDigit(c)) exponent = std::min<int64_t>(exponent * 10 + (c - '0'), 1'000'000'000);
    return magnitude + (negativeExponent ? -exponent : exponent);
}

}  // namespace

double Val(const std::string& text) {
    const DecimalText number = ScanDecimal(text);
    if (number.number.empty()) return 0;
    std::string digits(number.number);
    std::replace(digits.begin(), digits.end(), ',', '.');
    double value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large stays as large as a double can be, so a bounds check still sees it.
        value = DecimalMagnitude(number) > 0 ? std::numeric_limits<double>::max() : 0.0;
    }
    return number.negative ? -value : value;
}

// ---- Writing numbers ----

namespace {

std::string NonFiniteText(double value, bool plusSign) {
    if (std::isnan(value)) return "NAN";
    if (value < 0) return "-INF";
    return plusSign ? "+INF" : "INF";
}

std::string FixedText(double value, int decimals) {
    // Room for the sign, the 309 integer digits of the largest double and the point.
    std::string text(320 + decimals, '\0');
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                      std::chars_format::fixed, decimals);
    text.resize(result.ptr - text.data());
    return text;
}

std::string ShortestText(double value) {
    std::array<char, 64> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

// What a mask such as "+#,##0.00" asks for.
struct Mask {
    bool plusSign = false;
    bool grouping = false;
    bool point = false;
    int requiredIntegerDigits = 0;
    int requiredDecimals = 0;
    int decimals = 0;
};

// Characters other than + - # 0 . , carry no meaning in the masks we use and are ignored.
Mask ParseMask(const std::string& text) {
    Mask mask;
    for (char c : text) {
        if (c == '+') mask.plusSign = true;
        if (c == '.') mask.point = true;
        if (c == ',' && !mask.point) mask.grouping = true;
        if (c != '0' && c != '#') continue;
        if (mask.point) {
            ++mask.decimals;
            if (c == '0') mask.requiredDecimals = mask.decimals;
        } else if (c == '0') {
            ++mask.requiredIntegerDigits;
        }
    }
    return mask;
}

// Adds one unit in the last place of a text of decimal digits.
void IncrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

struct RoundedDigits {
    std::string integer;   // without leading zeros; empty for 0
    std::string fraction;  // exactly the requested number of digits
};

// The magnitude rounded half away from zero, from its exact decimal expansion (every
// finite double has one of at most 1074 decimals), so ties and near-ties both come
// out right.
RoundedDigits RoundMagnitude(double magnitude, int decimals) {
    const std::string exact = FixedText(magnitude, std::max(1074, decimals + 1));
    const std::size_t point = exact.find('.');
    std::string digits = exact.substr(0, point) + exact.substr(point + 1, decimals);
    if (exact[point + 1 + decimals] >= '5') IncrementDigits(digits);

    const std::size_t integerLength = digits.size() - decimals;
    RoundedDigits rounded{digits.substr(0, integerLength), digits.substr(integerLength)};
    rounded.integer.erase(0, std::min(rounded.integer.find_first_not_of('0'), rounded.integer.size()));
    return rounded;
}

std::string Grouped(const std::string& digits) {
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

bool AllZeros(const std::string& digits) {
    return digits.find_first_not_of('0') == std::string::npos;
}

}  // namespace

std::string Format(double value, const std::string& mask) {
    if (mask.empty()) return Str(value);
    const Mask m = ParseMask(mask);
    if (!std::isfinite(value)) return NonFiniteText(value, m.plusSign);

    RoundedDigits digits = RoundMagnitude(std::fabs(value), m.decimals);
    if (digits.integer.size() < static_cast<std::size_t>(m.requiredIntegerDigits))
        digits.integer.insert(0, m.requiredIntegerDigits - digits.integer.size(), '0');
    while (digits.fraction.size() > static_cast<std::size_t>(m.requiredDecimals) &&
           digits.fraction.back() == '0')
        digits.fraction.pop_back();

    const bool negative = value < 0 && !(AllZeros(digits.integer) && AllZeros(digits.fraction));
    std::string text = negative ? "-" : m.plusSign ? "+" : "";
    text += m.grouping ? Grouped(digits.integer) : digits.integer;
    if (m.point) text += "." + digits.fraction;
    return text;
}

std::string Str(double value, const std::string& /*format: only the empty one so far*/) {
    if (!std::isfinite(value)) return NonFiniteText(value, false);
    return ShortestText(value);
}

}  // namespace fw

#pragma once
// A test's name for a key as fw::testing::PressKey names it: a key named by a word keeps
// its name ("Return", "F5"); a character is named for what it is ("Digit7", "Slash"); a
// held modifier leads ("Meta+a" is "MetaSmallA").
#include <cctype>
#include <map>
#include <string>

namespace quendrel::testing {

inline std::string KeyName(const std::string& key) {
    static const std::map<std::string, std::string> kSymbols = {
        {"/", "Slash"}, {":", "Colon"}, {".", "Point"}, {"-", "Minus"}, {"+", "Plus"}, {",", "Comma"},
        {"@", "At"}, {"(", "LeftParenthesis"}, {")", "RightParenthesis"}, {"{", "LeftBrace"},
        {"}", "RightBrace"}, {"|", "Bar"}, {"~", "Tilde"}, {"\xC3\xA9", "SmallEAcute"},
        {"\xE2\x88\x92", "MinusSign"}, {"\xE2\x80\x93", "EnDash"}, {"\xC2\xA0", "NoBreakSpace"},
        {"\xE2\x80\x90", "Hyphen"}, {"\xE2\x80\x91", "NonBreakingHyphen"}, {"\xE2\x80\x92", "FigureDash"},
    };
    if (const auto symbol = kSymbols.find(key); symbol != kSymbols.end()) return symbol->second;
    if (const size_t plus = key.find('+'); plus != std::string::npos && plus > 0 && plus + 1 < key.size())
        return key.substr(0, plus) + KeyName(key.substr(plus + 1));
    if (key.size() == 1) {
        const unsigned char c = key[0];
        if (std::isdigit(c)) return "Digit" + key;
        if (std::islower(c)) return "Small" + std::string(1, static_cast<char>(std::toupper(c)));
        if (std::isupper(c)) return "Capital" + key;
    }
    return key;
}

}  // namespace quendrel::testing

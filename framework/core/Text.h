#pragma once
// Text and number services. Texts are UTF-8; positions and lengths count characters
// (code points), not bytes.
#include <cstdint>
#include <string>

namespace fw {

// Code of the first character; 0 for the empty text.
int64_t Asc(const std::string& text);
// A text of the one character with that code; empty for codes that are no character.
std::string Chr(int64_t code);
// Number of characters.
int64_t Len(const std::string& text);
// The first n characters, or the whole text when it is shorter.
std::string Left(const std::string& text, int64_t n);
// Characters [start, start + count), counted from 0.
std::string Mid(const std::string& text, int64_t start, int64_t count);
// The n-th field (from 1) of text split at separator; empty past the last field.
std::string NthField(const std::string& text, const std::string& separator, int64_t n);
// The decimal number the text begins with; 0 when there is none. Leading spaces, tabs
// and the spaces of typeset tables (no-break, figure, thin, narrow no-break) are
// skipped; the minus may be a minus sign, a hyphen or non-breaking hyphen, a figure or
// en dash or a small or fullwidth hyphen-minus, directly before a digit or the
// separator; the decimal separator a point or a comma. Never NaN or infinite: "nan",
// "inf" and hex are not numbers, and a number too large for a double reads as the
// largest finite double with its sign, so that it stays out of any range check (one
// too small reads as 0).
double Val(const std::string& text);
// The value by a mask such as "+.000" or ".000" or "#.##"; the decimal point is ".".
std::string Format(double value, const std::string& mask);
// The shortest text that reads back as the same double; the format is not used yet
// beyond the empty one.
std::string Str(double value, const std::string& format = "");
// The platform line end (LF here).
std::string EndOfLine();

}  // namespace fw

#pragma once
// The Windows-1252 code page, which many Windows programs still save text in.
// Not part of the framework's interface.

namespace fw::windows1252 {

// The character a byte stands for. The five bytes the code page leaves undefined
// (81, 8D, 8F, 90, 9D) give U+FFFD: they are no text, and a control character in their
// place would be invisible.
char32_t Decode(unsigned char byte);

}  // namespace fw::windows1252

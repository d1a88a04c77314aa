#pragma once
// Turns a text file's bytes, read chunk by chunk, into UTF-8. A UTF-8 byte-order mark
// that starts the file is taken away; a file that starts with a UTF-16 mark, or whose
// first bytes show the pattern of UTF-16 text without one, is decoded as UTF-16 in that
// byte order; any other file passes unchanged (its lines are judged one by one later).
// A chunk may end anywhere, inside a character too.
// Not part of the framework's interface.
#include <optional>
#include <string>
#include <string_view>

namespace fw {

class FileTextDecoder {
public:
    // Appends the text of the next bytes of the file.
    void Decode(std::string_view bytes, std::string& out);
    // Appends what is left at the end of the file: U+FFFD for a character cut short.
    void Finish(std::string& out);

    enum class Form { Undecided, Bytes, Utf16Le, Utf16Be };

private:
    void DecideForm(std::string& out);
    void Pass(std::string_view bytes, std::string& out);
    void DecodeUtf16(std::string_view bytes, std::string& out);
    char16_t Unit(char first, char second) const;
    void DecodeUnit(char16_t unit, std::string& out);

    Form form_ = Form::Undecided;
    std::string start_;  // the first bytes, until there are enough to tell the form
    std::optional<char> oddByte_;
    char16_t highSurrogate_ = 0;
};

}  // namespace fw

#pragma once
// An independent check of UTF-8, so the harness does not judge the decoder by itself:
// shortest forms only, no surrogates, nothing beyond U+10FFFF.
#include <string_view>

bool IsStrictUtf8(std::string_view text);

#pragma once
#include <string>
#include <string_view>

// Conversions between the UTF-8 of files and terminals and the UTF-16 the game keeps its texts in.
// Malformed input never fails: each bad sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

#pragma once

#include <string>
#include <string_view>

namespace orvane {

// Text fields are the file's bytes: valid UTF-8 is read as UTF-8, anything else as
// Windows-1252 (files from older installations).
class TextDecoding {
public:
    static bool IsValidUtf8(std::string_view bytes);
    static std::u32string Decode(std::string_view bytes);
    static std::u32string DecodeWindows1252(std::string_view bytes);
    // The text as valid UTF-8: unchanged when it already is, else read as Windows-1252.
    static std::string ToUtf8(std::string_view bytes);
    // One code point (up to U+10FFFF) appended as UTF-8.
    static void AppendUtf8(std::string& out, char32_t code);
};

}  // namespace orvane

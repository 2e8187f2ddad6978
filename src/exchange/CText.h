#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// Byte-wise text rules of delimited files, independent of the process locale so that a
// file reads the same on every machine.
class CText {
public:
    // Space, tab, line feed, vertical tab, form feed, carriage return: the "C" locale's set.
    static bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
    static std::string_view Trim(std::string_view text);
    static void TrimInPlace(std::string& text);
    // ASCII letters lowered; other bytes unchanged.
    static std::string ToLower(std::string_view text);
    // Reads like the C library's atoi: leading white space, an optional sign, digits;
    // anything else ends the number. Saturates at the 32-bit limits instead of overflowing.
    static int32_t Atoi(std::string_view text);
};

}  // namespace orvane

#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace orvane::interop {

// Letter case and white space of the ASCII names and values in vCard and iCalendar text,
// without the locale the C library's functions consult on every call.
class Ascii {
public:
    static char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }
    static char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }
    static bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

    static std::string Lower(std::string_view text)
    {
        std::string out(text);
        std::transform(out.begin(), out.end(), out.begin(), [](char c) { return Lower(c); });
        return out;
    }
    static std::string Upper(std::string_view text)
    {
        std::string out(text);
        std::transform(out.begin(), out.end(), out.begin(), [](char c) { return Upper(c); });
        return out;
    }
    static bool SameLetters(std::string_view a, std::string_view b)
    {
        return a.size() == b.size() &&
               std::equal(a.begin(), a.end(), b.begin(),
                          [](char x, char y) { return Lower(x) == Lower(y); });
    }
    static bool StartsWithLetters(std::string_view text, std::string_view prefix)
    {
        return text.size() >= prefix.size() && SameLetters(text.substr(0, prefix.size()), prefix);
    }
    static std::string_view Trim(std::string_view text)
    {
        while (!text.empty() && IsSpace(text.front())) {
            text.remove_prefix(1);
        }
        while (!text.empty() && IsSpace(text.back())) {
            text.remove_suffix(1);
        }
        return text;
    }
};

}  // namespace orvane::interop

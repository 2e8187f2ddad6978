#pragma once

#include <string>
#include <string_view>

namespace orvane {

// A record's text never holds a zero byte: the file, the importers and the editors hand
// their text over as an 8-bit C string would, up to its first zero byte. The file could
// not hold the byte anyway, since reading a database file stops at the first one.
class RecordText {
public:
    static std::string_view UpToZero(std::string_view text)
    {
        return text.substr(0, text.find('\0'));
    }
    static void CutAtZero(std::string& text)
    {
        const size_t zero = text.find('\0');
        if (zero != std::string::npos) {
            text.resize(zero);
        }
    }
};

}  // namespace orvane

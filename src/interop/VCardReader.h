#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "interop/VCard.h"

namespace orvane::interop {

// Reads the cards of a vCard file (versions 2.1, 3.0 and 4.0) one at a time: unfolds content
// lines (CR LF or LF followed by a space or tab), splits group, name and parameters (with
// and without TYPE=, quoted, lists), decodes quoted-printable with its soft line breaks and
// converts CHARSET= values to UTF-8. Base64 and data: values are stepped over, not decoded.
//
// Memory stays bounded on hostile input: the reader holds one card at a time, a value
// longer than kMaxValueBytes is left out, and so is every property after kMaxProperties or
// after kMaxCardBytes of values in one card (all counted in VCard::dropped).
class VCardReader {
public:
    static constexpr size_t kMaxValueBytes = 1 << 20;
    static constexpr size_t kMaxHeaderBytes = 64 << 10;  // group, name and parameters
    static constexpr size_t kMaxProperties = 5000;
    static constexpr size_t kMaxCardBytes = 16 << 20;

    explicit VCardReader(std::string_view text);

    // The next card; false when the text holds no more.
    bool Next(VCard& card);
    // How far the reader has come, in bytes of the text.
    size_t Offset() const { return m_pos; }

    // The first content line of the text (after a byte order mark and blank lines) is
    // BEGIN:VCARD.
    static bool LooksLikeVCard(std::string_view text);

private:
    // One logical line: false at the end of the text.
    bool ReadLine(VCardProperty& line, bool& usable);
    std::string_view PhysicalLine(size_t from, size_t& next) const;
    void TakeBinaryContinuation();
    bool ParseHeader(std::string_view header, VCardProperty& line) const;

    std::string_view m_text;
    size_t m_pos = 0;
    std::string m_buffer;
};

}  // namespace orvane::interop

#include "exchange/Utf16Decoder.h"

namespace orvane {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool IsHigh(uint16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLow(uint16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

void Utf16Decoder::Append(std::string_view bytes, std::string& out)
{
    out.reserve(out.size() + bytes.size() * 3 / 2);
    for (const char c : bytes) {
        const int byte = static_cast<unsigned char>(c);
        if (m_pendingByte < 0) {
            m_pendingByte = byte;
            continue;
        }
        const int first = m_pendingByte;
        m_pendingByte = -1;
        TakeUnit(static_cast<uint16_t>(m_order == ByteOrder::LittleEndian ? first | byte << 8
                                                                          : first << 8 | byte),
                 out);
    }
}

void Utf16Decoder::TakeUnit(uint16_t unit, std::string& out)
{
    if (m_highSurrogate != 0) {
        const uint16_t high = m_highSurrogate;
        m_highSurrogate = 0;
        if (IsLow(unit)) {
            AppendUtf8(out, 0x10000 + ((char32_t{high} - 0xD800) << 10) + (unit - 0xDC00u));
            return;
        }
        AppendUtf8(out, kReplacement);
    }
    if (IsHigh(unit)) {
        m_highSurrogate = unit;
    } else {
        AppendUtf8(out, IsLow(unit) ? kReplacement : char32_t{unit});
    }
}

void Utf16Decoder::Finish(std::string& out)
{
    if (m_highSurrogate != 0) {
        AppendUtf8(out, kReplacement);
    }
    if (m_pendingByte >= 0) {
        AppendUtf8(out, kReplacement);
    }
    m_highSurrogate = 0;
    m_pendingByte = -1;
}

}  // namespace orvane

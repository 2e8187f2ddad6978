#include "exchange/Utf16Decoder.h"
#include "platform/TextDecoding.h"

namespace orvane {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

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
            TextDecoding::AppendUtf8(
                out, 0x10000 + ((char32_t{high} - 0xD800) << 10) + (unit - 0xDC00u));
            return;
        }
        TextDecoding::AppendUtf8(out, kReplacement);
    }
    if (IsHigh(unit)) {
        m_highSurrogate = unit;
    } else {
        TextDecoding::AppendUtf8(out, IsLow(unit) ? kReplacement : char32_t{unit});
    }
}

void Utf16Decoder::Finish(std::string& out)
{
    if (m_highSurrogate != 0) {
        TextDecoding::AppendUtf8(out, kReplacement);
    }
    if (m_pendingByte >= 0) {
        TextDecoding::AppendUtf8(out, kReplacement);
    }
    m_highSurrogate = 0;
    m_pendingByte = -1;
}

}  // namespace orvane

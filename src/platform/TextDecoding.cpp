#include "platform/TextDecoding.h"

#include <array>

namespace orvane {

namespace {

// Windows-1252 0x80-0x9F; the five unassigned bytes map to themselves as C1 controls.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Length of the sequence a lead byte starts, 0 when it cannot start one.
int SequenceLength(unsigned char lead)
{
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

// Decodes one sequence at i; -1 when it is not valid UTF-8 (overlong, surrogate, too big).
long DecodeAt(std::string_view s, size_t& i)
{
    const auto lead = static_cast<unsigned char>(s[i]);
    const int length = SequenceLength(lead);
    if (length == 0 || i + static_cast<size_t>(length) > s.size()) {
        return -1;
    }
    if (length == 1) {
        ++i;
        return lead;
    }
    long value = lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
        if ((next & 0xC0) != 0x80) {
            return -1;
        }
        value = (value << 6) | (next & 0x3F);
    }
    static constexpr long kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return -1;
    }
    i += static_cast<size_t>(length);
    return value;
}

}  // namespace

std::string TextDecoding::ToUtf8(std::string_view bytes)
{
    if (IsValidUtf8(bytes)) {
        return std::string(bytes);
    }
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char32_t code : DecodeWindows1252(bytes)) {
        TextDecoding::AppendUtf8(out, code);  // Windows-1252 never goes beyond the basic plane
    }
    return out;
}

bool TextDecoding::IsValidUtf8(std::string_view bytes)
{
    size_t i = 0;
    while (i < bytes.size()) {
        if (DecodeAt(bytes, i) < 0) {
            return false;
        }
    }
    return true;
}

std::u32string TextDecoding::DecodeWindows1252(std::string_view bytes)
{
    std::u32string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += (b >= 0x80 && b <= 0x9F) ? kHighControls[b - 0x80] : static_cast<char32_t>(b);
    }
    return out;
}

std::u32string TextDecoding::Decode(std::string_view bytes)
{
    std::u32string out;
    out.reserve(bytes.size());
    size_t i = 0;
    while (i < bytes.size()) {
        const long value = DecodeAt(bytes, i);
        if (value < 0) {
            return DecodeWindows1252(bytes);
        }
        out += static_cast<char32_t>(value);
    }
    return out;
}

void TextDecoding::AppendUtf8(std::string& out, char32_t code)
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

}  // namespace orvane

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// Turns UTF-16 text into UTF-8, in pieces of any length: a unit or a surrogate pair cut by
// the end of a piece is finished by the next one. A surrogate without its partner becomes
// U+FFFD, as does an odd byte at the very end.
class Utf16Decoder {
public:
    enum class ByteOrder { LittleEndian, BigEndian };

    explicit Utf16Decoder(ByteOrder order) : m_order(order) {}

    void Append(std::string_view bytes, std::string& out);
    // The end of the text: whatever still waits for its rest is given as U+FFFD.
    void Finish(std::string& out);

private:
    void TakeUnit(uint16_t unit, std::string& out);

    ByteOrder m_order;
    int m_pendingByte = -1;        // the first byte of a unit cut in two
    uint16_t m_highSurrogate = 0;  // waiting for the low one
};

}  // namespace orvane

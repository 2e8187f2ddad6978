#include "reports/ReportFontRule.h"

#include <cmath>

namespace orvane {

int ReportFontRule::DialogHeight(int screenDpiY, int points)
{
    return -static_cast<int>(std::lround(screenDpiY * static_cast<double>(points) / 72.0));
}

std::string ReportFontRule::DialogFace(std::string_view face)
{
    if (face.size() <= kMaxFaceLength) {
        return std::string(face);
    }
    size_t length = kMaxFaceLength;
    // Step back over UTF-8 continuation bytes to the start of the cut character.
    while (length > 0 && (static_cast<unsigned char>(face[length]) & 0xC0) == 0x80) {
        --length;
    }
    return std::string(face.substr(0, length));
}

}  // namespace orvane

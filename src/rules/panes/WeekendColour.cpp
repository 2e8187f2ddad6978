#include "rules/panes/WeekendColour.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

constexpr uint32_t kDarkRed = 0xB00000;   // on light faces
constexpr uint32_t kLightRed = 0xFF8080;  // on dark faces

double Channel(uint32_t colour, int shift)
{
    const double value = static_cast<double>((colour >> shift) & 0xFF) / 255.0;
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

// Relative luminance as the web's accessibility guidelines define it.
double Luminance(uint32_t colour)
{
    return 0.2126 * Channel(colour, 16) + 0.7152 * Channel(colour, 8) + 0.0722 * Channel(colour, 0);
}

}  // namespace

double WeekendColour::Contrast(uint32_t first, uint32_t second)
{
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

uint32_t WeekendColour::On(uint32_t face)
{
    return Contrast(kDarkRed, face) >= Contrast(kLightRed, face) ? kDarkRed : kLightRed;
}

}  // namespace orvane

#pragma once

#include <cstdint>

namespace orvane {

// The red of Saturdays and Sundays on the calendar. The calendar takes the desktop's
// button face, light or dark, so the red is picked to stand out on that face. Colours are
// 0xRRGGBB.
class WeekendColour {
public:
    static uint32_t On(uint32_t face);
    // How far apart two colours are for the eye, from 1 (same) to 21 (black and white).
    static double Contrast(uint32_t first, uint32_t second);
};

}  // namespace orvane

#include "rules/panes/WeekendColour.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(WeekendColour, RedReadableOnLightAndDarkButtonFaces)
{
    EXPECT_DOUBLE_EQ(WeekendColour::Contrast(0x000000, 0xFFFFFF), 21.0);
    EXPECT_DOUBLE_EQ(WeekendColour::Contrast(0x808080, 0x808080), 1.0);
    // Faces of common light and dark themes, and the extremes.
    for (const uint32_t face :
         {0xFFFFFFu, 0xEFEFEFu, 0xEFF0F1u, 0xD4D0C8u, 0x353535u, 0x31363Bu, 0x2D2D2Du, 0x000000u}) {
        const uint32_t red = WeekendColour::On(face);
        EXPECT_GE(WeekendColour::Contrast(red, face), 4.5) << std::hex << face;
        EXPECT_GT(red >> 16, (red >> 8) & 0xFF) << std::hex << face;  // still red
    }
}

}  // namespace
}  // namespace orvane

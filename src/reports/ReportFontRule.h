#pragma once

#include <string>
#include <string_view>

namespace orvane {

// How the report-font dialog's choice becomes the report's face and size. Only face and
// size are kept; style, weight and effects are not.
class ReportFontRule {
public:
    static constexpr size_t kMaxFaceLength = 31;

    // The dialog's size in tenths of a point as whole points, truncated (115 → 11).
    static int PointsFromTenths(int tenths) { return tenths / 10; }
    // The height the dialog opens with for the current size on the screen: negative,
    // rounded to the nearest device unit.
    static int DialogHeight(int screenDpiY, int points);
    // The current face as the dialog takes it: at most 31 bytes, not cutting a character.
    static std::string DialogFace(std::string_view face);
};

}  // namespace orvane

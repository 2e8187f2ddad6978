#pragma once

#include <string>
#include <string_view>

namespace orvane {

// Device measurements a report lays its page out from, in device units (dots).
enum class DeviceCap {
    LogPixelsX,     // dots per inch across
    LogPixelsY,     // dots per inch down
    PhysicalWidth,  // whole sheet, including the margins the device cannot print on
    PhysicalHeight,
    PhysicalOffsetX,  // from the sheet's edge to the first printable dot
    PhysicalOffsetY,
    HorzRes,  // printable area
    VertRes,
};

// A font as the reports ask for it. A negative height is the character height in device
// units (without internal leading); a positive one is the cell height.
struct Font {
    std::string face;
    int height = 0;
    int weight = 400;  // 400 normal, 700 bold

    bool operator==(const Font&) const = default;
};

// What a device says about the font selected into it.
struct TextMetrics {
    int height = 0;           // cell height: ascent + descent
    int externalLeading = 0;  // space the font designer suggests between lines
    int aveCharWidth = 0;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const Rect&) const = default;
};

struct Size {
    int cx = 0;
    int cy = 0;

    bool operator==(const Size&) const = default;
};

// A surface the reports draw on: the printer, a preview picture, or a recording for checks.
// Coordinates are device units with y growing downwards; a text's point is its top left.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual int GetDeviceCaps(DeviceCap cap) const = 0;

    // Fonts are values and belong to no canvas: one made on an information canvas may be
    // selected into the page canvas later.
    virtual Font CreateFont(std::string_view face, int height, int weight) const = 0;
    // Selects a font for the following text and returns the one it replaces.
    virtual Font SelectFont(const Font& font) = 0;
    virtual TextMetrics GetTextMetrics() const = 0;
    // Width and height of a one-line text in the selected font.
    virtual Size GetTextExtent(std::string_view text) const = 0;

    virtual void TextOut(int x, int y, std::string_view text) = 0;
    // One line of text at (x, y), cut off at the edges of clip; nothing wraps.
    virtual void ClippedTextOut(int x, int y, const Rect& clip, std::string_view text) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // A line from the current position to (x, y), which becomes the current position.
    virtual void LineTo(int x, int y) = 0;

    // Saves the selected font and the current position; RestoreState brings back the last
    // saved one.
    virtual void SaveState() = 0;
    virtual void RestoreState() = 0;
};

}  // namespace orvane

#pragma once

#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace orvane {

// The measurements of a pretend device.
struct DeviceMetrics {
    int dpiX = 600;
    int dpiY = 600;
    int physicalWidth = 5100;   // 8.5 inches
    int physicalHeight = 6600;  // 11 inches
    int offsetX = 0;
    int offsetY = 0;
    int horzRes = 5100;
    int vertRes = 6600;

    // US Letter at 600 dots per inch, printable to the edges.
    static DeviceMetrics Letter600() { return {}; }
    // A sheet of the given size in inches at the given resolution, no physical offset.
    static DeviceMetrics Sheet(double widthInches, double heightInches, int dpi);
    // The measurement a canvas reports for the capability.
    int Cap(DeviceCap cap) const;
};

// A canvas that draws nothing and remembers every text and line with the font in use, so
// tests and self-checks can compare a layout with the positions they expect.
//
// Font metrics follow from the font's height alone (c = character height, |height| for
// a negative height, 4/5 of it for a positive one; a height of 0 is the stock font of
// dpiY / 6): cell height c + c / 4, external leading c / 8, average character width c / 2
// (c * 11 / 20 for weights of 600 and above). A text is as wide as its characters times
// the average width, and as high as the cell.
class RecordingCanvas : public Canvas {
public:
    enum class Kind { Text, ClippedText, Line };

    struct Item {
        Kind kind = Kind::Text;
        int x = 0;  // text position, or where a line starts
        int y = 0;
        int x2 = 0;  // where a line ends
        int y2 = 0;
        Rect clip;  // clipped text only
        std::string text;
        Font font;  // selected when the item was drawn
    };

    explicit RecordingCanvas(DeviceMetrics metrics = DeviceMetrics::Letter600());

    int GetDeviceCaps(DeviceCap cap) const override;
    Font CreateFont(std::string_view face, int height, int weight) const override;
    Font SelectFont(const Font& font) override;
    TextMetrics GetTextMetrics() const override;
    Size GetTextExtent(std::string_view text) const override;
    void TextOut(int x, int y, std::string_view text) override;
    void ClippedTextOut(int x, int y, const Rect& clip, std::string_view text) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void SaveState() override;
    void RestoreState() override;

    const std::vector<Item>& Items() const { return m_items; }
    // Texts and clipped texts, in drawing order.
    std::vector<Item> Texts() const;
    std::vector<Item> Lines() const;
    void ClearItems() { m_items.clear(); }

    const Font& SelectedFont() const { return m_state.font; }
    int SavedStates() const { return static_cast<int>(m_saved.size()); }
    // Number of RestoreState calls that found nothing saved.
    int UnbalancedRestores() const { return m_unbalancedRestores; }

    // The metrics a font has on this device.
    TextMetrics MetricsOf(const Font& font) const;

private:
    struct State {
        Font font;
        int x = 0;
        int y = 0;
    };

    int CharacterHeight(const Font& font) const;

    DeviceMetrics m_metrics;
    State m_state;
    std::vector<State> m_saved;
    std::vector<Item> m_items;
    int m_unbalancedRestores = 0;
};

}  // namespace orvane

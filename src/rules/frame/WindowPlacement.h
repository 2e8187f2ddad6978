#pragma once

#include <optional>
#include <vector>

namespace orvane {

class SettingsStore;

// Where the main window was when it last closed: its normal (not maximised) rectangle and
// whether it was maximised, kept in the settings group "Window".
class WindowPlacement {
public:
    struct Rect {
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
        bool operator==(const Rect&) const = default;
    };

    static constexpr const char* kGroup = "Window";

    Rect normal;
    bool maximised = false;

    // Nothing when no usable placement is stored.
    static std::optional<WindowPlacement> Read(const SettingsStore& store);
    // True when every value was stored.
    bool Write(SettingsStore& store) const;

    // The rectangle to open at: never below the minimum size, as large as the screen at
    // most, and moved onto the screen that holds most of it (the first screen when none
    // holds any; the screens as their free areas, the primary one first).
    static Rect Fit(const Rect& saved, const std::vector<Rect>& screens, int minimumWidth,
                    int minimumHeight);
};

}  // namespace orvane

#include "rules/frame/WindowPlacement.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "platform/SettingsStore.h"

namespace orvane {

namespace {

// Positions are kept as text: on a screen left of or above the primary one they are
// negative, which the store's numbers cannot hold.
std::optional<int> ReadPosition(const SettingsStore& store, const char* name)
{
    const std::optional<std::string> text = store.ReadString(WindowPlacement::kGroup, name);
    int value = 0;
    if (!text || text->empty()) {
        return std::nullopt;
    }
    const char* end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, value);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> ReadSize(const SettingsStore& store, const char* name)
{
    const std::optional<uint32_t> value = store.ReadNumber(WindowPlacement::kGroup, name);
    // A size beyond any screen is as unusable as none.
    if (!value || *value == 0 || *value > 100000) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

long long Overlap(const WindowPlacement::Rect& a, const WindowPlacement::Rect& b)
{
    const long long width = std::min<long long>(a.x + a.width, b.x + b.width) - std::max(a.x, b.x);
    const long long height =
        std::min<long long>(a.y + a.height, b.y + b.height) - std::max(a.y, b.y);
    return width > 0 && height > 0 ? width * height : 0;
}

// One side: the length between the minimum and the screen's, the start moved in so that
// the whole length is on the screen (the screen's start when it does not fit).
void FitSide(int& start, int& length, int screenStart, int screenLength, int minimum)
{
    length = std::max(std::min(length, screenLength), minimum);
    const int last = screenStart + std::max(screenLength - length, 0);
    start = std::clamp(start, screenStart, last);
}

}  // namespace

std::optional<WindowPlacement> WindowPlacement::Read(const SettingsStore& store)
{
    const std::optional<int> x = ReadPosition(store, "Left");
    const std::optional<int> y = ReadPosition(store, "Top");
    const std::optional<int> width = ReadSize(store, "Width");
    const std::optional<int> height = ReadSize(store, "Height");
    if (!x || !y || !width || !height) {
        return std::nullopt;
    }
    WindowPlacement placement;
    placement.normal = {*x, *y, *width, *height};
    placement.maximised = store.ReadNumber(kGroup, "Maximized").value_or(0) != 0;
    return placement;
}

bool WindowPlacement::Write(SettingsStore& store) const
{
    bool stored = store.WriteString(kGroup, "Left", std::to_string(normal.x));
    stored = store.WriteString(kGroup, "Top", std::to_string(normal.y)) && stored;
    stored = store.WriteNumber(kGroup, "Width", static_cast<uint32_t>(normal.width)) && stored;
    stored = store.WriteNumber(kGroup, "Height", static_cast<uint32_t>(normal.height)) && stored;
    return store.WriteNumber(kGroup, "Maximized", maximised ? 1 : 0) && stored;
}

WindowPlacement::Rect WindowPlacement::Fit(const Rect& saved, const std::vector<Rect>& screens,
                                           int minimumWidth, int minimumHeight)
{
    Rect fitted = saved;
    if (screens.empty()) {
        fitted.width = std::max(fitted.width, minimumWidth);
        fitted.height = std::max(fitted.height, minimumHeight);
        return fitted;
    }
    const Rect* screen = &screens.front();
    long long best = 0;
    for (const Rect& candidate : screens) {
        const long long overlap = Overlap(saved, candidate);
        if (overlap > best) {
            best = overlap;
            screen = &candidate;
        }
    }
    FitSide(fitted.x, fitted.width, screen->x, screen->width, minimumWidth);
    FitSide(fitted.y, fitted.height, screen->y, screen->height, minimumHeight);
    return fitted;
}

}  // namespace orvane

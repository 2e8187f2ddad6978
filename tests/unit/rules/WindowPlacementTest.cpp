#include "rules/frame/WindowPlacement.h"

#include <gtest/gtest.h>

#include "support/MemorySettingsStore.h"

namespace orvane {
namespace {

using Rect = WindowPlacement::Rect;

TEST(WindowPlacement, FitsTheWindowOntoTheScreenThatHoldsMostOfIt)
{
    // A primary screen and a second one to its left; the window's smallest size 600 × 400.
    const std::vector<Rect> screens = {{0, 0, 1920, 1050}, {-1280, 0, 1280, 1024}};
    const struct {
        Rect saved;
        Rect fitted;
    } cases[] = {
        {{100, 80, 900, 600}, {100, 80, 900, 600}},        // fits: unchanged
        {{-1200, 50, 800, 500}, {-1200, 50, 800, 500}},    // on the left screen
        {{1500, 900, 900, 600}, {1020, 450, 900, 600}},    // over the edges: moved in
        {{-1100, 10, 1500, 700}, {-1280, 10, 1280, 700}},  // wider than its screen
        {{50, 40, 300, 200}, {50, 40, 600, 400}},          // below the smallest size
        {{5000, 4000, 900, 600}, {1020, 450, 900, 600}},   // off every screen: primary
        {{-100, -50, 3000, 2000}, {0, 0, 1920, 1050}},     // larger than any screen
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WindowPlacement::Fit(c.saved, screens, 600, 400), c.fitted)
            << c.saved.x << "," << c.saved.y << " " << c.saved.width << "x" << c.saved.height;
    }
    // A screen smaller than the smallest size: the smallest size, at the screen's corner.
    EXPECT_EQ(WindowPlacement::Fit({300, 300, 700, 500}, {{0, 0, 640, 480}}, 700, 500),
              (Rect{0, 0, 700, 500}));
}

TEST(WindowPlacement, ReadsBackWhatWasWrittenAndNothingUnusable)
{
    MemorySettingsStore store;
    EXPECT_FALSE(WindowPlacement::Read(store));
    WindowPlacement placement;
    placement.normal = {-1270, -20, 800, 500};
    placement.maximised = true;
    ASSERT_TRUE(placement.Write(store));
    const std::optional<WindowPlacement> read = WindowPlacement::Read(store);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->normal, placement.normal);
    EXPECT_TRUE(read->maximised);

    for (const char* left : {"", "12px", "x"}) {
        store.WriteString(WindowPlacement::kGroup, "Left", left);
        EXPECT_FALSE(WindowPlacement::Read(store)) << left;
    }
    store.WriteString(WindowPlacement::kGroup, "Left", "3");
    store.WriteNumber(WindowPlacement::kGroup, "Width", 0);
    EXPECT_FALSE(WindowPlacement::Read(store));
}

}  // namespace
}  // namespace orvane

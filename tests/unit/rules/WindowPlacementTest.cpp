#include "rules/frame/WindowPlacement.h"

#include <gtest/gtest.h>

#include "support/Golden.h"
#include "support/MemorySettingsStore.h"

namespace orvane {
namespace {

using Rect = WindowPlacement::Rect;

TEST(WindowPlacement, FitsTheWindowOntoTheScreenThatHoldsMostOfIt)
{
    const std::vector<Rect> screens = {{0, 0, 1920, 1050}, {-1280, 0, 1280, 1024}};
    for (const auto& row : test::RowsOf("rules/window-placement.txt")) {
        std::vector<int> n;
        for (const std::string& cell : row) {
            n.push_back(std::stoi(cell));
        }
        EXPECT_EQ(WindowPlacement::Fit({n[0], n[1], n[2], n[3]}, screens, 600, 400),
                  (Rect{n[4], n[5], n[6], n[7]}))
            << n[0] << "," << n[1] << " " << n[2] << "x" << n[3];
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

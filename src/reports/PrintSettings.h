#pragma once

#include <string>

#include "platform/Canvas.h"

namespace orvane {

// What the user chose for printing, kept for the life of the process only.
struct PrintSettings {
    // Left, top, right, bottom in thousandths of an inch.
    Rect margins{1000, 1000, 1000, 1000};
    std::string face = "Times New Roman";
    int pointSize = 10;
};

}  // namespace orvane

#pragma once

namespace orvane {

// What the splash window and the about box say about the program.
struct ProgramInfo {
    static constexpr const char* kName = "Orvane!";
    static constexpr const char* kVersion = "Version 1.4";
    static constexpr const char* kVersionCaps = "VERSION 1.4";
    static constexpr const char* kSlogan = "Your days, your tasks, your people - in one place.";
    static constexpr const char* kAboutTitle = "About Orvane!";
};

}  // namespace orvane

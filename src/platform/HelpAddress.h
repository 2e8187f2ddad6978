#pragma once

#include <string>
#include <string_view>

namespace orvane {

// Help addresses in the help file's notation: "<dir>\Orvane.chm::/html/<page>>topic".
// The folder is the program's own, without a trailing separator.
class HelpAddress {
public:
    static constexpr const char* kHelpFile = "Orvane.chm";

    // A page shown in the "topic" window, e.g. Topic(dir, "calendar.htm").
    static std::string Topic(std::string_view programDir, std::string_view page);
    // The contents: Introduction.htm in the "mainwin" window.
    static std::string Contents(std::string_view programDir);
    // The help file alone, for context popups.
    static std::string File(std::string_view programDir);
};

}  // namespace orvane

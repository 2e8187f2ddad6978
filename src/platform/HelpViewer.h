#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// What a help request asks the viewer to do.
enum class HelpCommand : uint32_t {
    DisplayTopic = 0,     // address names a page
    TableOfContents = 1,  // address names the contents page
    ContextPopup = 17,    // address names the help file; data is the popup's topic number
};

// Shows help pages and context popups. The program's viewer resolves the addresses to the
// help pages shipped beside it; every failure is silent.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // False when nothing could be shown (no viewer, no page, no popup text).
    virtual bool ShowHelp(const std::string& address, HelpCommand command, uint32_t data) = 0;
};

}  // namespace orvane

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Finds the help pages for help addresses. The pages are looked for beside the program
// (the folder the address names) and then in the installed data folders. When the first
// request finds no help at all, that failure is kept: later requests fail at once, without
// looking again.
class HelpPages {
public:
    static constexpr std::string_view kContentsPage = "html/Introduction.htm";

    explicit HelpPages(std::vector<std::string> installedRoots);

    // The file to show for the address; nothing when there is none.
    std::optional<std::string> Resolve(std::string_view address);
    bool LoadFailed() const { return m_state == State::Failed; }

private:
    enum class State { NotLoaded, Loaded, Failed };
    bool Load(const std::string& programDirectory);

    std::vector<std::string> m_roots;
    State m_state = State::NotLoaded;
};

}  // namespace orvane

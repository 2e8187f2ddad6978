#include "platform/HelpPages.h"

#include <filesystem>
#include <system_error>

#include "platform/HelpLocation.h"

namespace orvane {

HelpPages::HelpPages(std::vector<std::string> installedRoots) : m_roots(std::move(installedRoots))
{}

bool HelpPages::Load(const std::string& programDirectory)
{
    m_roots.insert(m_roots.begin(), programDirectory);
    for (const std::string& root : m_roots) {
        std::error_code error;
        if (!root.empty() &&
            std::filesystem::is_regular_file(std::filesystem::path(root) / kContentsPage, error)) {
            m_state = State::Loaded;
            return true;
        }
    }
    m_state = State::Failed;
    return false;
}

std::optional<std::string> HelpPages::Resolve(std::string_view address)
{
    if (m_state == State::Failed) {
        return std::nullopt;
    }
    const std::optional<HelpLocation::Parts> parts = HelpLocation::Parse(address);
    if (!parts) {
        return std::nullopt;
    }
    if (m_state == State::NotLoaded && !Load(parts->directory)) {
        return std::nullopt;
    }
    return HelpLocation::FindPage(*parts, m_roots);
}

}  // namespace orvane

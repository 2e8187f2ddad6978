#include "platform/HelpLocation.h"

#include <filesystem>
#include <system_error>

namespace orvane {

namespace {

constexpr std::string_view kPageMark = "::/";

// Only plain page names under the help folder: nothing may climb out of it.
bool IsSafePage(std::string_view page)
{
    return !page.empty() && page.find("..") == std::string_view::npos && page.front() != '/';
}

}  // namespace

std::optional<HelpLocation::Parts> HelpLocation::Parse(std::string_view address)
{
    Parts parts;
    std::string_view filePart = address;
    const size_t mark = address.find(kPageMark);
    if (mark != std::string_view::npos) {
        filePart = address.substr(0, mark);
        std::string_view rest = address.substr(mark + kPageMark.size());
        const size_t window = rest.rfind('>');
        if (window != std::string_view::npos) {
            parts.window = std::string(rest.substr(window + 1));
            rest = rest.substr(0, window);
        }
        if (!IsSafePage(rest)) {
            return std::nullopt;
        }
        parts.page = std::string(rest);
    }
    // The directory ends at the last backslash: the one placed before the file name.
    const size_t separator = filePart.rfind('\\');
    if (separator == std::string_view::npos || separator + 1 == filePart.size()) {
        return std::nullopt;
    }
    parts.directory = std::string(filePart.substr(0, separator));
    parts.file = std::string(filePart.substr(separator + 1));
    return parts;
}

std::optional<std::string> HelpLocation::FindPage(const Parts& parts,
                                                  const std::vector<std::string>& roots)
{
    if (parts.page.empty()) {
        return std::nullopt;
    }
    for (const std::string& root : roots) {
        if (root.empty()) {
            continue;
        }
        const std::filesystem::path candidate = std::filesystem::path(root) / parts.page;
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) {
            return candidate.string();
        }
    }
    return std::nullopt;
}

}  // namespace orvane

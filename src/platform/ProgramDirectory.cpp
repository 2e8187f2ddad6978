#include "platform/ProgramDirectory.h"

#include <filesystem>
#include <system_error>

namespace orvane {

std::string ProgramDirectory::Current()
{
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return {};
    }
    return FromExecutable(executable.string());
}

std::string ProgramDirectory::FromExecutable(std::string_view executablePath)
{
    const size_t slash = executablePath.rfind('/');
    if (slash == std::string_view::npos) {
        return {};
    }
    if (slash == 0) {
        return "/";  // the root keeps its one separator
    }
    return std::string(executablePath.substr(0, slash));
}

std::string ProgramDirectory::Beside(std::string_view directory, std::string_view path)
{
    if (path.empty() || path.front() == '/' || directory.empty()) {
        return std::string(path);
    }
    std::string full(directory);
    if (full.back() != '/') {
        full += '/';
    }
    full += path;
    return full;
}

}  // namespace orvane

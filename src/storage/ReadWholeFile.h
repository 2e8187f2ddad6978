#pragma once

#include <optional>
#include <string>

namespace orvane {

// The whole content of a file (std::string keeps a zero byte after it), or nothing when the
// file cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

}  // namespace orvane

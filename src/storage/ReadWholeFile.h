#pragma once

#include <optional>
#include <string>

#include "platform/FileIdentity.h"

namespace orvane {

// The whole content of a regular file (std::string keeps a zero byte after it), or nothing
// when the file cannot be opened or read or is no regular file (a FIFO, a device or a
// folder is refused at once instead of waiting on it). With identity, also the identity of
// the file that was read.
std::optional<std::string> ReadWholeFile(const std::string& path, FileIdentity* identity = nullptr);

}  // namespace orvane

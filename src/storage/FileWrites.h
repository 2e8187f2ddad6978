#pragma once

#include <string_view>

namespace orvane {

// Writes all of the text at the descriptor's position, retrying short and interrupted
// writes; false on the first error.
bool WriteAll(int fd, std::string_view text);
// Copies the rest of one descriptor into another; false on an error of either.
bool CopyAll(int from, int to);

}  // namespace orvane

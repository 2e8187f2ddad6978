#pragma once

#include <string>
#include <string_view>

namespace orvane {

// Writes all of the text at the descriptor's position, retrying short and interrupted
// writes; false on the first error.
bool WriteAll(int fd, std::string_view text);
// Copies the rest of one descriptor into another; false on an error of either.
bool CopyAll(int from, int to);

// The files a write in progress creates before it gives them their name:
// "<folder>/.orvane-<pid>-XXXXXX" (the X's for mkostemp), owner-only.
constexpr std::string_view kPartialPrefix = ".orvane-";
std::string PartialFileTemplate(const std::string& folder);
// Removes the partial files of writers that were killed: their process is gone.
void RemoveDeadPartials(const std::string& folder);

}  // namespace orvane

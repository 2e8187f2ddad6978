#pragma once

#include <cstddef>
#include <functional>

namespace orvane::interop {

// Told how far a long import or export has come (done of total, in the unit the caller
// names); returning false stops it, keeping what was done so far.
using Progress = std::function<bool(size_t done, size_t total)>;

}  // namespace orvane::interop

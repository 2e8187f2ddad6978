#pragma once

#include <cstdint>
#include <string_view>

namespace orvane {

// Numbers in the database file, read the way the C library's atol() reads them: leading
// white space, an optional sign, decimal digits up to the first other character; no digits
// give 0, and the value wraps around on 32-bit overflow.
int32_t ParseFileNumber(std::string_view text);

}  // namespace orvane

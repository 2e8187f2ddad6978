#pragma once

#include <string>
#include <string_view>

namespace orvane::cli {

// A text field for display: valid UTF-8 stays as it is; anything else came from an older
// Windows installation and is read as Windows-1252. The result is always valid UTF-8.
std::string DecodeFieldText(std::string_view bytes);
bool IsValidUtf8(std::string_view bytes);

}  // namespace orvane::cli

#pragma once

#include <string>
#include <string_view>

namespace orvane {

// A case-insensitive order that follows the user's locale (LC_COLLATE): names are
// compared through keys made once per name, so sorting many names stays cheap.
class NameCollation {
public:
    static std::wstring Key(std::string_view name);
};

}  // namespace orvane

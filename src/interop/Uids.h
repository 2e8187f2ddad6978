#pragma once

#include <string>
#include <string_view>

namespace orvane::interop {

// Unique identifiers for exported records and for items that came without one.
class Uids {
public:
    // A random version 4 UUID, lower case.
    static std::string Make();
    // The same text always gives the same identifier, so that a file whose items carry no
    // UID can be imported twice without doubling them.
    static std::string FromContent(std::string_view text);
};

}  // namespace orvane::interop

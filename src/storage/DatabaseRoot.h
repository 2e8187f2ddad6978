#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// What the root element of a file's text says: whether the loader reads the file as a
// database or gives an empty one (another root, another version). Only the text up to the
// root's start tag is read.
class DatabaseRoot {
public:
    static DatabaseRoot Of(std::string_view text);

    bool IsDatabase() const;
    // Why the file is no database, for a message: "root element "config"",
    // "root element "Pim" with version 7; versions 1 and 13 are read", "no root element".
    std::string Problem() const;

private:
    bool m_found = false;
    std::string m_name;
    int32_t m_version = 0;
};

}  // namespace orvane

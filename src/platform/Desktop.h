#pragma once

#include <string>

namespace orvane {

// Hands an address ("mailto:...", "http://...") to the program the desktop associates
// with it.
class Desktop {
public:
    virtual ~Desktop() = default;
    // False when nothing could be opened.
    virtual bool OpenAddress(const std::string& address) = 0;
};

}  // namespace orvane

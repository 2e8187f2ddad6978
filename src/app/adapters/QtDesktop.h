#pragma once

#include "platform/Desktop.h"

namespace orvane {

// Opens addresses with the program the desktop associates with their scheme (XdgOpener).
class QtDesktop : public Desktop {
public:
    bool OpenAddress(const std::string& address) override;
};

}  // namespace orvane

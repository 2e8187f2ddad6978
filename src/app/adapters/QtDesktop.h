#pragma once

#include "platform/Desktop.h"

namespace orvane {

// Opens addresses with the desktop's associated program (QDesktopServices).
class QtDesktop : public Desktop {
public:
    bool OpenAddress(const std::string& address) override;
};

}  // namespace orvane

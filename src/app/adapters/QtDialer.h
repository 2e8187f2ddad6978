#pragma once

#include "platform/Dialer.h"

namespace orvane {

// Dials through the desktop: the number goes unchanged into a "tel:" address opened by
// whatever program handles tel: links (XdgOpener). No xdg-mime counts as no telephony
// service, no handler as no dialer (-2), a failed launch as -1.
class QtDialer : public Dialer {
public:
    bool Bind() override;
    int32_t RequestMakeCall(const std::string& number) override;
};

}  // namespace orvane

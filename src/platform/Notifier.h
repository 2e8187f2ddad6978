#pragma once

#include <functional>
#include <string>

namespace orvane {

// The desktop's notifications: a short notice outside the program's windows. A desktop
// without a notification service shows nothing, and nothing fails.
class Notifier {
public:
    struct Notice {
        std::string summary;
        std::string body;
    };

    virtual ~Notifier() = default;
    // Shows the notice; `clicked` runs when the user clicks it, until it is withdrawn.
    virtual void Show(const Notice& notice, std::function<void()> clicked) = 0;
    // Takes the notice shown last away.
    virtual void Withdraw() = 0;
};

}  // namespace orvane

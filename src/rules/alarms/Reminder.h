#pragma once

#include <string>

namespace orvane {

// Shows one appointment reminder and waits until the user has answered it.
class Reminder {
public:
    struct Request {
        std::string message;
        std::string soundPath;
        bool turnOff = false;  // the "&Turn off alarm" box, read back after OK
    };

    virtual ~Reminder() = default;
    // Returns 1 after OK, 0 when the reminder could not be shown.
    virtual int Show(Request& request) = 0;
    // Brings the open reminder to the front, e.g. when its notification is clicked.
    virtual void Raise() = 0;
};

}  // namespace orvane

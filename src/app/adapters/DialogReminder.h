#pragma once

#include "rules/alarms/Reminder.h"

namespace orvane {

// Shows each reminder as a modal ReminderDialog over the active window.
class DialogReminder : public Reminder {
public:
    int Show(Request& request) override;
};

}  // namespace orvane

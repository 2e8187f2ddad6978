#pragma once

#include <QPointer>

#include "rules/alarms/Reminder.h"

namespace orvane {

class ReminderDialog;

// Shows each reminder as a modal ReminderDialog over the active window.
class DialogReminder : public Reminder {
public:
    int Show(Request& request) override;
    void Raise() override;

private:
    QPointer<ReminderDialog> m_open;
};

}  // namespace orvane

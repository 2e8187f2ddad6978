#pragma once

#include <cstdint>

namespace orvane {

// The dialogs that create and change records. The main form decides when one opens and
// for which record; an implementation shows the dialog and writes back on OK.
class RecordEditors {
public:
    virtual ~RecordEditors() = default;

    virtual void AddTask() = 0;
    virtual void EditTask(int32_t id) = 0;
    virtual void AddAppointment() = 0;
    virtual void EditAppointment(int32_t id) = 0;
    virtual void AddPerson() = 0;
    virtual void EditPerson(int32_t id) = 0;
    virtual void EditUser() = 0;
    virtual void ChooseAlarmSound() = 0;
};

}  // namespace orvane

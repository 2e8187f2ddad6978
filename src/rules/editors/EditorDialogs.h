#pragma once

#include <string>

namespace orvane {

struct Person;
struct User;
struct TaskEditorModel;
class AppointmentEditorModel;

// Shows one editor modally on the values given; true when the user confirmed with OK, the
// values then holding what was entered. Cancel leaves them as they were.
class EditorDialogs {
public:
    virtual ~EditorDialogs() = default;

    virtual bool RunPerson(const std::string& caption, Person& person) = 0;
    virtual bool RunTask(TaskEditorModel& model) = 0;
    virtual bool RunAppointment(AppointmentEditorModel& model) = 0;
    virtual bool RunUser(User& user) = 0;
};

}  // namespace orvane

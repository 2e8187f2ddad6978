#pragma once

#include "rules/editors/EditorDialogs.h"

class QWidget;

namespace orvane {

class ContextHelp;

// Shows the record editors as modal dialogs over the owner window.
class QtEditorDialogs : public EditorDialogs {
public:
    // help may be null (no help in the editors).
    QtEditorDialogs(QWidget* owner, const ContextHelp* help) : m_owner(owner), m_help(help) {}

    bool RunPerson(const std::string& caption, Person& person) override;
    bool RunTask(TaskEditorModel& model) override;
    bool RunAppointment(AppointmentEditorModel& model) override;
    bool RunUser(User& user) override;

private:
    QWidget* m_owner;
    const ContextHelp* m_help;
};

}  // namespace orvane

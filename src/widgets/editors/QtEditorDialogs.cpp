#include "widgets/editors/QtEditorDialogs.h"

#include "widgets/editors/AppointmentDialog.h"
#include "widgets/editors/PersonSheet.h"
#include "widgets/editors/TaskDialog.h"
#include "widgets/editors/UserSheet.h"

namespace orvane {

bool QtEditorDialogs::RunPerson(const std::string& caption, Person& person)
{
    PersonSheet sheet(QString::fromStdString(caption), person, m_help, m_owner);
    if (sheet.exec() != QDialog::Accepted) {
        return false;
    }
    person = sheet.Values();
    return true;
}

bool QtEditorDialogs::RunTask(TaskEditorModel& model)
{
    TaskDialog dialog(model, m_help, m_owner);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    model = dialog.Values();
    return true;
}

bool QtEditorDialogs::RunAppointment(AppointmentEditorModel& model)
{
    AppointmentDialog dialog(model, m_help, m_owner);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    model = dialog.Values();
    return true;
}

bool QtEditorDialogs::RunUser(User& user)
{
    UserSheet sheet(user, m_help, m_owner);
    if (sheet.exec() != QDialog::Accepted) {
        return false;
    }
    user = sheet.Values();
    return true;
}

}  // namespace orvane

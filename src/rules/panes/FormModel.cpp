#include "rules/panes/FormModel.h"

#include "data/PimDocument.h"
#include "platform/LocaleFormat.h"
#include "rules/commands/CommandIds.h"
#include "rules/editors/RecordEditors.h"

namespace orvane {

FormModel::FormModel(PimDocument& document)
    : m_document(document),
      m_selectedDay(document.SelectedDate().DateOnly()),
      m_tasks(document, m_state),
      m_appointments(document, m_state),
      m_phoneBook(document, m_state)
{
    m_document.AttachView(this);
}

FormModel::~FormModel()
{
    m_document.DetachView(this);
}

void FormModel::Notify(unsigned changes)
{
    if (m_listener) {
        m_listener(changes);
    }
}

void FormModel::SelectDay(int year, int month, int day)
{
    PimDateTime picked;
    if (!picked.SetDateTime(year, month, day, 0, 0, 0)) {
        return;
    }
    m_selectedDay = picked;
    m_document.SetSelectedDate(picked);
    m_tasks.Fill(m_selectedDay);
    m_appointments.Fill(m_selectedDay);
    Notify(kCaption | kTaskRows | kAppointmentRows);
}

std::string FormModel::Caption() const
{
    return m_selectedDay.FormatDate(LocaleFormat::UserDefault(), DateStyle::Long);
}

void FormModel::RefillAll()
{
    m_phoneBook.Fill();
    m_tasks.Fill(m_selectedDay);
    m_appointments.Fill(m_selectedDay);
    m_days.Rebuild(m_document.Database());
    Notify(kPhoneBookRows | kDetails | kTaskRows | kAppointmentRows | kBusyDays);
}

void FormModel::RefillAppointments()
{
    m_appointments.Fill(m_selectedDay);
    Notify(kAppointmentRows);
}

void FormModel::SetListing(Listing listing)
{
    if (m_phoneBook.SetListing(listing)) {
        Notify(kPhoneBookRows | kDetails | kListing);
    }
}

void FormModel::FindPersons(std::string_view text)
{
    if (m_phoneBook.SetFindText(text)) {
        Notify(kPhoneBookRows | kDetails);
    }
}

void FormModel::RevealPerson(int32_t id)
{
    m_revealedRow = m_phoneBook.RowOf(id);
    if (m_revealedRow != -1) {
        Notify(kRevealPerson);
    }
}

void FormModel::ClickTasks(int row)
{
    m_tasks.Click(row);
}

void FormModel::DoubleClickTasks(int row)
{
    m_tasks.DoubleClick(row);
}

void FormModel::ClickAppointments(int row)
{
    m_appointments.Click(row);
}

void FormModel::ClickPhoneBook(int row)
{
    const int32_t shown = m_phoneBook.ShownId();
    m_phoneBook.Click(row);
    if (m_phoneBook.ShownId() != shown || row != -1) {
        Notify(kDetails);
    }
}

void FormModel::DoubleClickPhoneBook()
{
    if (m_phoneBook.DoubleClick()) {
        HandleCommand(kCmdPersonEdit);
    }
}

bool FormModel::HandleCommand(int commandId)
{
    return HandleTaskCommand(commandId) || HandleAppointmentCommand(commandId) ||
           HandlePersonCommand(commandId) || HandleOtherCommand(commandId);
}

void FormModel::OpenEditor(void (RecordEditors::*open)())
{
    if (m_editors) {
        (m_editors->*open)();
    }
}

void FormModel::OpenEditor(void (RecordEditors::*open)(int32_t), int32_t id)
{
    // An editor opens only for a stored record; Edit never creates one.
    if (m_editors && id != -1) {
        (m_editors->*open)(id);
    }
}

bool FormModel::HandleTaskCommand(int commandId)
{
    switch (commandId) {
        case kCmdTaskAdd:
            OpenEditor(&RecordEditors::AddTask);
            return true;
        case kCmdTaskDelete:
            m_tasks.Delete();
            return true;
        case kCmdTaskEdit:
            OpenEditor(&RecordEditors::EditTask, m_tasks.EditTarget());
            return true;
        case kCmdTaskComplete:
            m_tasks.Complete();
            return true;
        default:
            return false;
    }
}

bool FormModel::HandleAppointmentCommand(int commandId)
{
    switch (commandId) {
        case kCmdAppointmentAdd:
            OpenEditor(&RecordEditors::AddAppointment);
            return true;
        case kCmdAppointmentDelete:
            if (m_appointments.Delete()) {
                Notify(kAppointmentRows);
            }
            return true;
        case kCmdAppointmentEdit:
            OpenEditor(&RecordEditors::EditAppointment, m_appointments.EditTarget());
            return true;
        default:
            return false;
    }
}

bool FormModel::HandlePersonCommand(int commandId)
{
    switch (commandId) {
        case kCmdPersonAdd:
            OpenEditor(&RecordEditors::AddPerson);
            return true;
        case kCmdPersonDelete:
            m_phoneBook.Delete();
            return true;
        case kCmdPersonEdit:
            OpenEditor(&RecordEditors::EditPerson, m_phoneBook.EditTarget());
            return true;
        default:
            return false;
    }
}

bool FormModel::HandleOtherCommand(int commandId)
{
    switch (commandId) {
        case kCmdEditUser:
            OpenEditor(&RecordEditors::EditUser);
            return true;
        case kCmdAlarmSound:
            OpenEditor(&RecordEditors::ChooseAlarmSound);
            return true;
        default:
            return false;
    }
}

}  // namespace orvane

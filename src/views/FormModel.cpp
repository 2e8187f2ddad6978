#include "views/FormModel.h"

#include "data/PimDocument.h"
#include "platform/LocaleFormat.h"
#include "views/CommandIds.h"
#include "views/RecordEditors.h"

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
    Notify(kPhoneBookRows | kDetails | kTaskRows | kAppointmentRows);
}

void FormModel::SetListing(Listing listing)
{
    if (m_phoneBook.SetListing(listing)) {
        Notify(kPhoneBookRows | kDetails | kListing);
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
    switch (commandId) {
        case kCmdTaskAdd:
            if (m_editors) {
                m_editors->AddTask();
            }
            return true;
        case kCmdTaskDelete:
            m_tasks.Delete();
            return true;
        case kCmdTaskEdit:
            if (m_editors && m_tasks.EditTarget() != -1) {
                m_editors->EditTask(m_tasks.EditTarget());
            }
            return true;
        case kCmdTaskComplete:
            m_tasks.Complete();
            return true;
        case kCmdAppointmentAdd:
            if (m_editors) {
                m_editors->AddAppointment();
            }
            return true;
        case kCmdAppointmentDelete:
            if (m_appointments.Delete()) {
                Notify(kAppointmentRows);
            }
            return true;
        case kCmdAppointmentEdit:
            if (m_editors && m_appointments.EditTarget() != -1) {
                m_editors->EditAppointment(m_appointments.EditTarget());
            }
            return true;
        case kCmdPersonAdd:
            if (m_editors) {
                m_editors->AddPerson();
            }
            return true;
        case kCmdPersonDelete:
            m_phoneBook.Delete();
            return true;
        case kCmdPersonEdit:
            if (m_editors && m_phoneBook.EditTarget() != -1) {
                m_editors->EditPerson(m_phoneBook.EditTarget());
            }
            return true;
        case kCmdEditUser:
            if (m_editors) {
                m_editors->EditUser();
            }
            return true;
        case kCmdAlarmSound:
            if (m_editors) {
                m_editors->ChooseAlarmSound();
            }
            return true;
        default:
            return false;
    }
}

}  // namespace orvane

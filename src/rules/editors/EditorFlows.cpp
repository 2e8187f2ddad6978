#include "rules/editors/EditorFlows.h"

#include "data/PimDocument.h"
#include "rules/editors/AppointmentEditorModel.h"
#include "rules/editors/EditorDialogs.h"
#include "rules/editors/TaskEditorModel.h"
#include "rules/panes/FormModel.h"

namespace orvane {

EditorFlows::EditorFlows(FormModel& form, EditorDialogs& dialogs) : m_form(form), m_dialogs(dialogs)
{}

void EditorFlows::AddTask()
{
    TaskEditorModel model = TaskEditorModel::ForNew(m_form.SelectedDay());
    if (!m_dialogs.RunTask(model)) {
        return;
    }
    Task task;
    model.ApplyTo(task);
    task.DoneDate = PimDateTime();
    m_form.Document().Database().Tasks().Add(std::move(task));
    m_form.Document().SetModified(true, true);
}

void EditorFlows::EditTask(int32_t id)
{
    TaskCollection& tasks = m_form.Document().Database().Tasks();
    const Task* stored = tasks.Find(id);
    if (!stored) {
        return;
    }
    TaskEditorModel model = TaskEditorModel::ForStored(*stored);
    if (!m_dialogs.RunTask(model)) {
        return;
    }
    // Looked up again: the dialog was modal, but the record is only borrowed meanwhile.
    const Task* current = tasks.Find(id);
    if (!current) {
        return;
    }
    Task task = *current;
    model.ApplyTo(task);
    tasks.Update(task);
    m_form.Document().SetModified(true, true);
}

void EditorFlows::AddAppointment()
{
    AppointmentEditorModel model =
        AppointmentEditorModel::ForNew(m_form.SelectedDay(), PimDateTime::Now());
    if (!m_dialogs.RunAppointment(model)) {
        return;
    }
    Appointment appointment;
    model.ApplyTo(appointment);
    m_form.Document().Database().Appointments().Add(std::move(appointment));
    m_form.Document().SetModified(true, true);
}

void EditorFlows::EditAppointment(int32_t id)
{
    RecordCollection<Appointment>& appointments = m_form.Document().Database().Appointments();
    const Appointment* stored = appointments.Find(id);
    if (!stored) {
        return;
    }
    AppointmentEditorModel model = AppointmentEditorModel::ForStored(*stored);
    if (!m_dialogs.RunAppointment(model)) {
        return;
    }
    const Appointment* current = appointments.Find(id);
    if (!current) {
        return;
    }
    Appointment appointment = *current;
    model.ApplyTo(appointment);
    appointments.Update(appointment);
    m_form.Document().SetModified(true, true);
}

void EditorFlows::AddPerson()
{
    Person person;
    person.WhitePages = 1;
    person.YellowPages = 0;
    if (!m_dialogs.RunPerson("Add Person", person)) {
        return;
    }
    person.RName = person.GetDisplayName();
    PersonSaved(m_form.Document().Database().Persons().Add(std::move(person)));
}

void EditorFlows::EditPerson(int32_t id)
{
    RecordCollection<Person>& persons = m_form.Document().Database().Persons();
    const Person* stored = persons.Find(id);
    if (!stored) {
        return;
    }
    Person person = *stored;
    if (!m_dialogs.RunPerson("Edit Person", person)) {
        return;
    }
    person.ID = id;
    person.RName = person.GetDisplayName();
    if (persons.Update(person)) {
        PersonSaved(id);
    }
}

void EditorFlows::PersonSaved(int32_t id)
{
    m_form.Document().SetModified(true, true);
    // The refill above already listed the phone book; filling it once more leaves
    // nobody selected whatever the views did in between.
    m_form.PhoneBook().Fill();
    m_form.RevealPerson(id);
}

void EditorFlows::EditUser()
{
    User user = m_form.Document().Database().GetUser();
    if (!m_dialogs.RunUser(user)) {
        return;
    }
    m_form.Document().Database().GetUser() = user;
    m_form.Document().SetModified(true, true);
}

void EditorFlows::ChooseAlarmSound()
{
    if (m_chooseSound) {
        m_chooseSound();
    }
}

}  // namespace orvane

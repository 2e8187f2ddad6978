#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "data/DocumentView.h"
#include "data/PimDateTime.h"
#include "rules/panes/AppointmentPane.h"
#include "rules/panes/DayIndex.h"
#include "rules/panes/FormState.h"
#include "rules/panes/PhoneBookPane.h"
#include "rules/panes/TaskPane.h"

namespace orvane {

class PimDocument;
class RecordEditors;

// The main form without its widgets: the selected day, the three panes with their shared
// selection, when each is refilled, and what the form's commands do. The widgets render
// it and are told which parts changed.
class FormModel : public DocumentView {
public:
    enum Change : unsigned {
        kPhoneBookRows = 1u << 0,
        kTaskRows = 1u << 1,
        kAppointmentRows = 1u << 2,
        kDetails = 1u << 3,
        kCaption = 1u << 4,
        kListing = 1u << 5,
        kPath = 1u << 6,
        kBusyDays = 1u << 7,
        kRevealPerson = 1u << 8,
    };
    using Listener = std::function<void(unsigned changes)>;

    explicit FormModel(PimDocument& document);
    ~FormModel() override;
    FormModel(const FormModel&) = delete;
    FormModel& operator=(const FormModel&) = delete;

    PimDocument& Document() { return m_document; }
    const PimDocument& Document() const { return m_document; }
    FormState& State() { return m_state; }
    const FormState& State() const { return m_state; }
    TaskPane& Tasks() { return m_tasks; }
    AppointmentPane& Appointments() { return m_appointments; }
    PhoneBookPane& PhoneBook() { return m_phoneBook; }
    const TaskPane& Tasks() const { return m_tasks; }
    const AppointmentPane& Appointments() const { return m_appointments; }
    const PhoneBookPane& PhoneBook() const { return m_phoneBook; }
    // Which days hold appointments or tasks due, as of the last refill.
    const DayIndex& Days() const { return m_days; }

    void SetListener(Listener listener) { m_listener = std::move(listener); }
    void SetEditors(RecordEditors* editors) { m_editors = editors; }

    const PimDateTime& SelectedDay() const { return m_selectedDay; }
    // The calendar picked a day: the caption follows, tasks and appointments refill.
    void SelectDay(int year, int month, int day);
    // The selected day in the long date format.
    std::string Caption() const;

    // Phone book, then tasks, then appointments.
    void RefillAll();
    // The appointments alone, e.g. after an alarm was turned off.
    void RefillAppointments();
    void SetListing(Listing listing);
    // The text of the phone book's Find field, applied as it is typed.
    void FindPersons(std::string_view text);
    // A person just added or edited: the list scrolls to their row (RevealedRow) when the
    // listing and the find text list them.
    void RevealPerson(int32_t id);
    int RevealedRow() const { return m_revealedRow; }

    // List events, by the row under the pointer (-1: none); the appointment list passes
    // the row it shows selected.
    void ClickTasks(int row);
    void DoubleClickTasks(int row);
    void ClickAppointments(int row);
    void ClickPhoneBook(int row);
    void DoubleClickPhoneBook();

    // Runs a command of the form; false for a command that is not the form's.
    bool HandleCommand(int commandId);

    void OnUpdate() override { RefillAll(); }
    void OnPathChanged() override { Notify(kPath); }

private:
    void Notify(unsigned changes);
    void OpenEditor(void (RecordEditors::*open)());
    void OpenEditor(void (RecordEditors::*open)(int32_t), int32_t id);
    bool HandleTaskCommand(int commandId);
    bool HandleAppointmentCommand(int commandId);
    bool HandlePersonCommand(int commandId);
    bool HandleOtherCommand(int commandId);

    PimDocument& m_document;
    FormState m_state;
    PimDateTime m_selectedDay;
    TaskPane m_tasks;
    AppointmentPane m_appointments;
    PhoneBookPane m_phoneBook;
    DayIndex m_days;
    int m_revealedRow = -1;
    RecordEditors* m_editors = nullptr;
    Listener m_listener;
};

}  // namespace orvane

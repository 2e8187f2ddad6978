#pragma once

#include <vector>

#include "reports/ReportKind.h"
#include "reports/ReportRecords.h"

namespace orvane {

class FormModel;

// The report commands of the main form: which report print and preview produce and the
// copies of the records it is made from. The kind lives in the form's shared state so
// the menu can show it checked.
class ReportChoice {
public:
    explicit ReportChoice(FormModel& form) : m_form(form) {}

    ReportKind Kind() const;
    const ReportRecords& Records() const { return m_records; }

    // True for the three daily report commands, and for the phone book and envelope
    // commands, which first ask for the persons.
    static bool IsDailyCommand(int commandId);
    static bool IsPersonCommand(int commandId);

    // A daily report command: copies the rows the task and appointment panes list now
    // and chooses the command's kind.
    void ChooseDaily(int commandId);
    // The persons the phone book lists now, offered to the person picker.
    std::vector<Person> OfferedPersons() const;
    // The picker ended with OK: the chosen persons, the owner's address and the listing
    // become the report's, and the command's kind is chosen.
    void ChoosePersons(int commandId, std::vector<Person> chosen);

private:
    FormModel& m_form;
    ReportRecords m_records;
};

}  // namespace orvane

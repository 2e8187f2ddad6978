#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <vector>

#include "reports/PersonPickerModel.h"
#include "rules/commands/ReportChoice.h"

namespace orvane {

class MainFrame;
class PrintController;

// Installs the report menu's commands and printing into the main window: the daily
// reports gather the panes' rows, the phone book and envelope reports ask for the persons
// first and may go straight on to the preview or the printout.
class ReportCommands : public QObject {
    Q_OBJECT
public:
    struct Picked {
        PersonPickerModel::Exit exit = PersonPickerModel::Exit::Ok;
        std::vector<Person> persons;
    };
    // Asks for the persons among those offered; nothing when cancelled.
    using PersonPicker = std::function<std::optional<Picked>(std::vector<Person> offered)>;

    // Owned by the frame.
    static ReportCommands* Install(MainFrame& frame);

    ReportChoice& Choice() { return m_choice; }
    PrintController& Printing() { return *m_printing; }
    // The person picker dialog by default.
    void SetPersonPicker(PersonPicker picker) { m_picker = std::move(picker); }

private:
    explicit ReportCommands(MainFrame& frame);
    void ChoosePersons(int commandId);
    std::optional<Picked> ShowPicker(std::vector<Person> offered);
    void ShowPickerHelp();
    void ShowPickerPopup(uint32_t topic);

    MainFrame& m_frame;
    ReportChoice m_choice;
    PrintController* m_printing;
    PersonPicker m_picker;
};

}  // namespace orvane

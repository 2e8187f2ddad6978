#include "app/TransferCommands.h"

#include <QApplication>

#include "app/MainFrame.h"
#include "exchange/TransferCommand.h"
#include "platform/ProgramDirectory.h"
#include "rules/commands/CommandIds.h"
#include "widgets/panes/DisplayText.h"
#include "widgets/transfer/TransferWizard.h"

namespace orvane {

namespace {

TransferCommand::Wizard WizardFor(MainFrame& frame, Prompter& prompter)
{
    return [&frame, &prompter](TransferSettings& settings, const std::string& title, bool importing,
                               RecordKind kind) {
        QWidget* owner = QApplication::activeWindow() ? QApplication::activeWindow() : &frame;
        TransferWizard wizard(
            settings, importing, kind, prompter, [&frame] { return frame.Help(); },
            QString::fromStdString(ProgramDirectory::Current()), owner);
        wizard.setWindowTitle(DisplayText::ToDisplay(title));
        return wizard.exec() == QDialog::Accepted;
    };
}

}  // namespace

void TransferCommands::Install(MainFrame& frame, Prompter& prompter)
{
    const struct {
        int command;
        RecordKind kind;
        bool importing;
    } commands[] = {
        {kCmdExportTasks, RecordKind::Tasks, false},
        {kCmdExportPersons, RecordKind::Persons, false},
        {kCmdExportAppointments, RecordKind::Appointments, false},
        {kCmdImportTasks, RecordKind::Tasks, true},
        {kCmdImportPersons, RecordKind::Persons, true},
        {kCmdImportAppointments, RecordKind::Appointments, true},
    };
    for (const auto& command : commands) {
        const RecordKind kind = command.kind;
        if (command.importing) {
            frame.SetCommandHandler(command.command, [&frame, &prompter, kind] {
                // The importer refreshes the lists through the document when it adds records.
                TransferCommand::Import(frame.Document(), kind, prompter,
                                        WizardFor(frame, prompter));
            });
        } else {
            frame.SetCommandHandler(command.command, [&frame, &prompter, kind] {
                TransferCommand::Export(frame.Document(), kind, WizardFor(frame, prompter));
            });
        }
    }
}

}  // namespace orvane

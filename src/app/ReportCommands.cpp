#include "app/ReportCommands.h"

#include <QApplication>

#include "app/MainFrame.h"
#include "app/PrintController.h"
#include "platform/HelpAddress.h"
#include "platform/HelpViewer.h"
#include "platform/ProgramDirectory.h"
#include "rules/commands/CommandIds.h"
#include "widgets/panes/MainForm.h"
#include "widgets/reports/PersonPickerDialog.h"

namespace orvane {

ReportCommands* ReportCommands::Install(MainFrame& frame)
{
    auto* commands = new ReportCommands(frame);
    commands->m_printing->Install();
    for (int id : {kCmdReportDailyPlan, kCmdReportDailyTasks, kCmdReportDailyAppointments}) {
        frame.SetCommandHandler(id, [commands, id] { commands->m_choice.ChooseDaily(id); });
    }
    for (int id : {kCmdReportAddressBook, kCmdReportEnvelopes}) {
        frame.SetCommandHandler(id, [commands, id] { commands->ChoosePersons(id); });
    }
    return commands;
}

ReportCommands::ReportCommands(MainFrame& frame)
    : QObject(&frame),
      m_frame(frame),
      m_choice(frame.Form()->Model()),
      m_printing(new PrintController(frame, m_choice)),
      m_picker([this](std::vector<Person> offered) { return ShowPicker(std::move(offered)); })
{
    setObjectName(QStringLiteral("reportCommands"));
}

std::optional<ReportCommands::Picked> ReportCommands::ShowPicker(std::vector<Person> offered)
{
    QWidget* owner = QApplication::activeWindow();
    PersonPickerDialog::Help help{[this] { ShowPickerHelp(); },
                                  [this](uint32_t topic) { ShowPickerPopup(topic); }};
    PersonPickerDialog dialog(std::move(offered), std::move(help),
                              owner != nullptr ? owner : &m_frame);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return Picked{dialog.ExitKind(), dialog.Model().Chosen()};
}

void ReportCommands::ShowPickerHelp()
{
    m_frame.ShowTopic("dlgpraddr.htm");
}

void ReportCommands::ShowPickerPopup(uint32_t topic)
{
    if (HelpViewer* help = m_frame.Help()) {
        const std::string dir = ProgramDirectory::Current();
        help->ShowHelp(HelpAddress::File(dir), HelpCommand::ContextPopup, topic);
    }
}

void ReportCommands::ChoosePersons(int commandId)
{
    const std::optional<Picked> picked = m_picker(m_choice.OfferedPersons());
    if (!picked) {
        return;
    }
    m_choice.ChoosePersons(commandId, picked->persons);
    m_frame.UpdateCommandStates();
    if (const int next = PersonPickerModel::FollowUpCommand(picked->exit)) {
        m_frame.RunCommand(next);
    }
}

}  // namespace orvane

#include "rules/commands/CommandStates.h"

#include "rules/commands/CommandIds.h"

namespace orvane {

CommandStates CommandStates::Compute(const Input& input)
{
    CommandStates states;
    states.Enable(kCmdSave, input.modified);
    states.Enable(kCmdRestoreVersion, input.hasVersions);
    states.Enable(kCmdSynchronize, input.canSynchronize);
    states.ComputeRecordCommands(input);
    states.ComputeReportCommands(input);
    states.ComputePreviewCommands(input);
    states.Check(kCmdViewToolbar, input.toolbarVisible);
    states.Check(kCmdViewStatusBar, input.statusBarVisible);
    return states;
}

void CommandStates::ComputeRecordCommands(const Input& input)
{
    const FormState& form = input.form;
    const bool person = form.activeList == PaneList::PhoneBook && form.person.id != -1;
    Enable(kCmdPersonDelete, person);
    Enable(kCmdPersonEdit, person);
    const bool task = form.activeList == PaneList::Tasks && form.task.id != -1;
    Enable(kCmdTaskDelete, task);
    Enable(kCmdTaskEdit, task);
    Enable(kCmdTaskComplete, task);
    const bool appointment = form.activeList == PaneList::Appointments && form.appointment.id != -1;
    Enable(kCmdAppointmentDelete, appointment);
    Enable(kCmdAppointmentEdit, appointment);
}

void CommandStates::ComputeReportCommands(const Input& input)
{
    const bool persons = input.persons > 0;
    const bool tasks = input.tasks > 0;
    const bool appointments = input.appointments > 0;
    Enable(kCmdReportAddressBook, persons);
    Enable(kCmdReportEnvelopes, persons);
    Enable(kCmdExportPersons, persons);
    Enable(kCmdExportVCard, persons);
    Enable(kCmdExportICalendar, tasks || appointments);
    Enable(kCmdReportDailyPlan, tasks || appointments);
    Enable(kCmdReportDailyTasks, tasks);
    Enable(kCmdCompact, tasks);
    Enable(kCmdExportTasks, tasks);
    Enable(kCmdReportDailyAppointments, appointments);
    Enable(kCmdExportAppointments, appointments);

    const int kind = input.form.reportKind;
    Check(kCmdReportAddressBook, kind == 1);
    Check(kCmdReportEnvelopes, kind == 2);
    Check(kCmdReportDailyPlan, kind == 3);
    Check(kCmdReportDailyTasks, kind == 4);
    Check(kCmdReportDailyAppointments, kind == 5);
    Enable(kCmdPrint, kind != 0);
    Enable(kCmdPrintPreview, kind != 0);
}

void CommandStates::ComputePreviewCommands(const Input& input)
{
    const bool on = input.previewing;
    Enable(kCmdPreviewClose, on);
    Enable(kCmdPreviewNext, on && input.currentPage < input.pageCount - 1);
    Enable(kCmdPreviewPrevious, on && input.currentPage >= 1);
    Enable(kCmdZoomIn, on && input.canZoomIn);
    Enable(kCmdZoomOut, on && input.canZoomOut);
}

CommandStates::State CommandStates::Of(int commandId) const
{
    const auto it = m_states.find(commandId);
    return it == m_states.end() ? State{} : it->second;
}

}  // namespace orvane

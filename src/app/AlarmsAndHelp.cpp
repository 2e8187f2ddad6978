#include "app/AlarmsAndHelp.h"

#include <QTimer>

#include "app/FormHelp.h"
#include "app/MainFrame.h"
#include "platform/DataFileLocator.h"
#include "platform/ProgramDirectory.h"
#include "rules/commands/CommandIds.h"
#include "widgets/help/HelpWindow.h"
#include "widgets/panes/MainForm.h"

namespace orvane {

AlarmsAndHelp* AlarmsAndHelp::Install(MainFrame& frame, Prompter& prompter, SettingsStore& settings)
{
    return new AlarmsAndHelp(frame, prompter, settings, ProgramDirectory::Current());
}

AlarmsAndHelp::AlarmsAndHelp(MainFrame& frame, Prompter& prompter, SettingsStore& settings,
                             const std::string& programDirectory)
    : QObject(&frame),
      m_sound(DataFileLocator(programDirectory, DataFileLocator::ConfiguredDataDir()).SearchPath()),
      m_scheduler(frame.Form()->Model(), m_reminder, m_sound, settings, m_notifier)
{
    m_timer = new QTimer(this);
    m_timer->setInterval(AlarmScheduler::kTickMilliseconds);
    connect(m_timer, &QTimer::timeout, this, [this] { m_scheduler.CheckAlarms(); });
    m_timer->start();
    m_scheduler.LoadSound();
    frame.SetCommandHandler(kCmdAlarmSound,
                            [this, &prompter] { m_scheduler.ChooseSound(prompter); });

    m_help = new HelpWindow(
        DataFileLocator(programDirectory, DataFileLocator::ConfiguredDataDir()).SearchPath(),
        &frame);
    frame.SetHelpViewer(m_help);
    m_formHelp = new FormHelp(frame, programDirectory);
    frame.SetCommandHandler(kCmdHelpTopics, [this] { m_formHelp->ShowContents(); });
}

}  // namespace orvane

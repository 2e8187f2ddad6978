#pragma once

#include <QObject>
#include <string>

#include "app/adapters/DialogReminder.h"
#include "app/adapters/QtNotifier.h"
#include "app/adapters/QtSoundPlayer.h"
#include "rules/alarms/AlarmScheduler.h"

class QTimer;

namespace orvane {

class FormHelp;
class HelpWindow;
class MainFrame;
class Prompter;
class SettingsStore;

// Installs the appointment alarm (its one-minute timer, the reminder, the sound and the
// desktop notification), the "&Alarm Sound..." command, and help: the help window,
// "&Help Topics", F1 and the context-help mode of the main form. Owned by the frame.
class AlarmsAndHelp : public QObject {
    Q_OBJECT
public:
    static AlarmsAndHelp* Install(MainFrame& frame, Prompter& prompter, SettingsStore& settings);

    AlarmScheduler& Scheduler() { return m_scheduler; }
    QTimer* Timer() const { return m_timer; }
    HelpWindow* Help() const { return m_help; }
    FormHelp* Forms() const { return m_formHelp; }

private:
    AlarmsAndHelp(MainFrame& frame, Prompter& prompter, SettingsStore& settings,
                  const std::string& programDirectory);

    QtSoundPlayer m_sound;
    DialogReminder m_reminder;
    QtNotifier m_notifier;
    AlarmScheduler m_scheduler;
    QTimer* m_timer = nullptr;
    HelpWindow* m_help = nullptr;
    FormHelp* m_formHelp = nullptr;
};

}  // namespace orvane

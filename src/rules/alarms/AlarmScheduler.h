#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "platform/Notifier.h"

namespace orvane {

struct Appointment;
class FormModel;
class Notifier;
class PimDateTime;
class Prompter;
class Reminder;
class SettingsStore;
class SoundPlayer;

// The appointment alarms of the main form: each tick looks at the appointments the pane
// lists and at today's, whatever day is selected, and reminds of every one whose alarm is
// due, with the sound looping and a desktop notification meanwhile. Also keeps the alarm
// sound's path and lets the user choose another.
class AlarmScheduler {
public:
    static constexpr int kTickMilliseconds = 60000;

    AlarmScheduler(FormModel& form, Reminder& reminder, SoundPlayer& sound, SettingsStore& settings,
                   Notifier& notifier);

    // The stored sound, or the default when none can be read.
    void LoadSound();
    const std::string& SoundPath() const { return m_soundPath; }

    // One tick. A tick arriving while a reminder is open does nothing, so reminders never
    // pile up behind an unanswered one.
    void CheckAlarms();
    bool ReminderOpen() const { return m_checking; }

    // "&Alarm Sound...": asks for a wave file and stores the choice at once.
    void ChooseSound(Prompter& prompter);

    // "This is your reminder for your 10:30 PM appointment." for an end time of 22:30.
    static std::string MessageFor(const PimDateTime& endTime);
    // The description over the start and end times.
    static Notifier::Notice NoticeFor(const Appointment& appointment);

private:
    using Candidates = std::map<int32_t, Appointment>;
    void CollectListed(Candidates& candidates) const;
    void CollectToday(const PimDateTime& today, Candidates& candidates) const;
    bool Remind(const Appointment& appointment);

    FormModel& m_form;
    Reminder& m_reminder;
    SoundPlayer& m_sound;
    SettingsStore& m_settings;
    Notifier& m_notifier;
    std::string m_soundPath;
    bool m_checking = false;
};

}  // namespace orvane

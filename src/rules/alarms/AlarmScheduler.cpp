#include "rules/alarms/AlarmScheduler.h"

#include <cstdio>

#include "data/Appointment.h"
#include "data/PimDocument.h"
#include "platform/AlarmSoundSetting.h"
#include "platform/Prompter.h"
#include "platform/SoundPlayer.h"
#include "rules/alarms/Reminder.h"
#include "rules/panes/DayRules.h"
#include "rules/panes/FormModel.h"

namespace orvane {

namespace {

// Clears a flag when the scope ends, also when a reminder throws.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : m_flag(flag) { m_flag = true; }
    ~FlagGuard() { m_flag = false; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& m_flag;
};

}  // namespace

AlarmScheduler::AlarmScheduler(FormModel& form, Reminder& reminder, SoundPlayer& sound,
                               SettingsStore& settings, Notifier& notifier)
    : m_form(form),
      m_reminder(reminder),
      m_sound(sound),
      m_settings(settings),
      m_notifier(notifier),
      m_soundPath(AlarmSoundSetting::kDefault)
{}

void AlarmScheduler::LoadSound()
{
    if (!AlarmSoundSetting::Read(m_settings, m_soundPath)) {
        m_soundPath = AlarmSoundSetting::kDefault;
    }
}

std::string AlarmScheduler::MessageFor(const PimDateTime& endTime)
{
    const std::string end = endTime.Format("%I:%M %p");
    char message[512];
    std::snprintf(message, sizeof message, "This is your reminder for your %s appointment.",
                  end.c_str());
    return message;
}

Notifier::Notice AlarmScheduler::NoticeFor(const Appointment& appointment)
{
    return {appointment.Description,
            AppointmentPane::TimeRange(appointment.StartTime, appointment.EndTime)};
}

void AlarmScheduler::CollectListed(Candidates& candidates) const
{
    const auto& appointments = m_form.Document().Database().Appointments();
    int32_t lastId = -1;
    for (const AppointmentPane::Row& row : m_form.Appointments().Rows()) {
        if (row.description.empty() || row.id == lastId) {
            continue;
        }
        lastId = row.id;
        if (const Appointment* stored = appointments.Find(row.id)) {
            candidates.emplace(row.id, *stored);
        }
    }
}

void AlarmScheduler::CollectToday(const PimDateTime& today, Candidates& candidates) const
{
    // Not only while today is selected: an alarm must not wait for the user to come back.
    const auto& appointments = m_form.Document().Database().Appointments();
    for (int32_t id : m_form.Days().AppointmentsOn(today)) {
        const Appointment* stored = appointments.Find(id);
        if (stored && !stored->Description.empty() &&
            DayRules::AppointmentBelongsToDay(*stored, today)) {
            candidates.emplace(id, *stored);
        }
    }
}

void AlarmScheduler::CheckAlarms()
{
    if (m_checking) {
        return;
    }
    FlagGuard guard(m_checking);
    const PimDateTime now = PimDateTime::Now();
    auto& appointments = m_form.Document().Database().Appointments();

    // Copies of the listed appointments and of today's, once each, in ID order.
    Candidates candidates;
    CollectListed(candidates);
    CollectToday(now.DateOnly(), candidates);

    bool changed = false;
    for (const auto& [id, appointment] : candidates) {
        if (!appointment.Alarm || now < appointment.AlarmTime || !Remind(appointment)) {
            continue;
        }
        if (const Appointment* stored = appointments.Find(id)) {
            Appointment cleared = *stored;  // AlarmTime keeps its value
            cleared.Alarm = false;
            changed = appointments.Update(cleared) || changed;
        }
    }
    if (changed) {
        m_form.Document().SetModified(true, true);
        m_form.RefillAppointments();
    }
}

bool AlarmScheduler::Remind(const Appointment& appointment)
{
    Reminder::Request request;
    request.message = MessageFor(appointment.EndTime);
    request.soundPath = m_soundPath;
    m_sound.PlayLooped(m_soundPath);
    m_notifier.Show(NoticeFor(appointment), [this] { m_reminder.Raise(); });
    const int result = m_reminder.Show(request);
    m_notifier.Withdraw();
    m_sound.StopAll();
    return result != 0 && request.turnOff;
}

void AlarmScheduler::ChooseSound(Prompter& prompter)
{
    FileDialogRequest request;
    request.filters = {{"Wave Files (*.wav)", "*.wav"}};
    request.defaultExtension = "wav";
    request.initialName = m_soundPath;
    request.mustExist = true;
    const std::optional<std::string> chosen = prompter.AskOpenPath(request);
    if (!chosen) {
        return;
    }
    // A path too long to keep leaves the previous one, which is stored again.
    if (chosen->size() <= AlarmSoundSetting::kMaxLength) {
        m_soundPath = *chosen;
    }
    AlarmSoundSetting::Write(m_settings, m_soundPath);
}

}  // namespace orvane

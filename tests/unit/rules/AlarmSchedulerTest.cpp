#include <functional>

#include "FormFixture.h"
#include "platform/AlarmSoundSetting.h"
#include "platform/Notifier.h"
#include "platform/SoundPlayer.h"
#include "rules/alarms/AlarmScheduler.h"
#include "rules/alarms/Reminder.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedPrompter.h"

namespace orvane {
namespace {

using test::Day;
using test::MakeAppointment;

// Records what was played; "events" interleaves with the reminders' own records.
class FakeSound : public SoundPlayer {
public:
    explicit FakeSound(std::vector<std::string>& events) : m_events(events) {}
    void PlayLooped(const std::string& path) override
    {
        playing = true;
        m_events.push_back("play " + path);
    }
    void StopAll() override
    {
        playing = false;
        m_events.push_back("stop");
    }
    bool playing = false;

private:
    std::vector<std::string>& m_events;
};

// Records the notices beside the reminders, and can click the one on screen.
class FakeNotifier : public Notifier {
public:
    explicit FakeNotifier(std::vector<std::string>& events) : m_events(events) {}
    void Show(const Notice& notice, std::function<void()> onClick) override
    {
        m_events.push_back("notify " + notice.summary + " | " + notice.body);
        clicked = std::move(onClick);
    }
    void Withdraw() override
    {
        m_events.push_back("withdraw");
        clicked = nullptr;
    }
    std::function<void()> clicked;

private:
    std::vector<std::string>& m_events;
};

// Answers each reminder from a script: tick the box or not; an unscripted one is OK alone.
class FakeReminder : public Reminder {
public:
    FakeReminder(std::vector<std::string>& events, const FakeSound& sound)
        : m_events(events), m_sound(sound)
    {}
    int Show(Request& request) override
    {
        messages.push_back(request.message);
        m_events.push_back(m_sound.playing ? "shown with sound" : "shown silent");
        if (whileOpen) {
            whileOpen();
        }
        if (!failing) {
            request.turnOff = !turnOff.empty() && turnOff.front();
        }
        if (!turnOff.empty()) {
            turnOff.erase(turnOff.begin());
        }
        return failing ? 0 : 1;
    }
    void Raise() override { m_events.push_back("raised"); }

    std::vector<bool> turnOff;
    bool failing = false;
    std::function<void()> whileOpen;
    std::vector<std::string> messages;

private:
    std::vector<std::string>& m_events;
    const FakeSound& m_sound;
};

class AlarmSchedulerTest : public test::FormFixture {
protected:
    AlarmSchedulerTest() : m_sound(m_events), m_reminder(m_events, m_sound), m_notifier(m_events) {}

    void SetUp() override
    {
        FormFixture::SetUp();
        m_scheduler =
            std::make_unique<AlarmScheduler>(Form(), m_reminder, m_sound, m_settings, m_notifier);
    }

    // An appointment of 10 March with its alarm at the given time.
    int32_t AddAlarm(const char* text, int alarmHour, int alarmMinute, int startHour = 10)
    {
        Appointment a = MakeAppointment(text, Day(2026, 3, 10), startHour, 0, true);
        a.AlarmTime = Day(2026, 3, 10, alarmHour, alarmMinute);
        return Db().Appointments().Add(a);
    }
    void Load() { m_document.SetModified(false, true); }
    void Tick() { m_scheduler->CheckAlarms(); }
    bool AlarmOf(int32_t id) { return Db().Appointments().Find(id)->Alarm; }

    std::vector<std::string> m_events;
    FakeSound m_sound;
    FakeReminder m_reminder;
    FakeNotifier m_notifier;
    MemorySettingsStore m_settings;
    std::unique_ptr<AlarmScheduler> m_scheduler;
};

TEST_F(AlarmSchedulerTest, DueFromTheSecondOfItsAlarmTime)
{
    AddAlarm("meeting", 9, 30);
    Load();
    struct Case {
        int minute, second;
        size_t reminders;
    };
    const Case cases[] = {{29, 59, 0}, {30, 0, 1}, {30, 1, 2}};
    for (const Case& c : cases) {
        m_clock.Get().Set(2026, 3, 10, 9, c.minute, c.second);
        Tick();
        EXPECT_EQ(m_reminder.messages.size(), c.reminders) << c.minute << ":" << c.second;
    }
}

TEST_F(AlarmSchedulerTest, OldAlarmComesBackEveryTickUntilTurnedOff)
{
    const int32_t id = AddAlarm("long ago", 1, 0);
    const PimDateTime alarmTime = Db().Appointments().Find(id)->AlarmTime;
    Load();
    m_reminder.turnOff = {false, false, true};

    Tick();
    Tick();
    EXPECT_EQ(m_reminder.messages.size(), 2u);
    EXPECT_TRUE(AlarmOf(id));
    EXPECT_FALSE(m_document.Modified()) << "OK without the box changes nothing";

    Tick();
    EXPECT_FALSE(AlarmOf(id));
    EXPECT_EQ(Db().Appointments().Find(id)->AlarmTime, alarmTime);
    EXPECT_TRUE(m_document.Modified());
    EXPECT_FALSE(Form().Appointments().Rows()[0].alarm) << "the row loses its mark";

    Tick();
    EXPECT_EQ(m_reminder.messages.size(), 3u);
}

// Today's alarms come whatever day is selected; the selected day's as ever; each once.
TEST_F(AlarmSchedulerTest, TodaysAndTheSelectedDaysAlarmsEachOncePerTick)
{
    Appointment yesterday = MakeAppointment("yesterday", Day(2026, 3, 9), 8, 0, true);
    yesterday.EndTime = Day(2026, 3, 9, 9, 15);
    Db().Appointments().Add(yesterday);
    AddAlarm("today", 8, 0);  // ends 11:00
    Load();
    const std::string fromYesterday = "This is your reminder for your 09:15 AM appointment.";
    const std::string fromToday = "This is your reminder for your 11:00 AM appointment.";
    struct Case {
        int selected;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {1, {fromToday}}, {-1, {fromYesterday, fromToday}}, {0, {fromToday}}, {20, {fromToday}}};
    for (const Case& c : cases) {
        SelectOffset(c.selected);
        m_reminder.messages.clear();
        Tick();
        EXPECT_EQ(m_reminder.messages, c.messages) << "selected " << c.selected;
    }
}

TEST_F(AlarmSchedulerTest, TwoDueAlarmsOneAfterTheOtherInIdOrder)
{
    // The first by ID starts later, so the list shows it second.
    Appointment later = MakeAppointment("later", Day(2026, 3, 10), 21, 0, true);
    later.EndTime = Day(2026, 3, 10, 22, 30);
    later.AlarmTime = Day(2026, 3, 10, 8, 0);
    const int32_t laterId = Db().Appointments().Add(later);
    const int32_t earlyId = AddAlarm("early", 8, 0, 7);
    Load();
    ASSERT_EQ(Form().Appointments().Rows()[0].id, earlyId);
    m_reminder.turnOff = {true, false};
    m_reminder.whileOpen = [&] { m_notifier.clicked(); };

    Tick();
    EXPECT_EQ(m_reminder.messages,
              (std::vector<std::string>{"This is your reminder for your 10:30 PM appointment.",
                                        "This is your reminder for your 08:00 AM appointment."}));
    // Beside each reminder a notice, whose click raises the reminder; withdrawn after OK.
    EXPECT_EQ(m_events,
              (std::vector<std::string>{"play beep.wav", "notify later | 9:00 PM-10:30 PM",
                                        "shown with sound", "raised", "withdraw", "stop",
                                        "play beep.wav", "notify early | 7:00 AM-8:00 AM",
                                        "shown with sound", "raised", "withdraw", "stop"}));
    EXPECT_FALSE(m_notifier.clicked);
    EXPECT_FALSE(AlarmOf(laterId));
    EXPECT_TRUE(AlarmOf(earlyId));
}

TEST_F(AlarmSchedulerTest, WhatIsNeverReminded)
{
    AddAlarm("", 8, 0);  // empty description
    Appointment noAlarm = MakeAppointment("no alarm", Day(2026, 3, 10), 8, 0, false);
    noAlarm.AlarmTime = Day(2026, 3, 10, 8, 0);
    Db().Appointments().Add(noAlarm);
    AddAlarm("not yet", 9, 1);
    Load();
    Tick();
    EXPECT_TRUE(m_reminder.messages.empty());
}

// Ticks while a reminder is open add none; a reminder that cannot open changes nothing,
// and the next appointment is still checked.
TEST_F(AlarmSchedulerTest, RemindersDoNotStackAndAFailedOneChangesNothing)
{
    const int32_t id = AddAlarm("a", 8, 0);
    AddAlarm("b", 8, 0);
    Load();
    int nested = 0;
    m_reminder.whileOpen = [&] {
        ++nested;
        Tick();
        Tick();
    };
    Tick();
    EXPECT_EQ(nested, 2);
    EXPECT_EQ(m_reminder.messages.size(), 2u);
    m_reminder.whileOpen = nullptr;
    m_reminder.failing = true;
    m_reminder.turnOff = {true, true};
    Tick();
    EXPECT_EQ(m_reminder.messages.size(), 4u);
    EXPECT_TRUE(AlarmOf(id));
    EXPECT_FALSE(m_document.Modified());
}

TEST_F(AlarmSchedulerTest, MessageNamesTheEndTimeOnATwelveHourClock)
{
    // 22:30 and 08:00 are checked with the reminders themselves.
    const std::pair<int, const char*> cases[] = {{0, "12:00 AM"}, {12, "12:00 PM"}};
    for (const auto& [hour, text] : cases) {
        EXPECT_EQ(AlarmScheduler::MessageFor(Day(2026, 3, 10, hour, 0)),
                  std::string("This is your reminder for your ") + text + " appointment.");
    }
}

TEST_F(AlarmSchedulerTest, ReminderPlaysTheLoadedSound)
{
    AlarmSoundSetting::Write(m_settings, "/sounds/gong.wav");
    m_scheduler->LoadSound();
    AddAlarm("a", 8, 0);
    Load();
    Tick();
    EXPECT_EQ(m_events.front(), "play /sounds/gong.wav");
}

// Cancel keeps the sound; a choice is stored at once; one too long to store keeps and
// rewrites the previous one; one that cannot be stored is still used for this run.
TEST_F(AlarmSchedulerTest, ChooseSoundAsksForAWaveFileAndStoresAtOnce)
{
    ScriptedPrompter prompter;
    m_scheduler->LoadSound();
    prompter.QueuePath(std::nullopt);
    m_scheduler->ChooseSound(prompter);
    EXPECT_EQ(m_scheduler->SoundPath(), "beep.wav");

    prompter.QueuePath("/music/chime.wav");
    m_scheduler->ChooseSound(prompter);
    EXPECT_EQ(m_settings.ReadString("Alarm", "AlarmSound"), "/music/chime.wav");
    const FileDialogRequest& asked = prompter.FileQuestions().at(1).request;
    EXPECT_FALSE(prompter.FileQuestions()[1].save);
    EXPECT_EQ(asked.filters.at(0).pattern, "*.wav");
    EXPECT_EQ(asked.initialName, "beep.wav");
    EXPECT_TRUE(asked.mustExist);

    m_settings.WriteString("Alarm", "AlarmSound", "changed elsewhere");
    prompter.QueuePath("/" + std::string(300, 'x') + ".wav");
    m_scheduler->ChooseSound(prompter);
    EXPECT_EQ(m_scheduler->SoundPath(), "/music/chime.wav");
    EXPECT_EQ(m_settings.ReadString("Alarm", "AlarmSound"), "/music/chime.wav");

    m_settings.SetWritable(false);
    prompter.QueuePath("/music/gong.wav");
    m_scheduler->ChooseSound(prompter);
    EXPECT_EQ(m_scheduler->SoundPath(), "/music/gong.wav");
}

}  // namespace
}  // namespace orvane

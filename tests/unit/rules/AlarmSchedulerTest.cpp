#include <functional>
#include <tuple>

#include "FormFixture.h"
#include "platform/AlarmSoundSetting.h"
#include "platform/Notifier.h"
#include "platform/SoundPlayer.h"
#include "rules/alarms/AlarmScheduler.h"
#include "rules/alarms/Reminder.h"
#include "support/Golden.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedPrompter.h"

namespace orvane {
namespace {

using test::Day;
using test::MakeAppointment;

// Stands in for the sound, the desktop's notices and the reminder box, recording all three
// in one list. Answers each reminder from a script: tick the box or not; an unscripted one
// is OK alone. The notice on screen can be clicked.
class FakeAlerts : public SoundPlayer, public Notifier, public Reminder {
public:
    void PlayLooped(const std::string& path) override
    {
        playing = true;
        events.push_back("play " + path);
    }
    void StopAll() override
    {
        playing = false;
        events.push_back("stop");
    }
    void Show(const Notice& notice, std::function<void()> onClick) override
    {
        events.push_back("notify " + notice.summary + " | " + notice.body);
        clicked = std::move(onClick);
    }
    void Withdraw() override
    {
        events.push_back("withdraw");
        clicked = nullptr;
    }
    int Show(Request& request) override
    {
        messages.push_back(request.message);
        events.push_back((playing ? "shown with sound: " : "shown silent: ") + request.message);
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
    void Raise() override { events.push_back("raised"); }

    std::vector<std::string> events;
    bool playing = false;
    std::function<void()> clicked;
    std::vector<bool> turnOff;
    bool failing = false;
    std::function<void()> whileOpen;
    std::vector<std::string> messages;
};

class AlarmSchedulerTest : public test::FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        m_scheduler =
            std::make_unique<AlarmScheduler>(Form(), m_alerts, m_alerts, m_settings, m_alerts);
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

    FakeAlerts m_alerts;
    MemorySettingsStore m_settings;
    std::unique_ptr<AlarmScheduler> m_scheduler;
};

// An empty description or an unticked alarm is never reminded.
TEST_F(AlarmSchedulerTest, DueFromTheSecondOfItsAlarmTime)
{
    AddAlarm("meeting", 9, 30);
    AddAlarm("", 8, 0);
    Appointment noAlarm = MakeAppointment("no alarm", Day(2026, 3, 10), 8, 0, false);
    noAlarm.AlarmTime = Day(2026, 3, 10, 8, 0);
    Db().Appointments().Add(noAlarm);
    Load();
    // The time of the tick and the reminders shown by then.
    for (const auto& [minute, second, reminders] :
         {std::tuple{29, 59, 0u}, {30, 0, 1u}, {30, 1, 2u}}) {
        m_clock.Get().Set(2026, 3, 10, 9, minute, second);
        Tick();
        EXPECT_EQ(m_alerts.messages.size(), reminders) << minute << ":" << second;
    }
}

TEST_F(AlarmSchedulerTest, OldAlarmComesBackEveryTickUntilTurnedOff)
{
    const int32_t id = AddAlarm("long ago", 1, 0);
    const PimDateTime alarmTime = Db().Appointments().Find(id)->AlarmTime;
    Load();
    m_alerts.turnOff = {false, false, true};

    Tick();
    Tick();
    EXPECT_EQ(m_alerts.messages.size(), 2u);
    EXPECT_TRUE(AlarmOf(id));
    EXPECT_FALSE(m_document.Modified()) << "OK without the box changes nothing";

    Tick();
    EXPECT_FALSE(AlarmOf(id));
    EXPECT_EQ(Db().Appointments().Find(id)->AlarmTime, alarmTime);
    EXPECT_TRUE(m_document.Modified());
    EXPECT_FALSE(Form().Appointments().Rows()[0].alarm) << "the row loses its mark";

    Tick();
    EXPECT_EQ(m_alerts.messages.size(), 3u);
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
    // The selected day, as an offset from today, and the reminders shown.
    const std::pair<int, std::vector<std::string>> cases[] = {
        {1, {fromToday}}, {-1, {fromYesterday, fromToday}}, {0, {fromToday}}, {20, {fromToday}}};
    for (const auto& [selected, messages] : cases) {
        SelectOffset(selected);
        m_alerts.messages.clear();
        Tick();
        EXPECT_EQ(m_alerts.messages, messages) << "selected " << selected;
    }
}

TEST_F(AlarmSchedulerTest, TwoDueAlarmsOneAfterTheOtherInIdOrder)
{
    // The first by ID starts later, so the list shows it second.
    const int32_t laterId = AddAlarm("later", 8, 0, 21);
    const int32_t earlyId = AddAlarm("early", 8, 0, 7);
    Load();
    ASSERT_EQ(Form().Appointments().Rows()[0].id, earlyId);
    m_alerts.turnOff = {true, false};
    // Ticks while a reminder is open add none.
    m_alerts.whileOpen = [&] {
        m_alerts.clicked();
        Tick();
    };

    Tick();
    // Beside each reminder a notice, whose click raises the reminder; withdrawn after OK.
    std::string events;
    for (const std::string& event : m_alerts.events) {
        events += event + "\n";
    }
    test::ExpectGolden(events, "rules/two-alarms.txt");
    EXPECT_FALSE(m_alerts.clicked);
    EXPECT_FALSE(AlarmOf(laterId));
    EXPECT_TRUE(AlarmOf(earlyId));
}

// A reminder that cannot open changes nothing, and the next appointment is still checked.
TEST_F(AlarmSchedulerTest, AFailedReminderChangesNothing)
{
    const int32_t id = AddAlarm("a", 8, 0);
    AddAlarm("b", 8, 0);
    Load();
    m_alerts.failing = true;
    m_alerts.turnOff = {true, true};
    Tick();
    EXPECT_EQ(m_alerts.messages.size(), 2u);
    EXPECT_TRUE(AlarmOf(id));
    EXPECT_FALSE(m_document.Modified());
}

// Cancel keeps the loaded sound; a choice is stored at once; one too long to store keeps
// and rewrites the previous one; one that cannot be stored is still used for this run.
TEST_F(AlarmSchedulerTest, ChooseSoundAsksForAWaveFileAndStoresAtOnce)
{
    ScriptedPrompter prompter;
    AlarmSoundSetting::Write(m_settings, "/sounds/gong.wav");
    m_scheduler->LoadSound();
    prompter.QueuePath(std::nullopt);
    m_scheduler->ChooseSound(prompter);
    EXPECT_EQ(m_scheduler->SoundPath(), "/sounds/gong.wav");

    prompter.QueuePath("/music/chime.wav");
    m_scheduler->ChooseSound(prompter);
    EXPECT_EQ(m_settings.ReadString("Alarm", "AlarmSound"), "/music/chime.wav");
    const FileDialogRequest& asked = prompter.FileQuestions().at(1).request;
    EXPECT_FALSE(prompter.FileQuestions()[1].save);
    EXPECT_EQ(asked.filters.at(0).pattern, "*.wav");
    EXPECT_EQ(asked.initialName, "/sounds/gong.wav");
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

#include <gtest/gtest.h>

#include "rules/editors/AppointmentEditorModel.h"
#include "rules/editors/EditorRules.h"
#include "support/Golden.h"
#include "support/SampleData.h"

namespace orvane::test {
namespace {

std::string HourMinute(const PimDateTime& time)
{
    return time.Format("%H:%M");
}

TEST(EditorRulesTest, NameNeedsFirstLastOrCompany)
{
    struct Case {
        const char* first;
        const char* last;
        const char* company;
        bool ok;
    };
    for (const Case& c :
         {Case{"", "", "", false}, Case{"Ann", "", "", true}, Case{"", "Lee", "", true},
          Case{"", "", "Lee Co", true}, Case{" ", "", "", true}}) {
        EXPECT_EQ(EditorRules::HasName(c.first, c.last, c.company), c.ok)
            << c.first << "|" << c.last << "|" << c.company;
    }
}

TEST(EditorRulesTest, PhoneKeysLetThroughOnlyNumberCharacters)
{
    // Control characters (backspace, the paste shortcut) and anything beyond ASCII pass.
    const std::pair<std::u32string, bool> keys[] = {{U"0123456789.()-+ ", true},
                                                    {U"aZx#*/,:;!~\x7f", false},
                                                    {U"\b\x16\x1f\x80\u00e9\u4e00", true}};
    for (const auto& [typed, accepted] : keys) {
        for (char32_t key : typed) {
            EXPECT_EQ(EditorRules::AcceptsPhoneKey(key), accepted) << static_cast<int>(key);
        }
    }
}

// Appointment on 10 March 2026 with the given start and end times.
AppointmentEditorModel AppointmentAt(int startHour, int startMinute, int endHour, int endMinute)
{
    Appointment a = MakeAppointment("x", Day(2026, 3, 10), startHour, startMinute);
    a.EndTime = Day(2026, 3, 10, endHour, endMinute);
    return AppointmentEditorModel::ForStored(a);
}

TEST(AppointmentEditorModelTest, ArrowsStepAndPushTheOtherTime)
{
    for (const auto& row : RowsOf("rules/appointment-arrows.txt")) {
        AppointmentEditorModel model =
            AppointmentAt(std::stoi(row[0]), std::stoi(row[0].substr(3)), std::stoi(row[1]),
                          std::stoi(row[1].substr(3)));
        row[2] == "begin" ? model.StepBegin(row[3] == "up") : model.StepEnd(row[3] == "up");
        const std::string label = row[0] + "-" + row[1] + " " + row[2] + " " + row[3];
        EXPECT_EQ(HourMinute(model.Start()), row[4]) << label;
        EXPECT_EQ(HourMinute(model.End()), row[5]) << label;
        EXPECT_EQ(model.Start().DateOnly(), Day(2026, 3, 10)) << label;
    }
}

TEST(AppointmentEditorModelTest, LeadMinutesOnOpening)
{
    struct Case {
        int secondsBefore;  // negative: the alarm lies after the start
        int lead;
    };
    for (const Case& c :
         {Case{0, 0}, Case{15 * 60, 15}, Case{7 * 60, 10}, Case{7 * 60 + 59, 10}, Case{58 * 60, 60},
          Case{60 * 60 + 30, 60}, Case{61 * 60, 0}, Case{-7 * 60, 10}, Case{-90 * 60, 0}}) {
        const PimDateTime start = Day(2026, 3, 10, 9, 0);
        const PimDateTime alarm = start - PimTimeSpan(0, 0, 0, c.secondsBefore);
        EXPECT_EQ(AppointmentEditorModel::LeadMinutesFor(alarm, start), c.lead) << c.secondsBefore;
    }
    EXPECT_EQ(AppointmentEditorModel::LeadMinutesFor(PimDateTime(), Day(2026, 3, 10, 9, 0)), 0);
}

TEST(AppointmentEditorModelTest, LeadArrowsStepByFiveAndWrap)
{
    struct Case {
        int from;
        bool up;
        int to;
    };
    for (const Case& c : {Case{0, true, 5}, Case{55, true, 60}, Case{60, true, 0},
                          Case{0, false, 60}, Case{5, false, 0}, Case{30, false, 25}}) {
        EXPECT_EQ(AppointmentEditorModel::StepLead(c.from, c.up), c.to)
            << c.from << (c.up ? " up" : " down");
    }
}

TEST(AppointmentEditorModelTest, AlarmTimeSetOnOk)
{
    Appointment stored = MakeAppointment("dentist", Day(2026, 3, 10), 9, 0);
    AppointmentEditorModel model = AppointmentEditorModel::ForStored(stored);
    model.SetAlarmChecked(true);
    model.Accept("15");
    model.ApplyTo(stored);
    EXPECT_TRUE(stored.Alarm);
    EXPECT_EQ(HourMinute(stored.AlarmTime), "08:45");
    EXPECT_EQ(AppointmentEditorModel::ForStored(stored).LeadMinutes(), 15);

    // More than an hour before: opens as 0, still checked, and OK moves it to the start.
    stored.AlarmTime = stored.StartTime - PimTimeSpan::Minutes(61);
    model = AppointmentEditorModel::ForStored(stored);
    EXPECT_EQ(model.LeadMinutes(), 0);
    EXPECT_TRUE(model.AlarmChecked());
    model.Accept("0");
    model.ApplyTo(stored);
    EXPECT_EQ(stored.AlarmTime, stored.StartTime);

    // Unchecking clears the flag and keeps the stored time.
    stored.AlarmTime = Day(2026, 3, 10, 8, 30);
    model = AppointmentEditorModel::ForStored(stored);
    model.SetAlarmChecked(false);
    model.Accept("45");
    model.ApplyTo(stored);
    EXPECT_FALSE(stored.Alarm);
    EXPECT_EQ(stored.AlarmTime, Day(2026, 3, 10, 8, 30));
}

TEST(AppointmentEditorModelTest, DefaultStartIsAQuarterHourOnTheSelectedDay)
{
    struct Case {
        int hour;
        int minute;
        const char* start;
    };
    const PimDateTime selected = Day(2026, 5, 20);
    for (const Case& c : {Case{10, 5, "10:00"}, Case{10, 20, "10:15"}, Case{10, 37, "11:30"},
                          Case{10, 50, "11:45"}, Case{23, 40, "00:30"}, Case{0, 0, "00:00"}}) {
        const PimDateTime now = Day(2026, 3, 10, c.hour, c.minute);
        const PimDateTime start = AppointmentEditorModel::DefaultStart(now, selected);
        EXPECT_EQ(HourMinute(start), c.start) << c.hour << ":" << c.minute;
        EXPECT_EQ(start.DateOnly(), selected) << c.hour << ":" << c.minute;
    }
}

TEST(AppointmentEditorModelTest, NewAppointmentDefaults)
{
    const AppointmentEditorModel model =
        AppointmentEditorModel::ForNew(Day(2026, 5, 20), Day(2026, 3, 10, 13, 20));
    EXPECT_EQ(model.Title(), "Add Appointment");
    EXPECT_FALSE(model.CanAccept());
    EXPECT_FALSE(model.AlarmChecked());
    EXPECT_EQ(model.Start(), Day(2026, 5, 20, 13, 15));
    EXPECT_EQ(model.AlarmTime(), model.Start());
    EXPECT_EQ(model.EndText(), "01:30 PM");
    EXPECT_EQ(AppointmentEditorModel::ArrowPosition(model.Start()), 53);
}

TEST(AppointmentEditorModelTest, PickingADayMovesTheTimesAndTheStepsFollow)
{
    Appointment stored = MakeAppointment("x", Day(2026, 3, 10), 9, 0);
    stored.AlarmTime = Day(2026, 3, 10, 8, 50);
    AppointmentEditorModel model = AppointmentEditorModel::ForStored(stored);
    model.PickDay(2026, 4, 2);
    EXPECT_EQ(model.Date(), Day(2026, 4, 2));
    EXPECT_EQ(model.Start(), Day(2026, 4, 2, 9, 0));
    EXPECT_EQ(model.End(), Day(2026, 4, 2, 10, 0));
    EXPECT_EQ(model.AlarmTime(), Day(2026, 4, 2, 8, 50));
    model.StepBegin(true);
    EXPECT_EQ(model.Start(), Day(2026, 4, 2, 9, 15));
}

}  // namespace
}  // namespace orvane::test

#include <gtest/gtest.h>

#include <tuple>

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
    const std::tuple<const char*, const char*, const char*, bool> cases[] = {
        {"", "", "", false},
        {"Ann", "", "", true},
        {"", "Lee", "", true},
        {"", "", "Lee Co", true},
        {" ", "", "", true}};
    for (const auto& [first, last, company, ok] : cases) {
        EXPECT_EQ(EditorRules::HasName(first, last, company), ok)
            << first << "|" << last << "|" << company;
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

TEST(AppointmentEditorModelTest, LeadMinutesOnOpeningAndTheirArrows)
{
    // Seconds between the alarm and the start (negative: the alarm lies after it), and the
    // lead the editor opens with.
    const std::pair<int, int> cases[] = {
        {0, 0},        {15 * 60, 15},      {7 * 60, 10}, {7 * 60 + 59, 10},
        {58 * 60, 60}, {60 * 60 + 30, 60}, {61 * 60, 0}, {-7 * 60, 10},
        {-90 * 60, 0}};
    const PimDateTime start = Day(2026, 3, 10, 9, 0);
    for (const auto& [secondsBefore, lead] : cases) {
        const PimDateTime alarm = start - PimTimeSpan(0, 0, 0, secondsBefore);
        EXPECT_EQ(AppointmentEditorModel::LeadMinutesFor(alarm, start), lead) << secondsBefore;
    }
    EXPECT_EQ(AppointmentEditorModel::LeadMinutesFor(PimDateTime(), start), 0);
    for (const auto& [from, up, to] : {std::tuple{0, true, 5},
                                       {55, true, 60},
                                       {60, true, 0},
                                       {0, false, 60},
                                       {5, false, 0},
                                       {30, false, 25}}) {
        EXPECT_EQ(AppointmentEditorModel::StepLead(from, up), to) << from << (up ? " up" : " down");
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
    const PimDateTime selected = Day(2026, 5, 20);
    for (const auto& [hour, minute, expected] : {std::tuple{10, 5, "10:00"},
                                                 {10, 20, "10:15"},
                                                 {10, 37, "11:30"},
                                                 {10, 50, "11:45"},
                                                 {23, 40, "00:30"},
                                                 {0, 0, "00:00"}}) {
        const PimDateTime start =
            AppointmentEditorModel::DefaultStart(Day(2026, 3, 10, hour, minute), selected);
        EXPECT_EQ(HourMinute(start), expected) << hour << ":" << minute;
        EXPECT_EQ(start.DateOnly(), selected) << hour << ":" << minute;
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

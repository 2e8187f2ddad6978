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

// A name, the lead an alarm opens with, its arrows, and the start proposed for a new
// appointment, from tests/data/rules/editor-values.txt.
TEST(AppointmentEditorModelTest, NamesLeadsAndDefaultStarts)
{
    const PimDateTime start = Day(2026, 3, 10, 9, 0), selected = Day(2026, 5, 20);
    for (const auto& row : RowsOf("rules/editor-values.txt")) {
        SCOPED_TRACE(row[0] + " " + row[1]);
        if (row[0] == "name") {
            EXPECT_EQ(EditorRules::HasName(row[1], row[2], row[3]), row[4] == "1");
        } else if (row[0] == "lead") {
            const PimDateTime alarm = start - PimTimeSpan(0, 0, 0, std::stoi(row[1]));
            EXPECT_EQ(AppointmentEditorModel::LeadMinutesFor(alarm, start), std::stoi(row[2]));
        } else if (row[0] == "step") {
            EXPECT_EQ(AppointmentEditorModel::StepLead(std::stoi(row[1]), row[2] == "up"),
                      std::stoi(row[3]));
        } else {
            const PimDateTime now =
                Day(2026, 3, 10, std::stoi(row[1]), std::stoi(row[1].substr(3)));
            const PimDateTime proposed = AppointmentEditorModel::DefaultStart(now, selected);
            EXPECT_EQ(HourMinute(proposed), row[2]);
            EXPECT_EQ(proposed.DateOnly(), selected);
        }
    }
    EXPECT_EQ(AppointmentEditorModel::LeadMinutesFor(PimDateTime(), start), 0);
}

TEST(AppointmentEditorModelTest, AlarmTimeSetOnOk)
{
    // More than an hour before: opens as 0, still checked, and OK moves it to the start.
    Appointment stored = MakeAppointment("dentist", Day(2026, 3, 10), 9, 0, true);
    stored.AlarmTime = stored.StartTime - PimTimeSpan::Minutes(61);
    AppointmentEditorModel model = AppointmentEditorModel::ForStored(stored);
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

TEST(AppointmentEditorModelTest, NewAppointmentDefaultsAndPickingADay)
{
    const AppointmentEditorModel model =
        AppointmentEditorModel::ForNew(Day(2026, 5, 20), Day(2026, 3, 10, 13, 20));
    EXPECT_FALSE(model.CanAccept());
    EXPECT_FALSE(model.AlarmChecked());
    EXPECT_EQ(model.AlarmTime(), model.Start());
    EXPECT_EQ(model.EndText(), "01:30 PM");
    EXPECT_EQ(AppointmentEditorModel::ArrowPosition(model.Start()), 53);

    // Picking a day moves the times, and the steps follow.
    Appointment stored = MakeAppointment("x", Day(2026, 3, 10), 9, 0);
    stored.AlarmTime = Day(2026, 3, 10, 8, 50);
    AppointmentEditorModel picked = AppointmentEditorModel::ForStored(stored);
    picked.PickDay(2026, 4, 2);
    EXPECT_EQ(picked.Date(), Day(2026, 4, 2));
    EXPECT_EQ(picked.Start(), Day(2026, 4, 2, 9, 0));
    EXPECT_EQ(picked.End(), Day(2026, 4, 2, 10, 0));
    EXPECT_EQ(picked.AlarmTime(), Day(2026, 4, 2, 8, 50));
    picked.StepBegin(true);
    EXPECT_EQ(picked.Start(), Day(2026, 4, 2, 9, 15));
}

}  // namespace
}  // namespace orvane::test

#include <tuple>

#include "FormFixture.h"

namespace orvane {
namespace {

using test::Day;
using test::MakeAppointment;
using test::MakeTask;

class DayIndexTest : public test::FormFixture {};

TEST_F(DayIndexTest, BusyDaysOfAMonthAndTheAppointmentsOfADay)
{
    const int32_t first = Db().Appointments().Add(MakeAppointment("a", Day(2026, 3, 10), 14, 0));
    Db().Appointments().Add(MakeAppointment("b", Day(2026, 3, 31), 9, 0));
    Db().Appointments().Add(MakeAppointment("c", Day(2026, 4, 1), 9, 0));
    const int32_t second = Db().Appointments().Add(MakeAppointment("d", Day(2026, 3, 10), 8, 0));
    Appointment timed = MakeAppointment("timed", Day(2026, 3, 15), 9, 0);
    timed.DueDate = Day(2026, 3, 15, 10, 0);  // a time of day: due on no day
    Db().Appointments().Add(timed);
    Db().Appointments().Add(MakeAppointment("e", Day(2026, 12, 31), 9, 0));
    Db().Appointments().Add(MakeAppointment("f", Day(1899, 12, 29), 9, 0));
    Db().Appointments().Add(MakeAppointment("g", Day(1899, 12, 30), 9, 0));
    Db().Tasks().Add(MakeTask("done", Day(2026, 3, 1), kPriorityDone));
    Db().Tasks().Add(MakeTask("open", Day(2026, 2, 28)));
    Db().Tasks().Add(MakeTask("same day", Day(2026, 3, 10)));
    m_document.SetModified(false, true);

    // A month and its busy days.
    const std::tuple<int, int, std::vector<int>> cases[] = {
        {2026, 3, {1, 10, 31}}, {2026, 4, {1}}, {2026, 2, {28}},      {2026, 5, {}},
        {2026, 12, {31}},       {2027, 1, {}},  {1899, 12, {29, 30}},
    };
    for (const auto& [year, month, days] : cases) {
        EXPECT_EQ(Form().Days().BusyDays(year, month), days) << year << "-" << month;
    }
    EXPECT_EQ(Form().Days().AppointmentsOn(Day(2026, 3, 10)),
              (std::vector<int32_t>{first, second}));
    EXPECT_TRUE(Form().Days().AppointmentsOn(Day(2026, 3, 15, 10, 0)).empty());
}

}  // namespace
}  // namespace orvane

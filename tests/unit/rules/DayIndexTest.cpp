#include "FormFixture.h"
#include "support/Golden.h"

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

    for (const auto& row : test::RowsOf("rules/busy-days.txt")) {
        std::string days;
        for (const int day : Form().Days().BusyDays(std::stoi(row[0]), std::stoi(row[1]))) {
            days += (days.empty() ? "" : ",") + std::to_string(day);
        }
        EXPECT_EQ(days, row.size() > 2 ? row[2] : "") << row[0] << "-" << row[1];
    }
    EXPECT_EQ(Form().Days().AppointmentsOn(Day(2026, 3, 10)),
              (std::vector<int32_t>{first, second}));
    EXPECT_TRUE(Form().Days().AppointmentsOn(Day(2026, 3, 15, 10, 0)).empty());
}

}  // namespace
}  // namespace orvane

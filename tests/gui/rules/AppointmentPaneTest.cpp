#include "FormFixture.h"
#include "views/CommandIds.h"

namespace orvane {
namespace {

using test::Day;
using test::MakeAppointment;

class AppointmentPaneTest : public test::FormFixture {};

TEST_F(AppointmentPaneTest, ListedByStartTimeWithEqualStartsInTheOrderAdded)
{
    const PimDateTime today = Day(2026, 3, 10);
    Db().Appointments().Add(MakeAppointment("afternoon", today, 14, 0));
    Db().Appointments().Add(MakeAppointment("first at nine", today, 9, 0));
    Db().Appointments().Add(MakeAppointment("second at nine", today, 9, 0));
    Db().Appointments().Add(MakeAppointment("tomorrow", Day(2026, 3, 11), 8, 0));
    Form().RefillAll();
    EXPECT_EQ(AppointmentTexts(),
              (std::vector<std::string>{"first at nine", "second at nine", "afternoon"}));
    EXPECT_EQ(Form().Appointments().TimeRangeText(2), "2:00 PM-3:00 PM");
}

TEST_F(AppointmentPaneTest, EndBeforeStartIsListedByStartAndShownAsStored)
{
    const PimDateTime today = Day(2026, 3, 10);
    Appointment odd = MakeAppointment("odd", today, 11, 0);
    odd.EndTime = Day(2026, 3, 10, 10, 15);
    Db().Appointments().Add(odd);
    Db().Appointments().Add(MakeAppointment("early", today, 10, 30));
    Form().RefillAll();
    EXPECT_EQ(AppointmentTexts(), (std::vector<std::string>{"early", "odd"}));
    EXPECT_EQ(Form().Appointments().TimeRangeText(1), "11:00 AM-10:15 AM");
}

TEST_F(AppointmentPaneTest, AlarmMarkFollowsTheRecord)
{
    const int32_t id = Db().Appointments().Add(MakeAppointment("x", Day(2026, 3, 10), 9, 0, true));
    Form().RefillAll();
    EXPECT_TRUE(Form().Appointments().Rows()[0].alarm);
    Appointment changed = *Db().Appointments().Find(id);
    changed.Alarm = false;
    Db().Appointments().Update(changed);
    m_document.SetModified(true, true);
    EXPECT_FALSE(Form().Appointments().Rows()[0].alarm);
}

TEST_F(AppointmentPaneTest, SecondDeleteWithoutAClickRemovesNothing)
{
    Form().SetEditors(&m_editors);
    const PimDateTime today = Day(2026, 3, 10);
    Db().Appointments().Add(MakeAppointment("a", today, 9, 0));
    Db().Appointments().Add(MakeAppointment("b", today, 10, 0));
    Form().RefillAll();
    Form().ClickAppointments(0);
    Form().HandleCommand(kCmdAppointmentDelete);
    EXPECT_EQ(AppointmentTexts(), std::vector<std::string>{"b"});
    EXPECT_EQ(Form().State().appointment.id, 1);
    Form().HandleCommand(kCmdAppointmentDelete);
    EXPECT_EQ(AppointmentTexts(), std::vector<std::string>{"b"});
    // Edit of the removed appointment opens nothing and creates nothing.
    Form().HandleCommand(kCmdAppointmentEdit);
    EXPECT_TRUE(m_editors.calls.empty());
    EXPECT_EQ(Db().Appointments().Count(), 1u);
}

TEST_F(AppointmentPaneTest, EditAndDeleteNeedTheAppointmentListClickedLast)
{
    Form().SetEditors(&m_editors);
    Db().Appointments().Add(MakeAppointment("a", Day(2026, 3, 10), 9, 0));
    Db().Tasks().Add(test::MakeTask("t", Day(2026, 3, 10)));
    Form().RefillAll();
    Form().ClickAppointments(0);
    Form().ClickTasks(-1);
    Form().HandleCommand(kCmdAppointmentDelete);
    Form().HandleCommand(kCmdAppointmentEdit);
    EXPECT_EQ(Db().Appointments().Count(), 1u);
    EXPECT_TRUE(m_editors.calls.empty());
    Form().ClickAppointments(0);
    Form().HandleCommand(kCmdAppointmentEdit);
    Form().HandleCommand(kCmdAppointmentAdd);
    EXPECT_EQ(m_editors.calls, (std::vector<std::string>{"EditAppointment 1", "AddAppointment"}));
}

TEST_F(AppointmentPaneTest, ChangingTheDayLeavesThePhoneBookAlone)
{
    Db().Persons().Add(test::MakePerson("Ann", "Lee", "", true, false));
    Db().Appointments().Add(MakeAppointment("a", Day(2026, 3, 12), 9, 0));
    Form().RefillAll();
    Form().ClickPhoneBook(0);
    ASSERT_EQ(Form().PhoneBook().ShownId(), 1);
    unsigned seen = 0;
    Form().SetListener([&seen](unsigned changes) { seen |= changes; });
    SelectOffset(2);
    EXPECT_EQ(AppointmentTexts(), std::vector<std::string>{"a"});
    EXPECT_EQ(Form().Caption(), "Thursday, March 12, 2026");
    EXPECT_EQ(Form().PhoneBook().ShownId(), 1);
    EXPECT_EQ(Form().State().person.id, 1);
    EXPECT_EQ(seen & (FormModel::kPhoneBookRows | FormModel::kDetails), 0u);
    EXPECT_EQ(m_document.SelectedDate(), Day(2026, 3, 12));
}

}  // namespace
}  // namespace orvane

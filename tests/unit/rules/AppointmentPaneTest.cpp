#include "FormFixture.h"
#include "rules/commands/CommandIds.h"

namespace orvane {
namespace {

using test::Day;
using test::MakeAppointment;
using Texts = std::vector<std::string>;

class AppointmentPaneTest : public test::FormFixture {};

TEST_F(AppointmentPaneTest, ListedByStartTimeWithEqualStartsInTheOrderAdded)
{
    const PimDateTime today = Day(2026, 3, 10);
    Db().Appointments().Add(MakeAppointment("afternoon", today, 14, 0));
    Db().Appointments().Add(MakeAppointment("first at nine", today, 9, 0));
    Db().Appointments().Add(MakeAppointment("second at nine", today, 9, 0));
    Db().Appointments().Add(MakeAppointment("tomorrow", Day(2026, 3, 11), 8, 0));
    Appointment odd = MakeAppointment("ends before it starts", today, 11, 0);
    odd.EndTime = Day(2026, 3, 10, 10, 15);
    Db().Appointments().Add(odd);
    Form().RefillAll();
    EXPECT_EQ(AppointmentTexts(),
              (Texts{"first at nine", "second at nine", "ends before it starts", "afternoon"}));
    EXPECT_EQ(Form().Appointments().TimeRangeText(2), "11:00 AM-10:15 AM");
    EXPECT_EQ(Form().Appointments().TimeRangeText(3), "2:00 PM-3:00 PM");
}

TEST_F(AppointmentPaneTest, EditAndDeleteActOnlyOnTheListClickedLastAndNotTwice)
{
    Form().SetEditors(&m_editors);
    Db().Appointments().Add(MakeAppointment("a", Day(2026, 3, 10), 9, 0));
    Db().Appointments().Add(MakeAppointment("b", Day(2026, 3, 10), 10, 0));
    Form().RefillAll();
    Form().ClickAppointments(0);
    Form().ClickTasks(-1);
    Form().HandleCommand(kCmdAppointmentDelete);
    Form().HandleCommand(kCmdAppointmentEdit);
    EXPECT_EQ(Db().Appointments().Count(), 2u);
    EXPECT_TRUE(m_editors.calls.empty());

    Form().ClickAppointments(1);
    Form().HandleCommand(kCmdAppointmentEdit);
    Form().HandleCommand(kCmdAppointmentAdd);
    EXPECT_EQ(m_editors.calls, (Texts{"EditAppointment 2", "AddAppointment"}));

    m_editors.calls.clear();
    Form().ClickAppointments(0);
    Form().HandleCommand(kCmdAppointmentDelete);
    EXPECT_EQ(AppointmentTexts(), Texts{"b"});
    EXPECT_EQ(Form().State().appointment.id, 1);
    // The second Delete removes nothing, and Edit of the removed one opens nothing.
    Form().HandleCommand(kCmdAppointmentDelete);
    Form().HandleCommand(kCmdAppointmentEdit);
    EXPECT_EQ(AppointmentTexts(), Texts{"b"});
    EXPECT_TRUE(m_editors.calls.empty());
    EXPECT_EQ(Db().Appointments().Count(), 1u);
    // A right click shows the menu over a row only.
    EXPECT_TRUE(Form().Appointments().ContextMenu(0));
    EXPECT_FALSE(Form().Appointments().ContextMenu(-1));
}

TEST_F(AppointmentPaneTest, ChangingTheDayLeavesThePhoneBookAlone)
{
    Db().Persons().Add(test::MakePerson("Ann", "Lee", "", true, false));
    Db().Appointments().Add(MakeAppointment("a", Day(2026, 3, 12), 9, 0));
    Form().RefillAll();
    Form().ClickPhoneBook(0);
    unsigned seen = 0;
    Form().SetListener([&seen](unsigned changes) { seen |= changes; });
    SelectOffset(2);
    EXPECT_EQ(AppointmentTexts(), Texts{"a"});
    EXPECT_EQ(Form().Caption(), "Thursday, March 12, 2026");
    EXPECT_EQ(Form().PhoneBook().ShownId(), 1);
    EXPECT_EQ(Form().State().person.id, 1);
    EXPECT_EQ(seen & (FormModel::kPhoneBookRows | FormModel::kDetails), 0u);
    EXPECT_EQ(m_document.SelectedDate(), Day(2026, 3, 12));
}

}  // namespace
}  // namespace orvane

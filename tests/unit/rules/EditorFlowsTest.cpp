#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "data/PimDocument.h"
#include "rules/editors/AppointmentEditorModel.h"
#include "rules/editors/EditorDialogs.h"
#include "rules/editors/EditorFlows.h"
#include "rules/editors/TaskEditorModel.h"
#include "rules/panes/FormModel.h"
#include "support/SampleData.h"
#include "support/TestEnvironment.h"

namespace orvane::test {
namespace {

// Stands in for the user: records what each editor opened with, then edits the values
// and confirms, or cancels.
class ScriptedDialogs : public EditorDialogs {
public:
    bool confirm = true;
    std::string personCaption;
    Person personOpened;
    TaskEditorModel taskOpened;
    std::unique_ptr<AppointmentEditorModel> appointmentOpened;
    User userOpened;
    std::function<void(Person&)> editPerson = [](Person&) {};
    std::function<void(TaskEditorModel&)> editTask = [](TaskEditorModel&) {};
    std::function<void(AppointmentEditorModel&)> editAppointment = [](AppointmentEditorModel&) {};
    std::function<void(User&)> editUser = [](User&) {};

    bool RunPerson(const std::string& caption, Person& person) override
    {
        personCaption = caption;
        personOpened = person;
        return Finish(person, editPerson);
    }
    bool RunTask(TaskEditorModel& model) override
    {
        taskOpened = model;
        return Finish(model, editTask);
    }
    bool RunAppointment(AppointmentEditorModel& model) override
    {
        appointmentOpened = std::make_unique<AppointmentEditorModel>(model);
        return Finish(model, editAppointment);
    }
    bool RunUser(User& user) override
    {
        userOpened = user;
        return Finish(user, editUser);
    }

private:
    template <class T>
    bool Finish(T& values, const std::function<void(T&)>& edit)
    {
        if (!confirm) {
            return false;
        }
        edit(values);
        return true;
    }
};

class EditorFlowsTest : public ::testing::Test {
protected:
    EditorFlowsTest() : m_clock(2026, 3, 10, 10, 37), m_form(m_document), m_flows(m_form, m_dialogs)
    {
        Db().Persons().Add(MakePerson("Ann", "Lee", "", true, false));
        Db().Persons().Add(MakePerson("Bo", "Moe", "", true, false));
        Db().Tasks().Add(MakeTask("first", Day(2026, 3, 10)));
        Db().Appointments().Add(MakeAppointment("meeting", Day(2026, 3, 10), 9, 0));
        m_document.SetModified(false, true);
    }

    PimDatabase& Db() { return m_document.Database(); }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (int row = 0; row < m_form.PhoneBook().RowCount(); ++row) {
            names.push_back(m_form.PhoneBook().RowAt(row).name);
        }
        return names;
    }

    ScopedClock m_clock;
    PimDocument m_document;
    FormModel m_form;
    ScriptedDialogs m_dialogs;
    EditorFlows m_flows;
};

TEST_F(EditorFlowsTest, AddPersonOpensEmptyInWhitePagesAndStoresTheDisplayName)
{
    m_dialogs.editPerson = [](Person& p) {
        p.FName = "Cy";
        p.LName = "Abe";
        p.WkPhone = "555-1234";
    };
    m_flows.AddPerson();
    EXPECT_EQ(m_dialogs.personCaption, "Add Person");
    EXPECT_EQ(m_dialogs.personOpened.WhitePages, 1);
    EXPECT_EQ(m_dialogs.personOpened.YellowPages, 0);

    const Person* added = Db().Persons().Find(3);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->WkPhone, "555-1234");
    EXPECT_TRUE(m_document.Modified());
    EXPECT_EQ(Names(), (std::vector<std::string>{"Abe, Cy", "Lee, Ann", "Moe, Bo"}));
    EXPECT_EQ(m_form.State().person.id, -1);
}

TEST_F(EditorFlowsTest, PersonWithOnlyACompanyOrUnlistedIsStillSaved)
{
    m_dialogs.editPerson = [](Person& p) { p.Company = "Acme"; };
    m_flows.AddPerson();
    ASSERT_NE(Db().Persons().Find(3), nullptr);
    EXPECT_EQ(Db().Persons().Find(3)->Company, "Acme");

    m_dialogs.editPerson = [](Person& p) {
        p.FName = "Hidden";
        p.WhitePages = 0;
        p.YellowPages = 0;
    };
    m_flows.AddPerson();
    ASSERT_NE(Db().Persons().Find(4), nullptr);
    const std::vector<std::string> names = Names();
    EXPECT_EQ(std::count(names.begin(), names.end(), "Hidden"), 0);
    m_form.SetListing(Listing::YellowPages);
    EXPECT_EQ(m_form.PhoneBook().RowCount(), 0);
}

TEST_F(EditorFlowsTest, EditedPersonMovesInTheListAndNobodyStaysSelected)
{
    m_form.ClickPhoneBook(0);  // Lee, Ann
    ASSERT_EQ(m_form.State().person.id, 1);
    m_dialogs.editPerson = [](Person& p) {
        p.LName = "Zed";
        p.ID = 99;  // the dialog cannot renumber the record
    };
    m_flows.EditPerson(1);
    EXPECT_EQ(m_dialogs.personCaption, "Edit Person");
    EXPECT_EQ(m_dialogs.personOpened.LName, "Lee");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Moe, Bo", "Zed, Ann"}));
    EXPECT_EQ(Db().Persons().Find(99), nullptr);
    EXPECT_EQ(m_form.State().person.id, -1);
    EXPECT_EQ(m_form.PhoneBook().ShownId(), -1);
    EXPECT_TRUE(m_document.Modified());
}

TEST_F(EditorFlowsTest, CancelChangesNothing)
{
    m_dialogs.confirm = false;
    m_dialogs.editPerson = [](Person& p) { p.FName = "X"; };
    m_flows.AddPerson();
    m_flows.EditPerson(1);
    m_flows.AddTask();
    m_flows.EditTask(1);
    m_flows.AddAppointment();
    m_flows.EditAppointment(1);
    m_flows.EditUser();
    EXPECT_FALSE(m_document.Modified());
    EXPECT_EQ(Db().Persons().Count(), 2u);
    EXPECT_EQ(Db().Persons().Find(1)->FName, "Ann");
    EXPECT_EQ(Db().Tasks().Count(), 1u);
    EXPECT_EQ(Db().Appointments().Count(), 1u);
}

TEST_F(EditorFlowsTest, AddTaskOnTheSelectedDayAndEditKeepsTheDoneDate)
{
    m_form.SelectDay(2026, 3, 12);
    m_dialogs.editTask = [](TaskEditorModel& m) {
        m.Text = "buy milk";
        m.Priority = kPriorityMedium;
    };
    m_flows.AddTask();
    EXPECT_EQ(m_dialogs.taskOpened.Date, Day(2026, 3, 12));
    const Task* added = Db().Tasks().Find(2);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Description, "buy milk");
    EXPECT_EQ(added->Priority, kPriorityMedium);
    EXPECT_EQ(added->DueDate, Day(2026, 3, 12));
    EXPECT_TRUE(m_document.Modified());
    ASSERT_EQ(m_form.Tasks().Rows().size(), 1u);

    Task stored = *Db().Tasks().Find(1);
    stored.DoneDate = Day(2026, 3, 1);
    Db().Tasks().Update(stored);
    m_dialogs.editTask = [](TaskEditorModel& m) {
        m.Priority = kPriorityDone;
        m.PickDay(2026, 3, 11);
    };
    m_flows.EditTask(1);
    EXPECT_EQ(m_dialogs.taskOpened.Text, "first");
    const Task* edited = Db().Tasks().Find(1);
    EXPECT_EQ(edited->Priority, kPriorityDone);
    EXPECT_EQ(edited->DueDate, Day(2026, 3, 11));
    EXPECT_EQ(edited->DoneDate, Day(2026, 3, 1));

    m_flows.EditTask(42);  // no such task: no editor, no record
    EXPECT_EQ(Db().Tasks().Count(), 2u);
}

TEST_F(EditorFlowsTest, AddAppointmentProposesTheNextQuarterHour)
{
    m_dialogs.editAppointment = [](AppointmentEditorModel& m) {
        m.SetText("lunch");
        m.SetAlarmChecked(true);
        m.Accept("10");
    };
    m_flows.AddAppointment();
    ASSERT_NE(m_dialogs.appointmentOpened, nullptr);
    EXPECT_EQ(m_dialogs.appointmentOpened->Start(), Day(2026, 3, 10, 11, 30));  // now 10:37
    const Appointment* added = Db().Appointments().Find(2);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Description, "lunch");
    EXPECT_EQ(added->DueDate, Day(2026, 3, 10));
    EXPECT_EQ(added->EndTime.Format("%F %T"), "2026-03-10 11:45:00");
    EXPECT_TRUE(added->Alarm);
    EXPECT_EQ(added->AlarmTime.Format("%F %T"), "2026-03-10 11:20:00");
    EXPECT_EQ(m_form.Appointments().Rows().size(), 2u);
}

TEST_F(EditorFlowsTest, EditAppointmentWritesBackAndClearsDone)
{
    Appointment stored = *Db().Appointments().Find(1);
    stored.Done = true;
    Db().Appointments().Update(stored);
    m_dialogs.editAppointment = [](AppointmentEditorModel& m) {
        m.StepBegin(true);
        m.Accept("0");
    };
    m_flows.EditAppointment(1);
    EXPECT_EQ(m_dialogs.appointmentOpened->Title(), "Edit Appointment");
    const Appointment* edited = Db().Appointments().Find(1);
    EXPECT_EQ(edited->StartTime, Day(2026, 3, 10, 9, 15));
    EXPECT_FALSE(edited->Done);
    EXPECT_EQ(edited->Description, "meeting");
    EXPECT_TRUE(m_document.Modified());
}

TEST_F(EditorFlowsTest, EditUserTakesTheFields)
{
    Db().GetUser().City = "Keene";
    m_dialogs.editUser = [](User& u) { u.FName = "Pat"; };
    m_flows.EditUser();
    EXPECT_EQ(m_dialogs.userOpened.City, "Keene");
    EXPECT_EQ(Db().GetUser().FName, "Pat");
    EXPECT_TRUE(m_document.Modified());
}

}  // namespace
}  // namespace orvane::test

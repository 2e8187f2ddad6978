#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "data/PimDocument.h"
#include "rules/editors/AppointmentEditorModel.h"
#include "rules/editors/EditorDialogs.h"
#include "rules/editors/EditorFlows.h"
#include "rules/editors/TaskEditorModel.h"
#include "rules/panes/FormModel.h"
#include "storage/StorageTestSupport.h"
#include "support/Golden.h"
#include "support/SampleData.h"
#include "support/TestEnvironment.h"

namespace orvane::test {
namespace {

// Stands in for the user: notes what each editor opened with, then edits the values and
// confirms, or cancels.
class ScriptedDialogs : public EditorDialogs {
public:
    bool confirm = true;
    std::string log;
    std::function<void(Person&)> editPerson = [](Person&) {};
    std::function<void(TaskEditorModel&)> editTask = [](TaskEditorModel&) {};
    std::function<void(AppointmentEditorModel&)> editAppointment = [](AppointmentEditorModel&) {};
    std::function<void(User&)> editUser = [](User&) {};

    bool RunPerson(const std::string& caption, Person& person) override
    {
        log += "opened " + caption + " [" + person.FName + "] [" + person.LName + "] pages " +
               std::to_string(person.WhitePages) + std::to_string(person.YellowPages) + "\n";
        return Finish(person, editPerson);
    }
    bool RunTask(TaskEditorModel& model) override
    {
        log += "opened task [" + model.Text + "] " + TimeText(model.Date) + "\n";
        return Finish(model, editTask);
    }
    bool RunAppointment(AppointmentEditorModel& model) override
    {
        log += "opened " + model.Title() + " " + TimeText(model.Start()) + "\n";
        return Finish(model, editAppointment);
    }
    bool RunUser(User& user) override
    {
        log += "opened user [" + user.FName + "] [" + user.City + "]\n";
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

// Each test ends comparing what the editors opened with and what the form and the records
// became after each step with tests/data/rules/editor-flows/TESTNAME.txt.
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
    ~EditorFlowsTest() override
    {
        const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        ExpectGolden(m_dialogs.log, "rules/editor-flows/" + name + ".txt");
    }

    PimDatabase& Db() { return m_document.Database(); }
    // The form and the records as they are now.
    void Step(const std::string& what)
    {
        std::string& log = m_dialogs.log;
        log +=
            "== " + what + "\nmodified " + std::to_string(m_document.Modified()) + ", phone book";
        for (int row = 0; row < m_form.PhoneBook().RowCount(); ++row) {
            log += " [" + m_form.PhoneBook().RowAt(row).name + "]";
        }
        log += ", selected " + std::to_string(m_form.State().person.id) + " shown " +
               std::to_string(m_form.PhoneBook().ShownId()) + ", rows " +
               std::to_string(m_form.Tasks().Rows().size()) + " tasks " +
               std::to_string(m_form.Appointments().Rows().size()) + " appointments\n" +
               RecordsText(Db());
    }

    ScopedClock m_clock;
    PimDocument m_document;
    FormModel m_form;
    ScriptedDialogs m_dialogs;
    EditorFlows m_flows;
};

TEST_F(EditorFlowsTest, AddPersonOpensEmptyInWhitePagesAndSavesAnyName)
{
    m_dialogs.editPerson = [](Person& p) {
        p.FName = "Cy";
        p.LName = "Abe";
        p.WkPhone = "555-1234";
    };
    m_flows.AddPerson();
    Step("added");

    // One with only a company or unlisted is still saved.
    m_dialogs.editPerson = [](Person& p) { p.Company = "Acme"; };
    m_flows.AddPerson();
    m_dialogs.editPerson = [](Person& p) {
        p.FName = "Hidden";
        p.WhitePages = 0;
        p.YellowPages = 0;
    };
    m_flows.AddPerson();
    Step("added a company and an unlisted person");
    m_form.SetListing(Listing::YellowPages);
    Step("yellow pages");
}

TEST_F(EditorFlowsTest, CancelChangesNothingAnEditedPersonMovesAndNobodyStaysSelected)
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
    Step("cancelled all");

    m_dialogs.confirm = true;
    m_form.ClickPhoneBook(0);  // Lee, Ann
    Step("clicked");
    m_dialogs.editPerson = [](Person& p) {
        p.LName = "Zed";
        p.ID = 99;  // the dialog cannot renumber the record
    };
    m_flows.EditPerson(1);
    Step("edited");

    // The user's sheet takes the fields.
    m_document.SetModified(false, true);
    Db().GetUser().City = "Keene";
    m_dialogs.editUser = [](User& u) { u.FName = "Pat"; };
    m_flows.EditUser();
    Step("edited the user");
}

TEST_F(EditorFlowsTest, AddOnTheSelectedDayAndEdit)
{
    m_form.SelectDay(2026, 3, 12);
    m_dialogs.editTask = [](TaskEditorModel& m) {
        m.Text = "buy milk";
        m.Priority = kPriorityMedium;
    };
    m_flows.AddTask();
    Step("added on the 12th");

    Task stored = *Db().Tasks().Find(1);
    stored.DoneDate = Day(2026, 3, 1);
    Db().Tasks().Update(stored);
    m_dialogs.editTask = [](TaskEditorModel& m) {
        m.Priority = kPriorityDone;
        m.PickDay(2026, 3, 11);
    };
    m_flows.EditTask(1);
    m_flows.EditTask(42);  // no such task: no editor, no record
    Step("edited");

    // An appointment added on the selected day; an edit clears Done.
    m_dialogs.editAppointment = [](AppointmentEditorModel& m) {
        m.SetText("lunch");
        m.SetAlarmChecked(true);
        m.Accept("10");
    };
    m_flows.AddAppointment();  // now 10:37
    Step("added an appointment");

    Appointment meeting = *Db().Appointments().Find(1);
    meeting.Done = true;
    Db().Appointments().Update(meeting);
    m_dialogs.editAppointment = [](AppointmentEditorModel& m) {
        m.StepBegin(true);
        m.Accept("0");
    };
    m_flows.EditAppointment(1);
    Step("edited the appointment");
}

}  // namespace
}  // namespace orvane::test

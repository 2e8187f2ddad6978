#include <gtest/gtest.h>

#include "app/CommandStates.h"
#include "views/CommandIds.h"

namespace orvane {
namespace {

const int kRecordBound[] = {
    kCmdReportAddressBook,  kCmdReportEnvelopes, kCmdExportPersons, kCmdReportDailyPlan,
    kCmdReportDailyTasks,   kCmdCompact,         kCmdExportTasks,   kCmdReportDailyAppointments,
    kCmdExportAppointments, kCmdPrint,           kCmdPrintPreview,  kCmdSave};

TEST(CommandStates, EmptyDatabaseAtStartUp)
{
    const CommandStates states = CommandStates::Compute({});
    for (int id : kRecordBound) {
        EXPECT_FALSE(states.IsEnabled(id)) << id;
    }
    for (int id : {kCmdTaskDelete, kCmdTaskEdit, kCmdTaskComplete, kCmdPersonDelete, kCmdPersonEdit,
                   kCmdAppointmentDelete, kCmdAppointmentEdit}) {
        EXPECT_FALSE(states.IsEnabled(id)) << id;
    }
    for (int id :
         {kCmdNew, kCmdOpen, kCmdSaveAs, kCmdTaskAdd, kCmdPersonAdd, kCmdAppointmentAdd,
          kCmdPageSetup, kCmdReportFont, kCmdImportTasks, kCmdEditUser, kCmdAbout, kCmdExit}) {
        EXPECT_TRUE(states.IsEnabled(id)) << id;
    }
}

struct CountCase {
    size_t persons, tasks, appointments;
    std::vector<int> enabled;  // of the record-bound commands
};

class CommandStateCounts : public ::testing::TestWithParam<CountCase> {};

TEST_P(CommandStateCounts, RecordCountsEnableTheirCommands)
{
    CommandStates::Input input;
    input.persons = GetParam().persons;
    input.tasks = GetParam().tasks;
    input.appointments = GetParam().appointments;
    const CommandStates states = CommandStates::Compute(input);
    const std::vector<int>& on = GetParam().enabled;
    for (int id : kRecordBound) {
        EXPECT_EQ(states.IsEnabled(id), std::find(on.begin(), on.end(), id) != on.end()) << id;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Counts, CommandStateCounts,
    ::testing::Values(
        CountCase{1, 0, 0, {kCmdReportAddressBook, kCmdReportEnvelopes, kCmdExportPersons}},
        CountCase{
            0, 2, 0, {kCmdReportDailyPlan, kCmdReportDailyTasks, kCmdCompact, kCmdExportTasks}},
        CountCase{
            0, 0, 3, {kCmdReportDailyPlan, kCmdReportDailyAppointments, kCmdExportAppointments}}));

TEST(CommandStates, TaskCommandsFollowTheListClickedLast)
{
    CommandStates::Input input;
    input.tasks = 1;
    input.form.task = {0, 1};
    input.form.activeList = PaneList::Tasks;
    EXPECT_TRUE(CommandStates::Compute(input).IsEnabled(kCmdTaskComplete));
    // The task row is still highlighted, but the appointment list was clicked since.
    input.form.activeList = PaneList::Appointments;
    const CommandStates states = CommandStates::Compute(input);
    for (int id : {kCmdTaskDelete, kCmdTaskEdit, kCmdTaskComplete, kCmdAppointmentDelete,
                   kCmdAppointmentEdit}) {
        EXPECT_FALSE(states.IsEnabled(id)) << id;
    }
    input.form.appointment = {0, 5};
    EXPECT_TRUE(CommandStates::Compute(input).IsEnabled(kCmdAppointmentEdit));
}

TEST(CommandStates, PersonCommandsNeedASelectedPerson)
{
    CommandStates::Input input;
    input.form.activeList = PaneList::PhoneBook;
    EXPECT_FALSE(CommandStates::Compute(input).IsEnabled(kCmdPersonEdit));
    input.form.person = {-1, 3};  // clicked below the rows after picking a person
    EXPECT_TRUE(CommandStates::Compute(input).IsEnabled(kCmdPersonDelete));
}

TEST(CommandStates, ReportKindChecksItsCommandAndEnablesPrinting)
{
    const int byKind[] = {0,
                          kCmdReportAddressBook,
                          kCmdReportEnvelopes,
                          kCmdReportDailyPlan,
                          kCmdReportDailyTasks,
                          kCmdReportDailyAppointments};
    for (int kind = 0; kind <= 5; ++kind) {
        CommandStates::Input input;
        input.form.reportKind = kind;
        const CommandStates states = CommandStates::Compute(input);
        for (int other = 1; other <= 5; ++other) {
            EXPECT_EQ(states.IsChecked(byKind[other]), other == kind) << kind << " " << other;
        }
        EXPECT_EQ(states.IsEnabled(kCmdPrint), kind != 0);
        EXPECT_EQ(states.IsEnabled(kCmdPrintPreview), kind != 0);
    }
}

TEST(CommandStates, PreviewPaging)
{
    CommandStates::Input input;
    input.previewing = true;
    input.pageCount = 3;
    input.currentPage = 0;
    CommandStates states = CommandStates::Compute(input);
    EXPECT_TRUE(states.IsEnabled(kCmdPreviewNext));
    EXPECT_FALSE(states.IsEnabled(kCmdPreviewPrevious));
    input.currentPage = 2;
    states = CommandStates::Compute(input);
    EXPECT_FALSE(states.IsEnabled(kCmdPreviewNext));
    EXPECT_TRUE(states.IsEnabled(kCmdPreviewPrevious));
    input.previewing = false;
    EXPECT_FALSE(CommandStates::Compute(input).IsEnabled(kCmdPreviewClose));
}

TEST(CommandStates, ModifiedEnablesSaveAndBarsAreChecked)
{
    CommandStates::Input input;
    input.modified = true;
    input.toolbarVisible = false;
    const CommandStates states = CommandStates::Compute(input);
    EXPECT_TRUE(states.IsEnabled(kCmdSave));
    EXPECT_FALSE(states.IsChecked(kCmdViewToolbar));
    EXPECT_TRUE(states.IsChecked(kCmdViewStatusBar));
}

}  // namespace
}  // namespace orvane

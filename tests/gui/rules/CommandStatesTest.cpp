#include <gtest/gtest.h>

#include "rules/commands/CommandIds.h"
#include "rules/commands/CommandStates.h"

namespace orvane {
namespace {

using Input = CommandStates::Input;

Input Clicked(PaneList active, ListSelection task, ListSelection appointment = {},
              ListSelection person = {})
{
    Input input;
    input.form.activeList = active;
    input.form.task = task;
    input.form.appointment = appointment;
    input.form.person = person;
    return input;
}

Input Preview(bool on, int currentPage)
{
    Input input;
    input.previewing = on;
    input.pageCount = 3;
    input.currentPage = currentPage;
    input.canZoomIn = true;
    return input;
}

// Record-count enabling is checked through the window against the command table; these are
// the states that follow the selection and the preview.
TEST(CommandStates, EnablingFollowsTheSelectionAndThePreview)
{
    struct Case {
        const char* name;
        Input input;
        std::vector<int> on, off;
    };
    const Case cases[] = {
        {"task clicked last",
         Clicked(PaneList::Tasks, {0, 1}),
         {kCmdTaskComplete, kCmdTaskDelete, kCmdTaskEdit},
         {kCmdAppointmentEdit, kCmdPersonEdit}},
        {"task row still highlighted, appointment list clicked since",
         Clicked(PaneList::Appointments, {0, 1}),
         {},
         {kCmdTaskDelete, kCmdTaskEdit, kCmdTaskComplete, kCmdAppointmentDelete,
          kCmdAppointmentEdit}},
        {"appointment clicked last",
         Clicked(PaneList::Appointments, {}, {0, 5}),
         {kCmdAppointmentEdit, kCmdAppointmentDelete},
         {kCmdTaskEdit}},
        {"phone book without a person", Clicked(PaneList::PhoneBook, {}), {}, {kCmdPersonEdit}},
        {"clicked below the rows after picking a person",
         Clicked(PaneList::PhoneBook, {}, {}, {-1, 3}),
         {kCmdPersonDelete, kCmdPersonEdit},
         {}},
        {"first of three preview pages",
         Preview(true, 0),
         {kCmdPreviewNext, kCmdPreviewClose, kCmdZoomIn},
         {kCmdPreviewPrevious}},
        {"last of three preview pages", Preview(true, 2), {kCmdPreviewPrevious}, {kCmdPreviewNext}},
        {"no preview",
         Preview(false, 1),
         {},
         {kCmdPreviewClose, kCmdPreviewNext, kCmdPreviewPrevious, kCmdZoomIn}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CommandStates states = CommandStates::Compute(c.input);
        for (int id : c.on) {
            EXPECT_TRUE(states.IsEnabled(id)) << id;
        }
        for (int id : c.off) {
            EXPECT_FALSE(states.IsEnabled(id)) << id;
        }
    }
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
        Input input;
        input.form.reportKind = kind;
        const CommandStates states = CommandStates::Compute(input);
        for (int other = 1; other <= 5; ++other) {
            EXPECT_EQ(states.IsChecked(byKind[other]), other == kind) << kind << " " << other;
        }
        EXPECT_EQ(states.IsEnabled(kCmdPrint), kind != 0);
        EXPECT_EQ(states.IsEnabled(kCmdPrintPreview), kind != 0);
    }
}

}  // namespace
}  // namespace orvane

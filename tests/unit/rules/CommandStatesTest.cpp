#include <gtest/gtest.h>

#include <set>

#include "rules/commands/CommandIds.h"
#include "rules/commands/CommandStates.h"
#include "rules/commands/CommandTable.h"
#include "support/Golden.h"

namespace orvane {
namespace {

using Input = CommandStates::Input;

void CollectIds(const std::vector<CommandTable::MenuEntry>& entries, std::set<int>& ids)
{
    for (const CommandTable::MenuEntry& entry : entries) {
        if (entry.kind == CommandTable::MenuEntry::Kind::Command) {
            ids.insert(entry.id);
        }
        CollectIds(entry.children, ids);
    }
}

Input Clicked(PaneList active, ListSelection task, ListSelection appointment = {},
              ListSelection person = {})
{
    Input input;
    input.form = {active, person, task, appointment};
    return input;
}

Input Preview(bool on, int currentPage, bool zoomIn, bool zoomOut)
{
    Input input;
    input.previewing = on;
    input.pageCount = 3;
    input.currentPage = currentPage;
    input.canZoomIn = zoomIn;
    input.canZoomOut = zoomOut;
    return input;
}

Input Records(bool modified, size_t persons, size_t tasks, size_t appointments, int reportKind)
{
    Input input;
    input.modified = modified;
    input.persons = persons;
    input.tasks = tasks;
    input.appointments = appointments;
    input.form.reportKind = reportKind;
    input.toolbarVisible = input.statusBarVisible = persons == 0;
    return input;
}

Input VersionsAndSync()
{
    Input input;
    input.hasVersions = input.canSynchronize = true;
    return input;
}

// The disabled and the checked commands of the menu bar and the preview toolbar, for
// states of the selection, the preview, the records and the chosen report.
TEST(CommandStates, EveryCommandsStateMatchesTheGoldenFile)
{
    std::set<int> ids;
    CollectIds(CommandTable::MenuBar(), ids);
    ids.insert({kCmdPreviewClose, kCmdPreviewNext, kCmdPreviewPrevious, kCmdZoomIn, kCmdZoomOut});
    const std::pair<const char*, Input> cases[] = {
        {"task clicked last", Clicked(PaneList::Tasks, {0, 1})},
        {"task highlighted, appointments clicked since", Clicked(PaneList::Appointments, {0, 1})},
        {"appointment clicked last", Clicked(PaneList::Appointments, {}, {0, 5})},
        {"phone book without a person", Clicked(PaneList::PhoneBook, {})},
        {"below the rows after a person", Clicked(PaneList::PhoneBook, {}, {}, {-1, 3})},
        {"first preview page", Preview(true, 0, true, false)},
        {"last preview page", Preview(true, 2, false, true)},
        {"no preview", Preview(false, 1, true, true)},
        {"modified, no records", Records(true, 0, 0, 0, 0)},
        {"persons, address book", Records(false, 1, 0, 0, 1)},
        {"persons, envelopes", Records(false, 2, 0, 0, 2)},
        {"tasks, daily plan", Records(false, 0, 1, 0, 3)},
        {"tasks, daily tasks", Records(false, 0, 1, 0, 4)},
        {"appointments, daily appointments", Records(false, 0, 0, 1, 5)},
        {"versions kept, sync set up", VersionsAndSync()},
    };
    std::string out;
    for (const auto& [name, input] : cases) {
        const CommandStates states = CommandStates::Compute(input);
        std::string off, checked;
        for (int id : ids) {
            off += states.IsEnabled(id) ? "" : " " + std::to_string(id);
            checked += states.IsChecked(id) ? " " + std::to_string(id) : "";
        }
        out += std::string(name) + ":\n  off" + off + "\n  checked" + checked + "\n";
    }
    test::ExpectGolden(out, "menu/command-states.txt");
}

}  // namespace
}  // namespace orvane

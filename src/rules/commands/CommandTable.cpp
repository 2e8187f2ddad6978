#include "rules/commands/CommandTable.h"

#include <map>

#include "rules/commands/CommandIds.h"

namespace orvane {

namespace {

using Entry = CommandTable::MenuEntry;
using Kind = CommandTable::MenuEntry::Kind;

Entry Item(int id, const char* text, const char* shortcut = "")
{
    return Entry{Kind::Command, id, text, shortcut, {}};
}

Entry Separator()
{
    return Entry{Kind::Separator, 0, "", "", {}};
}

Entry Menu(const char* text, std::vector<Entry> children)
{
    return Entry{Kind::Submenu, 0, text, "", std::move(children)};
}

std::vector<Entry> BuildMenuBar()
{
    return {
        Menu("&File",
             {Item(kCmdNew, "&New", "Ctrl+N"), Item(kCmdOpen, "&Open...", "Ctrl+O"),
              Item(kCmdSave, "&Save", "Ctrl+S"), Item(kCmdSaveAs, "Save &As..."), Separator(),
              Item(kCmdCompact, "&Compact"),
              Menu("&Import",
                   {Item(kCmdImportTasks, "&Tasks..."), Item(kCmdImportPersons, "&Phone Book..."),
                    Item(kCmdImportAppointments, "&Appointments..."), Separator(),
                    Item(kCmdImportVCard, "&Contacts (vCard)..."),
                    Item(kCmdImportICalendar, "Ca&lendar (iCalendar)...")}),
              Menu("&Export",
                   {Item(kCmdExportTasks, "&Tasks..."), Item(kCmdExportPersons, "&Phone Book..."),
                    Item(kCmdExportAppointments, "&Appointments..."), Separator(),
                    Item(kCmdExportVCard, "Phone Book as &vCard..."),
                    Item(kCmdExportICalendar, "&Calendar as iCalendar...")}),
              Separator(), Item(kCmdPrint, "&Print...", "Ctrl+P"),
              Item(kCmdPageSetup, "Page Set&up..."), Item(kCmdPrintPreview, "Print Pre&view..."),
              Separator(), Menu("Recent &Files", {Item(kCmdRecentFirst, "(Empty)")}), Separator(),
              Item(kCmdRestoreVersion, "Restore Previous &Version..."),
              Item(kCmdSynchronize, "S&ynchronize"), Separator(), Item(kCmdExit, "E&xit")}),
        Menu("&Tasks", {Item(kCmdTaskAdd, "&Add..."), Item(kCmdTaskDelete, "&Delete"),
                        Item(kCmdTaskEdit, "&Edit..."), Item(kCmdTaskComplete, "&Complete")}),
        Menu("&Phone Book", {Item(kCmdPersonAdd, "&Add..."), Item(kCmdPersonDelete, "&Delete"),
                             Item(kCmdPersonEdit, "&Edit...")}),
        Menu("&Appointments",
             {Item(kCmdAppointmentAdd, "&Add..."), Item(kCmdAppointmentDelete, "&Delete"),
              Item(kCmdAppointmentEdit, "&Edit...")}),
        Menu("&Edit", {Item(kCmdEditUser, "&User..."), Item(kCmdAlarmSound, "&Alarm Sound..."),
                       Item(kCmdSyncSettings, "S&ynchronization...")}),
        Menu("&Report", {Item(kCmdReportDailyPlan, "&Daily Tasks and Appointments"),
                         Item(kCmdReportDailyTasks, "Daily &Tasks"),
                         Item(kCmdReportDailyAppointments, "Daily &Appointments"),
                         Item(kCmdReportEnvelopes, "&Envelopes..."),
                         Item(kCmdReportAddressBook, "&Phone Book..."), Separator(),
                         Item(kCmdReportFont, "Report &Font...")}),
        Menu("&View", {Item(kCmdViewToolbar, "&Toolbar"), Item(kCmdViewStatusBar, "&Status Bar")}),
        Menu("&Help", {Item(kCmdHelpTopics, "&Help Topics"), Separator(),
                       Item(kCmdAbout, "&About Orvane!...")}),
    };
}

// "status text\ntooltip", as the command strings are kept.
const std::map<int, std::string>& Strings()
{
    static const std::map<int, std::string> strings = {
        {kStringReady, "Ready"},
        {kCmdNew, "Create a new document\nNew"},
        {kCmdOpen, "Open an existing document\nOpen"},
        {kCmdSave, "Save the active document\nSave"},
        {kCmdSaveAs, "Save the active document with a new name\nSave As"},
        {kCmdCompact, "Remove empty space and old tasks from file\nCompact"},
        {kCmdRestoreVersion,
         "Open a version of this file kept at an earlier save\nRestore Previous Version"},
        {kCmdImportTasks, "Import tasks from a text file\nImport tasks"},
        {kCmdImportPersons, "Import phone book from a text file\nImport phone book"},
        {kCmdImportAppointments, "Import appointments from a text file\nImport appointments"},
        {kCmdExportTasks, "Export tasks to an external file\nExport tasks"},
        {kCmdExportPersons, "Export phone book to a text file\nExport phone book"},
        {kCmdExportAppointments, "Export appointments to a text file\nExport appointments"},
        {kCmdImportVCard, "Import contacts from a vCard file\nImport contacts"},
        {kCmdImportICalendar,
         "Import tasks and appointments from an iCalendar file\nImport calendar"},
        {kCmdExportVCard, "Export phone book to a vCard file\nExport phone book as vCard"},
        {kCmdExportICalendar,
         "Export tasks and appointments to an iCalendar file\nExport calendar"},
        {kCmdPrint, "Print the active document\nPrint"},
        {kCmdPageSetup, "Change the printing options\nPage Setup"},
        {kCmdPrintPreview, "Display full pages\nPrint Preview"},
        {kCmdExit, "Quit the application; prompts to save documents\nExit"},
        {kCmdTaskAdd, "Add a new task\nAdd Task"},
        {kCmdTaskDelete, "Delete selected task\nDelete Task"},
        {kCmdTaskEdit, "Edit selected task\nEdit Task"},
        {kCmdTaskComplete, "Mark selected task completed\nComplete Task"},
        {kCmdPersonAdd, "Add a name to the phone book\nAdd Name"},
        {kCmdPersonDelete, "Delete the selected name\nDelete Name"},
        {kCmdPersonEdit, "Edit the selected name\nEdit Name"},
        {kCmdAppointmentAdd, "Add an appointment\nAdd Appointment"},
        {kCmdAppointmentDelete, "Delete selected appointment\nDelete Appointment"},
        {kCmdAppointmentEdit, "Edit selected appointment\nEdit Appointment"},
        {kCmdEditUser, "Edit user information\nEdit User"},
        {kCmdAlarmSound, "Change alarm sound\nAlarm Sound"},
        {kCmdReportDailyPlan,
         "Print out the selected date's tasks and appointments\nDaily Tasks and Appointments"},
        {kCmdReportDailyTasks, "Print out the selected date's tasks\nDaily Tasks"},
        {kCmdReportDailyAppointments,
         "Print out the selected date's appointments\nDaily Appointments"},
        {kCmdReportEnvelopes, "Print out envelopes for the selected persons\nEnvelopes"},
        {kCmdReportAddressBook, "Print out an address book for the selected people\nAddress Book"},
        {kCmdReportFont, "Choose the font of the printed reports\nReport Font"},
        {kCmdViewToolbar, "Show or hide the toolbar\nToggle Toolbar"},
        {kCmdViewStatusBar, "Show or hide the status bar\nToggle Status Bar"},
        {kCmdHelpTopics, "List Help topics\nHelp Topics"},
        {kCmdAbout, "Display program information, version number and copyright\nAbout"},
        {kCmdContextHelp, "Display help for clicked on buttons, menus and windows\nHelp"},
        {kCmdPreviewClose, "Close print preview mode\nClose Preview"},
        {kCmdPreviewNext, "Go to the next page\nNext Page"},
        {kCmdPreviewPrevious, "Go to the previous page\nPrevious Page"},
        {kCmdZoomIn, "Increase magnification of preview page\nZoom In"},
        {kCmdZoomOut, "Decrease magnification of preview page\nZoom Out"},
        {kCmdUndo, "Undo the last action\nUndo"},
        {kCmdCut, "Cut the selection and put it on the Clipboard\nCut"},
        {kCmdCopy, "Copy the selection and put it on the Clipboard\nCopy"},
        {kCmdPaste, "Insert Clipboard contents\nPaste"},
        {kCmdNextPane, "Switch to the next window pane\nNext Pane"},
        {kCmdPreviousPane, "Switch back to the previous window pane\nPrevious Pane"},
        {kCmdSynchronize,
         "Synchronize the database with its contacts and calendar folders\nSynchronize"},
        {kCmdSyncSettings,
         "Choose the folders and the command for synchronizing this database\nSynchronization"},
    };
    return strings;
}

}  // namespace

const std::vector<Entry>& CommandTable::MenuBar()
{
    static const std::vector<Entry> menuBar = BuildMenuBar();
    return menuBar;
}

const std::vector<CommandTable::KeyBinding>& CommandTable::ExtraKeys()
{
    static const std::vector<KeyBinding> keys = {
        {kCmdUndo, "Ctrl+Z"},           {kCmdUndo, "Alt+Backspace"}, {kCmdCut, "Ctrl+X"},
        {kCmdCut, "Shift+Del"},         {kCmdCopy, "Ctrl+C"},        {kCmdCopy, "Ctrl+Ins"},
        {kCmdPaste, "Ctrl+V"},          {kCmdPaste, "Shift+Ins"},    {kCmdNextPane, "F6"},
        {kCmdPreviousPane, "Shift+F6"},
    };
    return keys;
}

const std::vector<CommandTable::KeyBinding>& CommandTable::PreviewKeys()
{
    static const std::vector<KeyBinding> keys = {
        {kCmdPreviewClose, "Esc"},
        {kCmdPreviewPrevious, "PgUp"},
        {kCmdPreviewNext, "PgDown"},
    };
    return keys;
}

std::string CommandTable::String(int id)
{
    if (id >= kCmdRecentFirst && id <= kCmdRecentLast) {
        return "Open this document";
    }
    const auto it = Strings().find(id);
    return it == Strings().end() ? std::string() : it->second;
}

std::string CommandTable::StatusText(int id)
{
    const std::string text = String(id);
    return text.substr(0, text.find('\n'));
}

std::string CommandTable::Tooltip(int id)
{
    const std::string text = String(id);
    const size_t newline = text.find('\n');
    return newline == std::string::npos ? std::string() : text.substr(newline + 1);
}

std::string CommandTable::ReadyText()
{
    return String(kStringReady);
}

}  // namespace orvane

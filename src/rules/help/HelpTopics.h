#pragma once

#include <string_view>

namespace orvane {

// Which help page belongs to a control of the main form (the page of the pane that holds it)
// and to the menu commands that have their own.
class HelpTopics {
public:
    static constexpr std::string_view kCalendar = "calendar.htm";
    static constexpr std::string_view kAppointments = "apptbook.htm";
    static constexpr std::string_view kTasks = "tasklist.htm";
    static constexpr std::string_view kPhoneBook = "phonebook.htm";
    static constexpr std::string_view kPersonPicker = "dlgpraddr.htm";
    static constexpr std::string_view kImport = "csvimport.htm";
    static constexpr std::string_view kExport = "csvexport.htm";
    static constexpr std::string_view kRestoreVersion = "restore.htm";
    static constexpr std::string_view kVCard = "vcard.htm";
    static constexpr std::string_view kICalendar = "icalendar.htm";
    static constexpr std::string_view kSync = "sync.htm";

    // Empty for a control that has no topic (the request then goes unhandled).
    static std::string_view PageForControl(int controlId);
    // The page of a menu command, for F1 while its item is highlighted; empty for none.
    static std::string_view PageForCommand(int commandId);
};

}  // namespace orvane

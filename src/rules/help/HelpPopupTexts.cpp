#include "rules/help/HelpPopupTexts.h"

#include <algorithm>
#include <array>
#include <utility>

namespace orvane {

namespace {

using Entry = std::pair<uint32_t, std::string_view>;

// Kept in ascending order of the number: Text() searches it by halves.
constexpr std::array kTexts = {
    // Buttons shared by the dialogs.
    Entry{1000, "Closes the dialog and keeps your choices."},
    Entry{1001, "Closes the dialog without changing anything."},
    Entry{1002, "Opens the help page for this dialog."},
    Entry{1003, "Prints the report for the selected persons."},
    Entry{1004, "Shows the report for the selected persons on screen before printing."},
    Entry{1005, "Selects every person in the list, or clears the selection again."},
    Entry{1007, "Goes on to the next step."},
    Entry{1008, "Goes back to the previous step."},
    Entry{1009, "Ends the wizard and starts the transfer."},
    // Transfer wizard.
    Entry{1500,
          "The text file to read or write. Type its full path or choose it with the "
          "button beside it."},
    Entry{1501, "Opens a file dialog to choose the text file."},
    Entry{1502, "The first line of the file, as it will be taken apart."},
    Entry{1504,
          "Tick this when the first line holds the names of the fields rather than a "
          "record."},
    Entry{1506, "The character that separates one field from the next on a line."},
    Entry{1508,
          "The character written around each text field, so that a separator inside "
          "the text does no harm."},
    Entry{1510,
          "Export: tick the fields to write. Import: click a column of the file to "
          "choose the field it fills."},
    Entry{1550, "The field that this column of the file fills."},
    Entry{1551, "Clear this to leave the column out of the import."},
    // Person picker.
    Entry{1600,
          "The persons of the listing now shown. Select the ones to include; Shift "
          "and Ctrl select several."},
    // Task editor.
    Entry{2022, "The task is finished. It is listed on the day it was completed."},
    Entry{2023, "Low priority."},
    Entry{2024, "Medium priority."},
    Entry{2025, "High priority: listed first."},
    Entry{2038, "What there is to do."},
    Entry{2051, "How urgent the task is; Done marks it as finished."},
    Entry{2100,
          "The day the task is due. Unfinished tasks from past days are carried to "
          "today."},
    Entry{2110, "The day the task is due."},
    // Appointment editor.
    Entry{3000, "The day of the appointment."},
    Entry{3033, "What the appointment is about. It is listed under this text."},
    Entry{3037, "Tick this to be reminded of the appointment by a window and a sound."},
    Entry{3038, "How many minutes before the start the reminder comes, in steps of five."},
    Entry{3039, "Changes the minutes before the appointment in steps of five."},
    Entry{3040, "When the appointment begins."},
    Entry{3041, "When the appointment ends."},
    Entry{3042, "Moves the beginning earlier or later by a quarter of an hour."},
    Entry{3043, "Moves the end earlier or later by a quarter of an hour."},
    Entry{3069, "What the appointment is about."},
    Entry{3070, "The day of the appointment."},
    Entry{3071, "When the appointment begins."},
    Entry{3072, "When the appointment ends."},
    Entry{3073, "How many minutes before the start the reminder comes."},
    Entry{3074, "Whether and when a reminder comes."},
    Entry{3075, "The beginning and the end of the appointment."},
    // Person editor.
    Entry{4013, "The person's first name."},
    Entry{4014, "The person's last name. The White Pages are sorted by it."},
    Entry{4015, "The company the person works for. The Yellow Pages are sorted by it."},
    Entry{4016, "The person's position in the company."},
    Entry{4017, "The postal code."},
    Entry{4018, "The first line of the address."},
    Entry{4019, "The second line of the address."},
    Entry{4020, "The city."},
    Entry{4021, "The state or region."},
    Entry{4022, "The home phone number. Click it in the phone book to dial."},
    Entry{4023, "The work phone number."},
    Entry{4024, "The fax number."},
    Entry{4025, "The e-mail address. Click it in the phone book to write a message."},
    Entry{4026, "The pager number."},
    Entry{4027, "The mobile phone number."},
    Entry{4028, "The web page. Click it in the phone book to open it in the browser."},
    Entry{4029, "The extension of the work phone."},
    Entry{4030, "Anything else worth keeping about the person. Line breaks are kept as typed."},
    Entry{4044, "List the person in the White Pages, the personal listing."},
    Entry{4045, "List the person in the Yellow Pages, the business listing."},
    // User editor.
    Entry{5013, "Your first name."},
    Entry{5014, "Your last name."},
    Entry{5015, "Your company."},
    Entry{5016, "Your position in the company."},
    Entry{5017, "Your postal code."},
    Entry{5018, "The first line of your address."},
    Entry{5019, "The second line of your address."},
    Entry{5020, "Your city."},
    Entry{5021, "Your state or region."},
};

constexpr bool IsSorted()
{
    for (size_t i = 1; i < kTexts.size(); ++i) {
        if (kTexts[i - 1].first >= kTexts[i].first) {
            return false;
        }
    }
    return true;
}
static_assert(IsSorted(), "popup texts must stay in ascending order");

bool InRange(int id, int first, int last)
{
    return id >= first && id <= last;
}

// The number block of each editor: the control id's last three digits are added to it.
uint32_t EditorBase(HelpDialog dialog, int controlId)
{
    switch (dialog) {
        case HelpDialog::Task:
            return InRange(controlId, 1022, 1025) || controlId == 1038 || controlId == 1051 ||
                           controlId == 1100 || controlId == 1110
                       ? 2000
                       : 0;
        case HelpDialog::Appointment:
            return controlId == 1000 || controlId == 1033 || InRange(controlId, 1037, 1043) ||
                           InRange(controlId, 1069, 1075)
                       ? 3000
                       : 0;
        case HelpDialog::Person:
            return InRange(controlId, 1013, 1030) || controlId == 1044 || controlId == 1045 ? 4000
                                                                                            : 0;
        case HelpDialog::User:
            return InRange(controlId, 1013, 1021) ? 5000 : 0;
    }
    return 0;
}

}  // namespace

std::string_view HelpPopupTexts::Text(uint32_t helpId)
{
    const auto it =
        std::lower_bound(kTexts.begin(), kTexts.end(), helpId,
                         [](const Entry& entry, uint32_t id) { return entry.first < id; });
    return it != kTexts.end() && it->first == helpId ? it->second : std::string_view{};
}

uint32_t HelpPopupTexts::EditorHelpId(HelpDialog dialog, int controlId)
{
    if (controlId == 1 || controlId == 2) {
        return controlId == 1 ? 1000 : 1001;  // OK and Cancel share the dialogs' texts
    }
    const uint32_t base = EditorBase(dialog, controlId);
    return base == 0 ? 0 : base + static_cast<uint32_t>(controlId - 1000);
}

}  // namespace orvane

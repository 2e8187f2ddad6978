#include "rules/help/HelpTopics.h"

#include "rules/commands/CommandIds.h"

namespace orvane {

std::string_view HelpTopics::PageForControl(int controlId)
{
    if (controlId == 1000) {
        return kCalendar;
    }
    if (controlId == 1001 || controlId == 1011 || controlId == 1078) {
        return kAppointments;
    }
    if (controlId == 1002 || controlId == 1080) {
        return kTasks;
    }
    const bool details = controlId >= 1003 && controlId <= 1010;
    const bool labels = controlId >= 1057 && controlId <= 1063;
    const bool find = controlId == 1114;  // the Find field over the list
    if (details || labels || find || controlId == 1044 || controlId == 1045 || controlId == 1079) {
        return kPhoneBook;
    }
    return {};
}

std::string_view HelpTopics::PageForCommand(int commandId)
{
    switch (commandId) {
        case kCmdRestoreVersion:
            return kRestoreVersion;
        case kCmdImportVCard:
        case kCmdExportVCard:
            return kVCard;
        case kCmdImportICalendar:
        case kCmdExportICalendar:
            return kICalendar;
        case kCmdSynchronize:
        case kCmdSyncSettings:
            return kSync;
        default:
            return {};
    }
}

}  // namespace orvane

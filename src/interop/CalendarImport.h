#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "interop/ExpansionWindow.h"
#include "interop/IcalHandles.h"
#include "interop/ImportSummary.h"
#include "interop/Progress.h"

namespace orvane {
class PimDatabase;
}

namespace orvane::interop {

// Brings the tasks and events of an iCalendar file into the to-do list and the
// appointment book (see CalendarRecords for what becomes of recurring events).
class CalendarImport {
public:
    // Adds each item, or updates the record with its UID. Nothing, and no change, when the
    // text is not iCalendar. Progress counts events.
    static std::optional<ImportSummary> Run(PimDatabase& database, const std::string& text,
                                            const ExpansionWindow& window,
                                            const Progress& progress = {});

    // The first content line is BEGIN:VCALENDAR.
    static bool LooksLikeICalendar(std::string_view text);
    // libical's tree of the text; null when it is not iCalendar. The VCALENDARs are the
    // root itself or, for several in one text, its children.
    static IcalComponentPtr Parse(const std::string& text);
    static std::vector<icalcomponent*> Calendars(icalcomponent* root);
};

}  // namespace orvane::interop

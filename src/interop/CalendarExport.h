#pragma once

#include <libical/ical.h>

#include <string>

#include "data/PimDateTime.h"
#include "interop/ExportResult.h"
#include "interop/Progress.h"

namespace orvane {
class PimDatabase;
}

namespace orvane::interop {

// Writes tasks as VTODOs and appointments as VEVENTs in one calendar, times in the local
// zone with its VTIMEZONE (UTC when the zone has no name libical knows).
class CalendarExport {
public:
    // Records without a UID get one, kept in the database. Appointments whose times the
    // file could not hold are passed over. Progress counts records.
    static ExportResult Run(PimDatabase& database, bool tasks, bool appointments,
                            const Progress& progress = {});

    // BEGIN:VCALENDAR with VERSION, PRODID and CALSCALE.
    static std::string Head();
    static const char* Tail() { return "END:VCALENDAR\r\n"; }
    // The zone's VTIMEZONE (the caller owns it) named by its location, without the
    // rules that ended before `earliest`; null for an unknown zone.
    static icalcomponent* Timezone(const std::string& zone, const PimDateTime& earliest);
};

}  // namespace orvane::interop

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/PimDatabase.h"

namespace orvane {

// Copies the records the panes list, for the daily report commands.
class ReportGatherer {
public:
    // A row of the appointment pane: its record ID and the text of its description column.
    struct AppointmentRow {
        int32_t id = 0;
        std::string description;
    };

    // The tasks of the listed IDs, top to bottom; IDs no longer stored are left out.
    static std::vector<Task> Tasks(const std::vector<int32_t>& rowIds, const PimDatabase& db);
    // The appointments of the rows with a description, top to bottom, skipping a row whose
    // ID repeats the one just copied.
    static std::vector<Appointment> Appointments(const std::vector<AppointmentRow>& rows,
                                                 const PimDatabase& db);
};

}  // namespace orvane

#pragma once

#include <vector>

#include "data/Appointment.h"
#include "data/Person.h"
#include "data/Task.h"
#include "data/User.h"

namespace orvane {

// The copies a report command gathered, from which print and preview make the report.
// Later edits of the database do not reach them.
struct ReportRecords {
    std::vector<Task> tasks;                // as the task pane lists them
    std::vector<Appointment> appointments;  // as the appointment pane lists them
    std::vector<Person> persons;            // chosen in the person picker
    User owner;                             // the return address of envelopes
    bool businessMode = false;              // the phone book shows the Yellow Pages
};

}  // namespace orvane

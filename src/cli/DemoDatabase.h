#pragma once

#include "data/PimDatabase.h"

namespace orvane::cli {

// A made-up but plausible database centred on today (the current clock): a phone book with
// private and business entries, tasks from overdue to next month, appointments today and on
// the days around it, and the owner's address. The same clock gives the same database.
class DemoDatabase {
public:
    static void Fill(PimDatabase& database);

private:
    static void AddPersons(PimDatabase& database);
    static void AddTasks(PimDatabase& database);
    static void AddAppointments(PimDatabase& database);
};

}  // namespace orvane::cli

#include "interop/ImportSummary.h"

namespace orvane::interop {

namespace {

std::string Counted(size_t count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string CountsText(const RecordCounts& counts, const char* one, const char* many)
{
    std::string text =
        Counted(counts.added, one, many) + " added, " + std::to_string(counts.updated) + " updated";
    if (counts.unchanged > 0) {
        text += ", " + std::to_string(counts.unchanged) + " unchanged";
    }
    return text;
}

}  // namespace

bool ImportSummary::ChangedDatabase() const
{
    return persons.added + persons.updated + tasks.added + tasks.updated + appointments.added +
               appointments.updated >
           0;
}

std::string ImportSummary::Text() const
{
    std::string text;
    if (kind == Kind::Contacts) {
        text = CountsText(persons, "person", "persons");
    } else {
        text = CountsText(tasks, "task", "tasks") + "; " +
               CountsText(appointments, "appointment", "appointments");
        if (series > 0) {
            text += " (" + Counted(series, "series", "series") + " gave " +
                    Counted(seriesAppointments, "appointment", "appointments") + ")";
        }
    }
    if (leftOut > 0) {
        text += "; " + Counted(leftOut, "item", "items") +
                " left out (empty, cancelled or dated outside 1970-2037)";
    }
    if (unmapped.Total() > 0) {
        text += "; " + Counted(unmapped.Total(), "property", "properties") +
                " had no place in Orvane! (" + unmapped.Text() + ")";
    }
    if (stopped) {
        text += "; stopped before the end";
    }
    return text;
}

}  // namespace orvane::interop

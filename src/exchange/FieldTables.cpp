#include "exchange/FieldTables.h"

#include "exchange/AppointmentImporter.h"
#include "exchange/ExportColumns.h"
#include "exchange/PersonImporter.h"
#include "exchange/TaskImporter.h"

namespace orvane {

namespace {

template <class R>
std::vector<std::string> NamesOf(std::span<const ExportColumn<R>> table)
{
    std::vector<std::string> names;
    names.reserve(table.size());
    for (const ExportColumn<R>& column : table) {
        names.emplace_back(column.name);
    }
    return names;
}

}  // namespace

std::string FieldTables::TypeName(RecordKind kind)
{
    switch (kind) {
        case RecordKind::Persons:
            return "Persons";
        case RecordKind::Tasks:
            return "Tasks";
        case RecordKind::Appointments:
            return "Appointments";
    }
    return {};
}

std::vector<std::string> FieldTables::ExportNames(RecordKind kind)
{
    switch (kind) {
        case RecordKind::Persons:
            return NamesOf(ExportColumns::Persons());
        case RecordKind::Tasks:
            return NamesOf(ExportColumns::Tasks());
        case RecordKind::Appointments:
            return NamesOf(ExportColumns::Appointments());
    }
    return {};
}

std::vector<std::string> FieldTables::ImportNames(RecordKind kind)
{
    switch (kind) {
        case RecordKind::Persons:
            return PersonImporter::FieldNames();
        case RecordKind::Tasks:
            return TaskImporter::FieldNames();
        case RecordKind::Appointments:
            return AppointmentImporter::FieldNames();
    }
    return {};
}

std::vector<std::string> FieldTables::RequiredNames(RecordKind kind)
{
    switch (kind) {
        case RecordKind::Persons:
            return {"FirstName", "LastName", "Company"};
        case RecordKind::Tasks:
            return {"Task"};
        case RecordKind::Appointments:
            return {"Appointment", "Date", "StartTime", "EndTime"};
    }
    return {};
}

std::string FieldTables::ImportCompletedMessage(RecordKind kind, int count)
{
    const char* noun = kind == RecordKind::Persons ? "names"
                       : kind == RecordKind::Tasks ? "tasks"
                                                   : "appointments";
    return std::to_string(count) + " " + noun + " added to current database.";
}

std::string FieldTables::ImportCompletedCaption(RecordKind kind)
{
    switch (kind) {
        case RecordKind::Persons:
            return "Imported Names";
        case RecordKind::Tasks:
            return "Imported Tasks";
        case RecordKind::Appointments:
            return "Imported Appointments";
    }
    return {};
}

}  // namespace orvane

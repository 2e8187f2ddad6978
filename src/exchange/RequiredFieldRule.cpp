#include "exchange/RequiredFieldRule.h"

#include <algorithm>

#include "exchange/FieldTables.h"

namespace orvane {

std::optional<std::string> RequiredFieldRule::Check(RecordKind kind,
                                                    const std::vector<std::string>& mapping)
{
    const std::vector<std::string> required = FieldTables::RequiredNames(kind);
    const auto k = std::count_if(mapping.begin(), mapping.end(), [&](const std::string& name) {
        return std::find(required.begin(), required.end(), name) != required.end();
    });
    switch (kind) {
        case RecordKind::Persons:
            if (k >= 1 && k <= 3) {
                return std::nullopt;
            }
            return "You must include a first name, last name, or company as a field to import.";
        case RecordKind::Tasks:
            if (k == 1) {
                return std::nullopt;
            }
            return "You must include a task as a field to import.";
        case RecordKind::Appointments:
            if (k == 4) {
                return std::nullopt;
            }
            return "You must include an appointment, date, start time, and end time as fields to "
                   "import.";
    }
    return std::nullopt;
}

}  // namespace orvane

#pragma once

#include <string>
#include <vector>

#include "exchange/RecordKind.h"

namespace orvane {

// The names the transfer wizard and the command line work with, per record type.
class FieldTables {
public:
    // "Persons", "Tasks", "Appointments".
    static std::string TypeName(RecordKind kind);
    // The fields an export can write, in the sequence of its lines.
    static std::vector<std::string> ExportNames(RecordKind kind);
    // The fields a file column can feed on import.
    static std::vector<std::string> ImportNames(RecordKind kind);
    // The names the required-field rule counts.
    static std::vector<std::string> RequiredNames(RecordKind kind);

    // "%d names added to current database." and its kin, with the caption of that box.
    static std::string ImportCompletedMessage(RecordKind kind, int count);
    static std::string ImportCompletedCaption(RecordKind kind);
};

}  // namespace orvane

#pragma once

#include <string>
#include <vector>

#include "exchange/RecordKind.h"
#include "exchange/TextFormat.h"

namespace orvane {

// What the transfer wizard collected for one import or export.
struct TransferSettings {
    // Export: the names of the fields to write, in table sequence. Import: one entry per
    // file column, the field it feeds or "" for a column that is not imported.
    std::vector<std::string> mapping;
    // The record type's field table (export and import tables differ).
    std::vector<std::string> fieldNames;
    // Import: the tokens of the file's first line, "EMPTY FIELD" for an empty one.
    std::vector<std::string> columnNames;
    // Import: the names the required-field rule counts.
    std::vector<std::string> requiredFields;
    bool firstLineHasNames = true;
    std::string encloser = "\"";
    std::string separator = ",";
    std::string fileName;
    int fieldCount = 0;
    int columnCount = 0;
    // "Persons", "Tasks" or "Appointments".
    std::string typeName;
    // Import: the file's first line, trimmed.
    std::string firstLine;

    // Settings as an export or import command starts them: the type's table, its
    // required names and one empty mapping entry per field.
    static TransferSettings ForExport(RecordKind kind);
    static TransferSettings ForImport(RecordKind kind);

    TextFormat Format() const { return {separator, encloser, firstLineHasNames}; }
    void SetFormat(const TextFormat& format);
};

}  // namespace orvane

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "exchange/RecordKind.h"

namespace orvane {

// The import field a column's header names, for the wizard's "Match Columns": headers
// compare without regard to case, spaces and punctuation, and the usual headers of address
// books, calendars and spreadsheets ("Given Name", "Surname", "Mobile", "E-mail Address",
// "Postal Code", "Subject", "Start Time" ...) count as names of the fields they mean.
class ColumnMatch {
public:
    // The field the header names, "" when it names none.
    static std::string FieldOf(RecordKind kind, std::string_view header);
    // One entry per header: its field or "". A field goes to the first column that names
    // it, since a field feeds at most one column.
    static std::vector<std::string> Match(RecordKind kind, const std::vector<std::string>& headers);
    // ASCII letters lowered, spaces and ASCII punctuation dropped; other bytes kept.
    static std::string Key(std::string_view header);
};

}  // namespace orvane

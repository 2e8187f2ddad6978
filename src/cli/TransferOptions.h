#pragma once

#include <optional>
#include <string>
#include <vector>

#include "exchange/RecordKind.h"
#include "exchange/TextFormat.h"

namespace orvane::cli {

// The arguments export and import share:
//   TYPE DBFILE FILE --fields|--columns LIST [--separator S] [--encloser E] [--no-header]
struct TransferOptions {
    RecordKind kind = RecordKind::Persons;
    std::string database;
    std::string file;
    // The comma-separated list, entries kept as given (empty ones too).
    std::vector<std::string> list;
    TextFormat format;

    // listOption is "--fields" or "--columns". Nothing, with the problem described, when
    // the arguments do not fit.
    static std::optional<TransferOptions> Parse(const std::vector<std::string>& arguments,
                                                const std::string& listOption,
                                                std::string& problem);
    // The format options as the help shows them.
    static const char* FormatHelp();
};

}  // namespace orvane::cli

#pragma once

#include <string>
#include <vector>

#include "cli/CliCommand.h"

namespace orvane::cli {

// The vCard and iCalendar forms of import and export:
//   import vcard DBFILE FILE
//   import ical DBFILE FILE [--from YYYY-MM-DD] [--to YYYY-MM-DD]
//   export vcard DBFILE OUTFILE [--persons all|ID,...] [--version 3.0|4.0]
//   export ical DBFILE OUTFILE [--tasks] [--appointments]
class InteropCommands {
public:
    // "vcard" and "ical".
    static bool Handles(const std::vector<std::string>& arguments);
    static int Import(const std::vector<std::string>& arguments, CliContext& context);
    static int Export(const std::vector<std::string>& arguments, CliContext& context);
    static const char* ImportUsage();
    static const char* ExportUsage();
};

}  // namespace orvane::cli

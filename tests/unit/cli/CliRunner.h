#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/CliApplication.h"

namespace orvane::cli {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

// Runs orvane-cli in-process with the standard commands and captures both streams.
inline CliResult RunCli(const std::vector<std::string>& arguments)
{
    std::ostringstream out, err;
    CliContext context{out, err};
    CliApplication application(StandardCommands());
    const int status = application.Run(arguments, context);
    return {status, out.str(), err.str()};
}

}  // namespace orvane::cli

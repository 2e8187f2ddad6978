#pragma once

#include <gtest/gtest.h>

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

struct OutcomeCase {
    int status;
    std::string err;  // the start of the error text
    std::vector<std::string> arguments;
};

// Runs each command line; a usage error must also print the usage.
inline void ExpectOutcomes(const std::vector<OutcomeCase>& cases)
{
    for (const OutcomeCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        const CliResult result = RunCli(c.arguments);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.err.substr(0, c.err.size()), c.err);
        if (c.status == kUsage) {
            EXPECT_NE(result.err.find("Usage: orvane-cli"), std::string::npos);
        }
    }
}

}  // namespace orvane::cli

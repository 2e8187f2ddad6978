#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cli/CliCommand.h"

namespace orvane::cli {

// orvane-cli's front: global options, the command table, help and usage errors.
class CliApplication {
public:
    explicit CliApplication(std::vector<std::unique_ptr<CliCommand>> commands);

    // arguments: everything after the program name.
    int Run(const std::vector<std::string>& arguments, CliContext& context);
    std::string HelpText() const;

private:
    CliCommand* Find(const std::string& name) const;
    int UsageError(const std::string& problem, CliContext& context) const;

    std::vector<std::unique_ptr<CliCommand>> m_commands;
};

// Every command orvane-cli offers.
std::vector<std::unique_ptr<CliCommand>> StandardCommands();

}  // namespace orvane::cli

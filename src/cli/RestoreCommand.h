#pragma once

#include "cli/CliCommand.h"

namespace orvane::cli {

// restore FILE [--version N]: puts a kept version back by the safe save, so that the
// version it replaces is kept in turn.
class RestoreCommand : public CliCommand {
public:
    std::string Name() const override { return "restore"; }
    std::string Arguments() const override { return "FILE [--version N]"; }
    std::string Summary() const override
    {
        const std::string indent = "\n" + std::string(24, ' ');
        return indent + "Put version N (default 1, the newest) of FILE's backups back in place;" +
               indent + "the version it replaces becomes a backup in turn.";
    }
    size_t ArgumentCount() const override { return 1; }
    bool AcceptsArguments(size_t count) const override { return count == 1 || count == 3; }
    int Run(const std::vector<std::string>& arguments, CliContext& context) override;
};

}  // namespace orvane::cli

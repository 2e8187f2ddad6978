#pragma once

#include "cli/CliCommand.h"

namespace orvane::cli {

// backups FILE: the kept previous versions of a database, newest first.
class BackupsCommand : public CliCommand {
public:
    std::string Name() const override { return "backups"; }
    std::string Arguments() const override { return "FILE"; }
    std::string Summary() const override
    {
        return "List the kept previous versions of FILE, newest (1) first, with the\n" +
               std::string(24, ' ') + "time each was saved, its size and its records.";
    }
    size_t ArgumentCount() const override { return 1; }
    int Run(const std::vector<std::string>& arguments, CliContext& context) override;
};

}  // namespace orvane::cli

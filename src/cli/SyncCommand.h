#pragma once

#include "cli/CliCommand.h"

namespace orvane::cli {

// sync DB [--contacts DIR] [--calendar DIR] [--run-before CMD] [--conflicts RULE]
// [--force-delete]: two-way sync of the database with its vdir folders. The folders, the
// rule and nothing else default to the window's settings for the database.
class SyncCommand : public CliCommand {
public:
    std::string Name() const override { return "sync"; }
    std::string Arguments() const override
    {
        return "DB [--contacts DIR] [--calendar DIR] [--run-before CMD] "
               "[--conflicts newer|database|folder] [--force-delete]";
    }
    std::string Summary() const override;
    size_t ArgumentCount() const override { return 1; }
    bool AcceptsArguments(size_t count) const override { return count >= 1; }
    int Run(const std::vector<std::string>& arguments, CliContext& context) override;
};

}  // namespace orvane::cli

#pragma once

#include "cli/CliCommand.h"

namespace orvane::cli {

// compact FILE: removes completed tasks due before today and saves the file in place.
class CompactCommand : public CliCommand {
public:
    std::string Name() const override { return "compact"; }
    std::string Arguments() const override { return "FILE"; }
    std::string Summary() const override
    {
        return "Remove completed tasks due before today and save FILE in place.";
    }
    size_t ArgumentCount() const override { return 1; }
    int Run(const std::vector<std::string>& arguments, CliContext& context) override;
};

}  // namespace orvane::cli

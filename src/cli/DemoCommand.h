#pragma once

#include "cli/CliCommand.h"

namespace orvane::cli {

// demo OUTFILE: writes a plausible database around today, for trying the program out.
class DemoCommand : public CliCommand {
public:
    std::string Name() const override { return "demo"; }
    std::string Arguments() const override { return "OUTFILE"; }
    std::string Summary() const override
    {
        return "Write a demonstration database around today: persons, tasks, appointments.";
    }
    size_t ArgumentCount() const override { return 1; }
    int Run(const std::vector<std::string>& arguments, CliContext& context) override;
};

}  // namespace orvane::cli

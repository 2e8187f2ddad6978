#pragma once

#include "cli/CliCommand.h"

namespace orvane::cli {

// resave IN OUT: loads IN and writes it to OUT with the program's writer.
class ResaveCommand : public CliCommand {
public:
    std::string Name() const override { return "resave"; }
    std::string Arguments() const override { return "IN OUT"; }
    std::string Summary() const override
    {
        return "Load IN and save it to OUT (the same path is fine) by the safe save.";
    }
    size_t ArgumentCount() const override { return 2; }
    int Run(const std::vector<std::string>& arguments, CliContext& context) override;
};

}  // namespace orvane::cli

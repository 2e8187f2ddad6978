#pragma once

#include "cli/CliCommand.h"

namespace orvane::cli {

// print REPORT DBFILE --pdf OUTFILE [options]: the program's reports as a PDF file, drawn
// by the same report code as the printout, without a printer or a display.
class PrintCommand : public CliCommand {
public:
    std::string Name() const override { return "print"; }
    std::string Arguments() const override { return "REPORT DBFILE --pdf OUTFILE [options]"; }
    std::string Summary() const override;
    size_t ArgumentCount() const override { return 4; }
    bool AcceptsArguments(size_t count) const override { return count >= 4; }
    int Run(const std::vector<std::string>& arguments, CliContext& context) override;
};

}  // namespace orvane::cli

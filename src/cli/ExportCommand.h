#pragma once

#include "cli/CliCommand.h"

namespace orvane::cli {

// export TYPE DBFILE OUTFILE --fields A,B,... [format]: writes the records of one kind to
// a delimited text file, as the program's Export commands do.
class ExportCommand : public CliCommand {
public:
    std::string Name() const override { return "export"; }
    std::string Arguments() const override { return "TYPE DBFILE OUTFILE --fields A,B,..."; }
    std::string Summary() const override;
    size_t ArgumentCount() const override { return 3; }
    bool AcceptsArguments(size_t count) const override { return count >= 3; }
    int Run(const std::vector<std::string>& arguments, CliContext& context) override;
};

}  // namespace orvane::cli

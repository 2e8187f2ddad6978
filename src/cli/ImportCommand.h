#pragma once

#include "cli/CliCommand.h"

namespace orvane::cli {

// import TYPE DBFILE INFILE --columns A,,B,... [format]: adds the records of a delimited
// text file to a database, as the program's Import commands do, and saves it.
class ImportCommand : public CliCommand {
public:
    std::string Name() const override { return "import"; }
    std::string Arguments() const override { return "TYPE DBFILE INFILE --columns A,,B,..."; }
    std::string Summary() const override;
    size_t ArgumentCount() const override { return 3; }
    bool AcceptsArguments(size_t count) const override { return count >= 3; }
    int Run(const std::vector<std::string>& arguments, CliContext& context) override;
};

}  // namespace orvane::cli

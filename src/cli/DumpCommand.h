#pragma once

#include "cli/CliCommand.h"

namespace orvane {
class PimDatabase;
}

namespace orvane::cli {

// dump FILE: the database as JSON on the output stream.
class DumpCommand : public CliCommand {
public:
    std::string Name() const override { return "dump"; }
    std::string Arguments() const override { return "FILE"; }
    std::string Summary() const override
    {
        return "Print the database as JSON: records with the file's field names, local dates "
               "as YYYY-MM-DDTHH:MM:SS (null when invalid).";
    }
    size_t ArgumentCount() const override { return 1; }
    int Run(const std::vector<std::string>& arguments, CliContext& context) override;

    // The JSON text the command prints, without the final line feed.
    static std::string ToJson(const PimDatabase& database);
};

}  // namespace orvane::cli

#include "cli/CliApplication.h"
#include "cli/CompactCommand.h"
#include "cli/DemoCommand.h"
#include "cli/DumpCommand.h"
#include "cli/ResaveCommand.h"

namespace orvane::cli {

std::vector<std::unique_ptr<CliCommand>> StandardCommands()
{
    std::vector<std::unique_ptr<CliCommand>> commands;
    commands.push_back(std::make_unique<DumpCommand>());
    commands.push_back(std::make_unique<ResaveCommand>());
    commands.push_back(std::make_unique<CompactCommand>());
    commands.push_back(std::make_unique<DemoCommand>());
    return commands;
}

}  // namespace orvane::cli

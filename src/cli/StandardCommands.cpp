#include "cli/BackupsCommand.h"
#include "cli/CliApplication.h"
#include "cli/CompactCommand.h"
#include "cli/DemoCommand.h"
#include "cli/DumpCommand.h"
#include "cli/ExportCommand.h"
#include "cli/ImportCommand.h"
#ifdef ORVANE_CLI_PRINT
#include "cli/PrintCommand.h"
#endif
#include "cli/ResaveCommand.h"
#include "cli/RestoreCommand.h"
#include "cli/SyncCommand.h"

namespace orvane::cli {

std::vector<std::unique_ptr<CliCommand>> StandardCommands()
{
    std::vector<std::unique_ptr<CliCommand>> commands;
    commands.push_back(std::make_unique<DumpCommand>());
    commands.push_back(std::make_unique<ResaveCommand>());
    commands.push_back(std::make_unique<CompactCommand>());
    commands.push_back(std::make_unique<DemoCommand>());
    commands.push_back(std::make_unique<ExportCommand>());
    commands.push_back(std::make_unique<ImportCommand>());
#ifdef ORVANE_CLI_PRINT
    commands.push_back(std::make_unique<PrintCommand>());
#endif
    commands.push_back(std::make_unique<BackupsCommand>());
    commands.push_back(std::make_unique<RestoreCommand>());
    commands.push_back(std::make_unique<SyncCommand>());
    return commands;
}

}  // namespace orvane::cli

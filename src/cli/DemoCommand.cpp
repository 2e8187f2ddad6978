#include "cli/DemoCommand.h"

#include "cli/DatabaseFiles.h"
#include "cli/DemoDatabase.h"

namespace orvane::cli {

int DemoCommand::Run(const std::vector<std::string>& arguments, CliContext& context)
{
    PimDatabase db;
    DemoDatabase::Fill(db);
    return DatabaseFiles::Save(arguments[0], db, context);
}

}  // namespace orvane::cli

#include "cli/ResaveCommand.h"

#include "cli/DatabaseFiles.h"
#include "data/PimDatabase.h"

namespace orvane::cli {

int ResaveCommand::Run(const std::vector<std::string>& arguments, CliContext& context)
{
    PimDatabase db;
    if (const int status = DatabaseFiles::Load(arguments[0], db, context); status != kSuccess) {
        return status;
    }
    return DatabaseFiles::Save(arguments[1], db, context);
}

}  // namespace orvane::cli

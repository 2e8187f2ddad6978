#include "cli/ResaveCommand.h"

#include "cli/DatabaseFiles.h"
#include "cli/DatabaseUpdate.h"
#include "data/PimDatabase.h"

namespace orvane::cli {

int ResaveCommand::Run(const std::vector<std::string>& arguments, CliContext& context)
{
    PimDatabase db;
    if (const int status = DatabaseFiles::Load(arguments[0], db, context); status != kSuccess) {
        return status;
    }
    DatabaseUpdate target(arguments[1]);
    if (const int status = target.CheckTarget(context); status != kSuccess) {
        return status;
    }
    return target.Save(db, context);
}

}  // namespace orvane::cli

#include "cli/CompactCommand.h"

#include "cli/DatabaseUpdate.h"
#include "data/PimDatabase.h"

namespace orvane::cli {

int CompactCommand::Run(const std::vector<std::string>& arguments, CliContext& context)
{
    PimDatabase db;
    DatabaseUpdate file(arguments[0]);
    if (const int status = file.Load(db, context); status != kSuccess) {
        return status;
    }
    db.Compact();
    return file.Save(db, context);
}

}  // namespace orvane::cli

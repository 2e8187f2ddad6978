#include "cli/DemoCommand.h"

#include "cli/DatabaseUpdate.h"
#include "cli/DemoDatabase.h"

namespace orvane::cli {

int DemoCommand::Run(const std::vector<std::string>& arguments, CliContext& context)
{
    DatabaseUpdate target(arguments[0]);
    if (const int status = target.CheckTarget(context); status != kSuccess) {
        return status;
    }
    PimDatabase db;
    DemoDatabase::Fill(db);
    return target.Save(db, context);
}

}  // namespace orvane::cli

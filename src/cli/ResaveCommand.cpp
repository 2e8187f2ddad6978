#include "cli/ResaveCommand.h"

#include "cli/DatabaseFiles.h"
#include "cli/DatabaseUpdate.h"
#include "data/PimDatabase.h"
#include "platform/FileIdentity.h"

namespace orvane::cli {

int ResaveCommand::Run(const std::vector<std::string>& arguments, CliContext& context)
{
    PimDatabase db;
    DatabaseUpdate target(arguments[1]);
    const std::optional<FileIdentity> in = FileIdentity::Of(arguments[0]);
    const std::optional<FileIdentity> out = FileIdentity::Of(arguments[1]);
    // Saved over itself, the file is read once, as the one to replace.
    const bool sameFile = in && out && in->device == out->device && in->inode == out->inode;
    int status =
        sameFile ? target.Load(db, context) : DatabaseFiles::Load(arguments[0], db, context);
    if (status == kSuccess && !sameFile) {
        status = target.CheckTarget(context);
    }
    return status == kSuccess ? target.Save(db, context) : status;
}

}  // namespace orvane::cli

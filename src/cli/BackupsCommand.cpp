#include "cli/BackupsCommand.h"

#include <cstdio>

#include "storage/BackupListing.h"

namespace orvane::cli {

int BackupsCommand::Run(const std::vector<std::string>& arguments, CliContext& context)
{
    const BackupStore store = BackupStore::ForUser();
    const std::vector<ListedVersion> listing = BackupListing::Of(store, arguments[0]);
    if (listing.empty()) {
        context.out << "No backups of " << arguments[0] << "\n";
        return kSuccess;
    }
    context.out << "Backups of " << arguments[0] << " in " << store.FolderOf(arguments[0]) << ":\n";
    for (size_t i = 0; i < listing.size(); ++i) {
        char line[96];
        std::snprintf(line, sizeof line, "%3zu  %s  %12lld bytes  ", i + 1, listing[i].time.c_str(),
                      static_cast<long long>(listing[i].version.size));
        context.out << line << BackupListing::Contents(listing[i]) << "\n";
    }
    return kSuccess;
}

}  // namespace orvane::cli

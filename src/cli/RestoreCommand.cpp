#include "cli/RestoreCommand.h"

#include "cli/DatabaseUpdate.h"
#include "storage/BackupListing.h"
#include "storage/ReadWholeFile.h"

namespace orvane::cli {

namespace {

// 1 or more; nothing for anything else.
std::optional<size_t> VersionNumber(const std::string& text)
{
    if (text.empty() || text.size() > 6 ||
        text.find_first_not_of("0123456789") != std::string::npos || std::stoul(text) == 0) {
        return std::nullopt;
    }
    return std::stoul(text);
}

}  // namespace

int RestoreCommand::Run(const std::vector<std::string>& arguments, CliContext& context)
{
    const std::string& path = arguments[0];
    const std::optional<size_t> number =
        arguments.size() == 1
            ? std::optional<size_t>(1)
            : (arguments[1] == "--version" ? VersionNumber(arguments[2]) : std::nullopt);
    if (!number) {
        context.err << "orvane-cli: restore: --version takes a number from 1\nUsage: orvane-cli "
                       "restore "
                    << Arguments() << "\n";
        return kUsage;
    }
    DatabaseUpdate target(path);
    target.RememberTarget();
    const std::vector<BackupVersion> versions = BackupStore::ForUser().Versions(path);
    if (*number > versions.size()) {
        context.err << path << " has " << versions.size() << " kept version"
                    << (versions.size() == 1 ? "" : "s") << "; there is no version " << *number
                    << " (see orvane-cli backups)\n";
        return kReadFailed;
    }
    const BackupVersion& version = versions[*number - 1];
    const std::optional<std::string> text = ReadWholeFile(version.file);
    if (!text) {
        context.err << "Error loading file.\n";
        return kReadFailed;
    }
    if (const int status = target.SaveText(*text, context); status != kSuccess) {
        return status;
    }
    context.out << "Restored version " << *number << " of " << path << ", saved "
                << BackupListing::TimeText(version.modifiedNs) << "\n";
    return kSuccess;
}

}  // namespace orvane::cli

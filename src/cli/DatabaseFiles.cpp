#include "cli/DatabaseFiles.h"

#include "cli/StreamPrompter.h"
#include "data/PimDatabase.h"
#include "storage/ReadWholeFile.h"

namespace orvane::cli {

int DatabaseFiles::Load(const std::string& path, PimDatabase& database, CliContext& context)
{
    const std::optional<std::string> text = ReadWholeFile(path);
    if (!text) {
        context.err << "Error loading file.\n";
        return kReadFailed;
    }
    StreamPrompter prompter(context.err);
    return database.Load(text->c_str(), prompter) ? kSuccess : kParseFailed;
}

int DatabaseFiles::Save(const std::string& path, const PimDatabase& database, CliContext& context)
{
    if (!database.Save(path)) {
        context.err << "Unable to write file!\n";
        return kWriteFailed;
    }
    return kSuccess;
}

}  // namespace orvane::cli

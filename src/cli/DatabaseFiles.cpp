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

}  // namespace orvane::cli

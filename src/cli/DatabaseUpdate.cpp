#include "cli/DatabaseUpdate.h"

#include <sys/stat.h>

#include <sstream>

#include "cli/StreamPrompter.h"
#include "data/PimDatabase.h"
#include "storage/DatabaseRoot.h"
#include "storage/DatabaseWriter.h"
#include "storage/ReadWholeFile.h"
#include "storage/SafeSave.h"

namespace orvane::cli {

int DatabaseUpdate::Load(PimDatabase& database, CliContext& context)
{
    FileIdentity identity;
    const std::optional<std::string> text = ReadWholeFile(m_path, &identity);
    if (!text) {
        context.err << "Error loading file.\n";
        return kReadFailed;
    }
    StreamPrompter prompter(context.err);
    if (!database.Load(text->c_str(), prompter)) {
        return kParseFailed;
    }
    const DatabaseRoot root = DatabaseRoot::Of(*text);
    if (!root.IsDatabase()) {
        return Refuse(root.Problem(), context);
    }
    m_identity = identity;
    return kSuccess;
}

int DatabaseUpdate::CheckTarget(CliContext& context)
{
    struct stat info {};
    if (::stat(m_path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return kSuccess;
    }
    FileIdentity identity;
    const std::optional<std::string> text = ReadWholeFile(m_path, &identity);
    if (!text) {
        return kSuccess;  // unreadable: the save says whether it can write it
    }
    std::ostringstream parseError;
    StreamPrompter prompter(parseError);
    PimDatabase database;
    if (!database.Load(text->c_str(), prompter)) {
        std::string message = parseError.str();
        return Refuse(message.substr(0, message.find('\n')), context);
    }
    if (const DatabaseRoot root = DatabaseRoot::Of(*text); !root.IsDatabase()) {
        return Refuse(root.Problem(), context);
    }
    m_identity = identity;
    return kSuccess;
}

int DatabaseUpdate::Refuse(const std::string& problem, CliContext& context) const
{
    context.err << m_path << " is not an Orvane! database (" << problem << "); nothing written\n";
    return kParseFailed;
}

int DatabaseUpdate::Changed(CliContext& context) const
{
    context.err << m_path
                << " was changed by another program while this command ran; nothing written\n";
    return kChanged;
}

int DatabaseUpdate::CheckUnchanged(CliContext& context) const
{
    return FileIdentity::Of(m_path) == m_identity ? kSuccess : Changed(context);
}

int DatabaseUpdate::Save(const PimDatabase& database, CliContext& context)
{
    return SaveFrom(
        [&](const SafeSave::TextSink& sink) { return DatabaseWriter::WriteText(database, sink); },
        context);
}

int DatabaseUpdate::SaveText(std::string_view text, CliContext& context)
{
    return SaveFrom([text](const SafeSave::TextSink& sink) { return sink(text); }, context);
}

int DatabaseUpdate::SaveFrom(const SafeSave::TextSource& text, CliContext& context)
{
    SafeSave::Options options;
    options.expected = m_identity;
    options.backups = BackupStore::ForUser();
    // Nobody can be asked: a changed file is never overwritten.
    switch (SafeSave::Write(m_path, text, options).result) {
        case SafeSave::Result::Saved:
            return kSuccess;
        case SafeSave::Result::Declined:
            return Changed(context);
        case SafeSave::Result::Failed:
            break;
    }
    context.err << "Unable to write file!\n";
    return kWriteFailed;
}

}  // namespace orvane::cli

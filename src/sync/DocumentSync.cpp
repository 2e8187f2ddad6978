#include "sync/DocumentSync.h"

#include "data/PimDocument.h"
#include "platform/Prompter.h"
#include "sync/SyncStatus.h"
#include "sync/Synchronizer.h"

namespace orvane::sync {

namespace {

constexpr size_t kShownOutput = 3000;

// As Save does; a file another program changed is overwritten only when the user says so.
bool Save(PimDocument& document, Prompter& prompter)
{
    bool failed = false;
    if (document.SaveDocument(document.Path(), prompter, failed)) {
        return true;
    }
    if (failed) {
        prompter.ShowMessage("Unable to write file!", "Orvane", MessageButtons::Ok,
                             MessageIcon::Error);
    }
    return false;
}

}  // namespace

bool DocumentSync::Outcome::FoldersChanged() const
{
    return summary.addedThere + summary.changedThere + summary.deleted + summary.conflicts.size() >
           0;
}

DocumentSync::Outcome DocumentSync::Run(PimDocument& document, const SyncSettings& settings,
                                        Prompter& prompter)
{
    Outcome outcome;
    if (document.Path().empty()) {
        prompter.ShowMessage("Save the database before synchronizing it.", kCaption,
                             MessageButtons::Ok, MessageIcon::Information);
        return outcome;
    }
    if (document.Modified() && !Save(document, prompter)) {
        return outcome;
    }
    SyncOptions options;
    options.rule = settings.rule;
    const std::optional<FileStamp> stamp = FileStamp::Of(document.Path());
    options.databaseTimeNs = stamp ? stamp->modifiedNs : 0;
    Synchronizer synchronizer(document.Path(), {settings.contacts, settings.calendar});
    if (!synchronizer.Plan(document.Database(), options)) {
        prompter.ShowMessage(synchronizer.Problem(), kCaption, MessageButtons::Ok,
                             MessageIcon::Warning);
        return outcome;
    }
    const bool changed = synchronizer.ApplyToDatabase(document.Database());
    if (changed && !Save(document, prompter)) {
        return outcome;
    }
    synchronizer.ApplyToFolders(document.Database());
    if (changed) {
        document.SetModified(false, true);
    }
    outcome.done = true;
    outcome.summary = synchronizer.Summary();
    const SyncSummary& summary = outcome.summary;
    if (!summary.conflicts.empty() || !summary.notes.empty()) {
        prompter.ShowMessage(summary.Text(), kCaption, MessageButtons::Ok,
                             summary.writeFailed ? MessageIcon::Warning : MessageIcon::Information);
    }
    return outcome;
}

std::string DocumentSync::StatusText(const SyncSummary& summary)
{
    return "Synchronized: " + summary.Line();
}

void DocumentSync::CommandFailed(const std::string& command, bool before, const std::string& why,
                                 const std::string& output, Prompter& prompter)
{
    std::string shown = output;
    if (shown.size() > kShownOutput) {
        shown = "…" + shown.substr(shown.size() - kShownOutput);
    }
    const char* consequence = before ? "; nothing was synchronized."
                                     : "; the database and its folders agree, the server may not.";
    prompter.ShowMessage(
        "\"" + command + "\" " + why + consequence + (shown.empty() ? "" : "\n\n" + shown),
        kCaption, MessageButtons::Ok, MessageIcon::Warning);
}

}  // namespace orvane::sync

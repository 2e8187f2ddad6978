#pragma once

#include <string>

#include "sync/SyncSettings.h"
#include "sync/SyncSummary.h"

namespace orvane {
class PimDocument;
class Prompter;
}  // namespace orvane

namespace orvane::sync {

// The window's sync of the open document with its folders. A sync records what the file
// holds, so unsaved changes are saved first; a sync that changed the database saves it
// again, and the panes are refilled once. Problems are told through the prompter.
class DocumentSync {
public:
    static constexpr const char* kCaption = "Orvane!";

    struct Outcome {
        bool done = false;
        SyncSummary summary;
        // The folders changed: the command is run again to carry that to the server.
        bool FoldersChanged() const;
    };

    static Outcome Run(PimDocument& document, const SyncSettings& settings, Prompter& prompter);

    // The status bar's text after a sync: the summary line.
    static std::string StatusText(const SyncSummary& summary);
    // Told when the command before or after the sync failed ("failed with exit status 1"),
    // with the end of its output.
    static void CommandFailed(const std::string& command, bool before, const std::string& why,
                              const std::string& output, Prompter& prompter);
};

}  // namespace orvane::sync

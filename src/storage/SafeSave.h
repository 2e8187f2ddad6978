#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileIdentity.h"
#include "storage/BackupStore.h"

namespace orvane {

// Writes a whole file so that the target holds either its old or its new content, never a
// mix: the text is written once into a new file beside the target (".orvane-PID-XXXXXX",
// owner-only until it takes the target's permissions), synced and renamed over the target;
// the folder is synced last. The old content is kept in the backups first.
//
// The target must be a regular file (a symlinked one is followed) or not exist yet, and be
// writable by its owner and by the saving user. Where a rename would lose what the file has
// (more hard links, an owner or group the user cannot give, a folder only the file is
// writable in), the text is written into the file itself once a copy is in the backups.
// A failure leaves the target as it was and nothing beside it; a sibling left by a killed
// save is removed by the next save into that folder.
class SafeSave {
public:
    // The steps at which a write can fail, in order; tests inject failures at each.
    enum class Step {
        CreateSibling,
        WriteSibling,
        SyncSibling,
        Backup,
        Rename,
        WriteInPlace,
        SyncFolder,
    };
    // Returns true to make the step fail as if the system had refused it.
    using FaultInjector = std::function<bool(Step)>;

    enum class Result {
        Saved,
        Failed,
        Declined,  // the file changed on disk and was not to be overwritten
    };

    struct Options {
        // The file as it was last loaded or saved; compared just before the final step.
        std::optional<FileIdentity> expected;
        // Asked when the file differs from expected: true overwrites. Empty declines.
        std::function<bool()> overwriteChanged;
        // Where the replaced content is kept; nothing: not kept.
        std::optional<BackupStore> backups;
    };

    struct Outcome {
        Result result = Result::Failed;
        // The saved file's identity, for the next comparison.
        std::optional<FileIdentity> written;
    };

    static Outcome Write(const std::string& path, std::string_view text, const Options& options);
    // Into the user's backups, without a comparison.
    static bool Write(const std::string& path, std::string_view text);

    // Test seam; an empty function removes it.
    static void SetFaultInjector(FaultInjector injector);
    // The file a link chain ends at; the path itself when it is no link.
    static std::string ResolveTarget(const std::string& path);
};

}  // namespace orvane

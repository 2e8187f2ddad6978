#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace orvane {

// Writes a whole file so that the target holds either its old or its new content, never a
// mix: the text goes to a unique "ORV…" file in the temporary folder (kept afterwards, like
// a backup of the last save), then to a new file beside the target, which is synced and
// renamed over the target; the folder is synced last. The target's permissions are kept and
// a symlinked target is followed. Any failure leaves the target untouched.
class SafeSave {
public:
    // The steps at which a write can fail, in order; tests inject failures at each.
    enum class Step {
        CreateTemporary,
        WriteTemporary,
        CreateSibling,
        WriteSibling,
        SyncSibling,
        Rename,
        SyncFolder,
    };
    // Returns true to make the step fail as if the system had refused it.
    using FaultInjector = std::function<bool(Step)>;

    static bool Write(const std::string& path, std::string_view text);

    // Test seam; an empty function removes it.
    static void SetFaultInjector(FaultInjector injector);
    // The temporary file the last Write created (empty when it created none).
    static const std::string& LastTemporaryFile();
    // The file a link chain ends at; the path itself when it is no link.
    static std::string ResolveTarget(const std::string& path);
};

}  // namespace orvane

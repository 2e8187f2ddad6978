#pragma once

#include <cstdint>

#include "interop/ExpansionWindow.h"

namespace orvane::sync {

// Who wins when an item changed on both sides since the last sync.
enum class ConflictRule {
    Newer,     // the side changed last
    Database,  // Orvane!'s version
    Folder,    // the folder's (the server's) version
};

struct SyncOptions {
    ConflictRule rule = ConflictRule::Newer;
    // When the database last changed (its file's time), for the Newer rule.
    int64_t databaseTimeNs = 0;
    // Recurring events are expanded into appointments within this window.
    interop::ExpansionWindow window = interop::ExpansionWindow::Default();
    // Carry out the deletions even when one side holds nothing at all.
    bool forceDelete = false;
};

}  // namespace orvane::sync

#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "sync/SyncOptions.h"

namespace orvane::sync {

// What one sync did. "Here" is the database, "there" the folders.
struct SyncSummary {
    size_t addedHere = 0;
    size_t addedThere = 0;
    size_t changedHere = 0;
    size_t changedThere = 0;
    size_t deleted = 0;  // on either side
    ConflictRule rule = ConflictRule::Newer;
    std::vector<std::string> conflicts;  // one line each: the item, who won, where the loser is
    std::vector<std::string> notes;      // items left alone, and why
    bool writeFailed = false;            // some folder item or the status could not be written

    bool ChangedAnything() const;
    // "3 added here, 1 added there, 2 changed here, 0 changed there, 0 deleted,
    // 1 conflict (newer won)"
    std::string Line() const;
    // The line, then the conflicts and the notes, one per line.
    std::string Text() const;

    static const char* RuleName(ConflictRule rule);
    // "newer", "database" or "folder"; nothing for another text.
    static bool ParseRule(const std::string& text, ConflictRule& rule);
};

}  // namespace orvane::sync

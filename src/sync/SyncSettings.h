#pragma once

#include <string>

#include "sync/SyncOptions.h"

namespace orvane {
class SettingsStore;
}

namespace orvane::sync {

// A database's sync settings, in the group "Sync" of the settings store: the conflict rule
// ("Conflicts": newer, database or folder) for every database, and per database, under its
// absolute path, the two folders, the command run before and after, and whether to sync
// when the database is opened and after it is saved.
struct SyncSettings {
    static constexpr const char* kGroup = "Sync";

    std::string contacts;
    std::string calendar;
    std::string command;
    bool automatic = false;
    ConflictRule rule = ConflictRule::Newer;

    // A database with neither folder is not synchronized.
    bool IsSet() const { return !contacts.empty() || !calendar.empty(); }

    static SyncSettings Read(const SettingsStore& store, const std::string& databasePath);
    bool Write(SettingsStore& store, const std::string& databasePath) const;

    // The command offered for a database without one: "vdirsyncer sync" when vdirsyncer is
    // on the PATH, else nothing.
    static std::string SuggestedCommand();
    // The file of a program on the PATH; empty when there is none.
    static std::string FindProgram(const std::string& name);
};

}  // namespace orvane::sync

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/CliCommand.h"
#include "platform/FileIdentity.h"
#include "storage/SafeSave.h"

namespace orvane {
class PimDatabase;
}

namespace orvane::cli {

// A database file that a command saves over. It is only replaced when it is a database
// (or does not exist), and not when another program changed it while the command ran;
// the replaced version goes to the backups.
class DatabaseUpdate {
public:
    explicit DatabaseUpdate(std::string path) : m_path(std::move(path)) {}

    // Loads the file: kSuccess, kReadFailed, or kParseFailed also for a file that is no
    // database.
    int Load(PimDatabase& database, CliContext& context);
    // For a file replaced without being loaded: kSuccess when it does not exist, is no
    // regular file (the save refuses it) or is a database; otherwise kParseFailed.
    int CheckTarget(CliContext& context);
    // Takes the file as it is now as the one to replace, without reading it.
    void RememberTarget() { m_identity = FileIdentity::Of(m_path); }

    // The file as Load or CheckTarget found it.
    const std::optional<FileIdentity>& Loaded() const { return m_identity; }
    // kChanged, after saying so, when another program has changed the file since then;
    // otherwise kSuccess.
    int CheckUnchanged(CliContext& context) const;

    // kSuccess, kWriteFailed or kChanged.
    int Save(const PimDatabase& database, CliContext& context);
    int SaveText(std::string_view text, CliContext& context);

private:
    int SaveFrom(const SafeSave::TextSource& text, CliContext& context);
    int Refuse(const std::string& problem, CliContext& context) const;
    int Changed(CliContext& context) const;

    std::string m_path;
    std::optional<FileIdentity> m_identity;
};

}  // namespace orvane::cli

#include "sync/SyncSettings.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/SettingsStore.h"
#include "sync/SyncSummary.h"

namespace orvane::sync {

namespace {

// The database's values are named after its absolute path: "/home/ann/pim.pgr/Contacts".
std::string Name(const std::string& databasePath, const char* value)
{
    std::error_code error;
    const std::string absolute =
        std::filesystem::absolute(databasePath, error).lexically_normal().string();
    return absolute + "/" + value;
}

}  // namespace

SyncSettings SyncSettings::Read(const SettingsStore& store, const std::string& databasePath)
{
    SyncSettings settings;
    const auto text = [&](const char* value) {
        return store.ReadString(kGroup, Name(databasePath, value)).value_or("");
    };
    settings.contacts = text("Contacts");
    settings.calendar = text("Calendar");
    settings.command = text("Command");
    settings.automatic = store.ReadNumber(kGroup, Name(databasePath, "Automatic")).value_or(0) != 0;
    SyncSummary::ParseRule(store.ReadString(kGroup, "Conflicts").value_or(""), settings.rule);
    return settings;
}

bool SyncSettings::Write(SettingsStore& store, const std::string& databasePath) const
{
    bool written = store.WriteString(kGroup, Name(databasePath, "Contacts"), contacts);
    written &= store.WriteString(kGroup, Name(databasePath, "Calendar"), calendar);
    written &= store.WriteString(kGroup, Name(databasePath, "Command"), command);
    written &= store.WriteNumber(kGroup, Name(databasePath, "Automatic"), automatic ? 1 : 0);
    written &= store.WriteString(kGroup, "Conflicts", SyncSummary::RuleName(rule));
    return written;
}

std::string SyncSettings::SuggestedCommand()
{
    return FindProgram("vdirsyncer").empty() ? std::string() : "vdirsyncer sync";
}

std::string SyncSettings::FindProgram(const std::string& name)
{
    const char* path = std::getenv("PATH");
    std::string_view rest = path ? path : "/usr/bin:/bin";
    while (!rest.empty()) {
        const size_t colon = rest.find(':');
        const std::string folder(rest.substr(0, colon));
        rest.remove_prefix(colon == std::string_view::npos ? rest.size() : colon + 1);
        const std::string file = (folder.empty() ? "." : folder) + "/" + name;
        if (::access(file.c_str(), X_OK) == 0) {
            return file;
        }
    }
    return {};
}

}  // namespace orvane::sync

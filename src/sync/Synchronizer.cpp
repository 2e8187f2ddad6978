#include "sync/Synchronizer.h"

#include "sync/FolderSync.h"
#include "sync/SyncStatus.h"

namespace orvane::sync {

Synchronizer::Synchronizer(const std::string& databasePath, const Folders& folders)
{
    const auto add = [&](FolderKind kind, const std::string& folder) {
        if (!folder.empty()) {
            m_folders.push_back(std::make_unique<FolderSync>(
                kind, folder, SyncStatus::PathFor(databasePath, folder, kind)));
        }
    };
    add(FolderKind::Contacts, folders.contacts);
    add(FolderKind::Calendar, folders.calendar);
}

Synchronizer::~Synchronizer() = default;

bool Synchronizer::Plan(const PimDatabase& database, const SyncOptions& options)
{
    m_summary = SyncSummary{};
    m_summary.rule = options.rule;
    for (const auto& folder : m_folders) {
        if (!folder->Plan(database, options)) {
            m_problem = folder->Problem();
            return false;
        }
    }
    return true;
}

bool Synchronizer::ApplyToDatabase(PimDatabase& database)
{
    bool changed = false;
    for (const auto& folder : m_folders) {
        changed |= folder->ApplyToDatabase(database, m_summary);
    }
    return changed;
}

void Synchronizer::ApplyToFolders(const PimDatabase& database)
{
    for (const auto& folder : m_folders) {
        folder->ApplyToFolder(database, m_summary);
    }
}

bool Synchronizer::Run(PimDatabase& database, const SyncOptions& options)
{
    if (!Plan(database, options)) {
        return false;
    }
    ApplyToDatabase(database);
    ApplyToFolders(database);
    return true;
}

}  // namespace orvane::sync

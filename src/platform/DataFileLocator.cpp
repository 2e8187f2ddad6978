#include "platform/DataFileLocator.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#ifndef ORVANE_INSTALLED_DATADIR
#define ORVANE_INSTALLED_DATADIR ""
#endif

namespace orvane {

namespace fs = std::filesystem;

DataFileLocator::DataFileLocator(std::string programDir, std::string installedDataDir)
{
    if (!programDir.empty()) {
        const fs::path dir(programDir);
        AddFolder(dir.string());
        // bin/../share/orvane: an installed tree moved to another prefix still finds its data.
        AddFolder((dir.parent_path() / "share" / "orvane").string());
    }
    AddFolder(std::move(installedDataDir));
}

void DataFileLocator::AddFolder(std::string folder)
{
    if (folder.empty()) {
        return;
    }
    const std::string normal = fs::path(folder).lexically_normal().string();
    if (std::find(m_folders.begin(), m_folders.end(), normal) == m_folders.end()) {
        m_folders.push_back(normal);
    }
}

std::string DataFileLocator::Locate(std::string_view relativePath) const
{
    const std::string folder = FolderOf(relativePath);
    return folder.empty() ? std::string() : (fs::path(folder) / relativePath).string();
}

std::string DataFileLocator::FolderOf(std::string_view relativePath) const
{
    if (relativePath.empty()) {
        return {};
    }
    for (const std::string& folder : m_folders) {
        std::error_code error;
        if (fs::is_regular_file(fs::path(folder) / relativePath, error)) {
            return folder;
        }
    }
    return {};
}

std::string DataFileLocator::ConfiguredDataDir()
{
    return ORVANE_INSTALLED_DATADIR;
}

}  // namespace orvane

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Finds the files the program ships (the alarm sound, the help pages, artwork): first in the
// program's own folder, then in the share folder of the tree the program was installed into
// (wherever that tree was moved), then in the share folder of the configured install prefix.
class DataFileLocator {
public:
    // programDir: the folder of the running executable; installedDataDir: the configured
    // <prefix>/share/orvane, empty for none.
    DataFileLocator(std::string programDir, std::string installedDataDir);

    // The folders searched, in order, without duplicates.
    const std::vector<std::string>& SearchPath() const { return m_folders; }

    // The full path of the first existing regular file named relativePath (e.g. "beep.wav",
    // "html/calendar.htm"); empty when none exists.
    std::string Locate(std::string_view relativePath) const;

    // The folder holding relativePath, e.g. the folder of "html/Introduction.htm"; empty when
    // none holds it.
    std::string FolderOf(std::string_view relativePath) const;

    // The configured <prefix>/share/orvane of this build.
    static std::string ConfiguredDataDir();

private:
    void AddFolder(std::string folder);

    std::vector<std::string> m_folders;
};

}  // namespace orvane

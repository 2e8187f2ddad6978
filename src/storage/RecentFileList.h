#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

class SettingsStore;

// The File menu's "Recent Files": paths kept oldest first, shown newest first, stored in
// the settings group "Recent Document List".
class RecentFileList {
public:
    static constexpr int kFirstCommandId = 57616;  // item i (from 1) is 57616 + i - 1
    static constexpr int kDefaultMaxEntries = 4;

    struct MenuItem {
        int commandId;
        std::string text;  // "&1 /home/anna/home.pgr", or the empty text
        bool enabled;
    };

    // emptyText: shown (greyed) while the list is empty; "(empty)" when none is given.
    explicit RecentFileList(std::string emptyText = "(empty)");

    // Removes an entry equal to path regardless of letter case, drops the oldest when the
    // list is full, appends path as the newest, and updates the menu.
    void Add(const std::string& path);
    void Remove(int commandId);
    void MoveToNewest(int commandId);
    std::optional<std::string> PathOf(int commandId) const;

    // Tells the observer that the menu must be rebuilt from MenuItems().
    void UpdateMenu() const;
    std::vector<MenuItem> MenuItems() const;
    void SetMenuObserver(std::function<void()> observer) { m_observer = std::move(observer); }

    void ReadFromSettings(const SettingsStore& store);
    void WriteToSettings(SettingsStore& store) const;

    const std::vector<std::string>& Entries() const { return m_entries; }  // oldest first
    int MaxEntries() const { return m_maxEntries; }

private:
    std::vector<std::string> m_entries;
    int m_maxEntries = kDefaultMaxEntries;
    std::string m_emptyText;
    std::function<void()> m_observer;
};

}  // namespace orvane

#include "storage/RecentFileList.h"

#include <algorithm>
#include <cctype>

#include "platform/SettingsStore.h"

namespace orvane {

namespace {

const char kGroup[] = "Recent Document List";
constexpr int kMostEntries = 15;

std::string ValueName(int i)
{
    return "Document" + std::to_string(i);
}

bool SameIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

}  // namespace

RecentFileList::RecentFileList(std::string emptyText) : m_emptyText(std::move(emptyText))
{
    if (m_emptyText.empty()) {
        m_emptyText = "(empty)";
    }
}

void RecentFileList::Add(const std::string& path)
{
    std::erase_if(m_entries,
                  [&](const std::string& entry) { return SameIgnoringCase(entry, path); });
    while (!m_entries.empty() && static_cast<int>(m_entries.size()) >= m_maxEntries) {
        m_entries.erase(m_entries.begin());
    }
    m_entries.push_back(path);
    UpdateMenu();
}

// Item i (from 1, newest first) stands for the entry i places from the end.
static std::optional<size_t> EntryIndex(int commandId, size_t count)
{
    const int item = commandId - RecentFileList::kFirstCommandId + 1;
    if (item < 1 || static_cast<size_t>(item) > count) {
        return std::nullopt;
    }
    return count - static_cast<size_t>(item);
}

void RecentFileList::Remove(int commandId)
{
    if (const auto index = EntryIndex(commandId, m_entries.size())) {
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(*index));
    }
}

void RecentFileList::MoveToNewest(int commandId)
{
    if (const auto index = EntryIndex(commandId, m_entries.size())) {
        std::string path = std::move(m_entries[*index]);
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(*index));
        m_entries.push_back(std::move(path));
    }
}

std::optional<std::string> RecentFileList::PathOf(int commandId) const
{
    if (const auto index = EntryIndex(commandId, m_entries.size())) {
        return m_entries[*index];
    }
    return std::nullopt;
}

void RecentFileList::UpdateMenu() const
{
    if (m_observer) {
        m_observer();
    }
}

std::vector<RecentFileList::MenuItem> RecentFileList::MenuItems() const
{
    std::vector<MenuItem> items;
    if (m_entries.empty()) {
        items.push_back({kFirstCommandId, m_emptyText, false});
        return items;
    }
    const int count = static_cast<int>(m_entries.size());
    for (int i = 1; i <= count; ++i) {
        items.push_back({kFirstCommandId + i - 1,
                         "&" + std::to_string(i) + " " + m_entries[static_cast<size_t>(count - i)],
                         true});
    }
    return items;
}

void RecentFileList::ReadFromSettings(const SettingsStore& store)
{
    m_entries.clear();
    m_maxEntries = kDefaultMaxEntries;
    if (const auto count = store.ReadNumber(kGroup, "DocumentCount");
        count && *count >= 1 && *count <= kMostEntries) {
        m_maxEntries = static_cast<int>(*count);
    }
    for (int i = m_maxEntries; i >= 1; --i) {
        if (auto path = store.ReadString(kGroup, ValueName(i))) {
            m_entries.push_back(std::move(*path));
        }
    }
}

void RecentFileList::WriteToSettings(SettingsStore& store) const
{
    store.WriteNumber(kGroup, "DocumentCount", static_cast<uint32_t>(m_maxEntries));
    const int count = static_cast<int>(m_entries.size());
    for (int i = 1; i <= count; ++i) {
        store.WriteString(kGroup, ValueName(i), m_entries[static_cast<size_t>(count - i)]);
    }
    for (int i = count + 1; i <= kMostEntries; ++i) {
        store.RemoveValue(kGroup, ValueName(i));
    }
}

}  // namespace orvane

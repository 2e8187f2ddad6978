#include "support/MemorySettingsStore.h"

namespace orvane {

bool MemorySettingsStore::HasGroup(const std::string& group) const
{
    return m_available && m_groups.count(group) != 0;
}

template <class T>
std::optional<T> MemorySettingsStore::Read(const std::string& group, const std::string& name) const
{
    const auto g = m_groups.find(group);
    if (!m_available || g == m_groups.end()) {
        return std::nullopt;
    }
    const auto v = g->second.find(name);
    if (v == g->second.end() || !std::holds_alternative<T>(v->second)) {
        return std::nullopt;
    }
    return std::get<T>(v->second);
}

std::optional<std::string> MemorySettingsStore::ReadString(const std::string& group,
                                                           const std::string& name) const
{
    return Read<std::string>(group, name);
}

std::optional<uint32_t> MemorySettingsStore::ReadNumber(const std::string& group,
                                                        const std::string& name) const
{
    return Read<uint32_t>(group, name);
}

bool MemorySettingsStore::Write(const std::string& group, const std::string& name, Value value)
{
    if (!m_available || !m_writable) {
        return false;
    }
    m_groups[group][name] = std::move(value);
    return true;
}

bool MemorySettingsStore::WriteString(const std::string& group, const std::string& name,
                                      const std::string& value)
{
    return Write(group, name, value);
}

bool MemorySettingsStore::WriteNumber(const std::string& group, const std::string& name,
                                      uint32_t value)
{
    return Write(group, name, value);
}

void MemorySettingsStore::RemoveValue(const std::string& group, const std::string& name)
{
    auto g = m_groups.find(group);
    if (m_available && m_writable && g != m_groups.end()) {
        g->second.erase(name);
    }
}

size_t MemorySettingsStore::ValueCount(const std::string& group) const
{
    auto g = m_groups.find(group);
    return g == m_groups.end() ? 0 : g->second.size();
}

}  // namespace orvane

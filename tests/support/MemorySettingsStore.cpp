#include "support/MemorySettingsStore.h"

namespace orvane {

bool MemorySettingsStore::HasGroup(const std::string& group) const
{
    return m_available && m_groups.count(group) != 0;
}

std::optional<std::string> MemorySettingsStore::ReadString(const std::string& group,
                                                           const std::string& name) const
{
    if (!m_available) {
        return std::nullopt;
    }
    auto g = m_groups.find(group);
    if (g == m_groups.end()) {
        return std::nullopt;
    }
    auto v = g->second.find(name);
    if (v == g->second.end() || !std::holds_alternative<std::string>(v->second)) {
        return std::nullopt;
    }
    return std::get<std::string>(v->second);
}

std::optional<uint32_t> MemorySettingsStore::ReadNumber(const std::string& group,
                                                        const std::string& name) const
{
    if (!m_available) {
        return std::nullopt;
    }
    auto g = m_groups.find(group);
    if (g == m_groups.end()) {
        return std::nullopt;
    }
    auto v = g->second.find(name);
    if (v == g->second.end() || !std::holds_alternative<uint32_t>(v->second)) {
        return std::nullopt;
    }
    return std::get<uint32_t>(v->second);
}

bool MemorySettingsStore::WriteString(const std::string& group, const std::string& name,
                                      const std::string& value)
{
    if (!m_available || !m_writable) {
        return false;
    }
    m_groups[group][name] = value;
    return true;
}

bool MemorySettingsStore::WriteNumber(const std::string& group, const std::string& name,
                                      uint32_t value)
{
    if (!m_available || !m_writable) {
        return false;
    }
    m_groups[group][name] = value;
    return true;
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

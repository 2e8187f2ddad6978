#pragma once

#include <map>
#include <string>
#include <variant>

#include "platform/SettingsStore.h"

namespace orvane {

// Settings kept in memory: for tests, which can also make the store unavailable or
// refuse writes.
class MemorySettingsStore : public SettingsStore {
public:
    bool IsAvailable() const override { return m_available; }
    bool HasGroup(const std::string& group) const override;
    std::optional<std::string> ReadString(const std::string& group,
                                          const std::string& name) const override;
    std::optional<uint32_t> ReadNumber(const std::string& group,
                                       const std::string& name) const override;
    bool WriteString(const std::string& group, const std::string& name,
                     const std::string& value) override;
    bool WriteNumber(const std::string& group, const std::string& name, uint32_t value) override;
    void RemoveValue(const std::string& group, const std::string& name) override;

    void SetAvailable(bool available) { m_available = available; }
    void SetWritable(bool writable) { m_writable = writable; }
    size_t ValueCount(const std::string& group) const;

private:
    using Value = std::variant<std::string, uint32_t>;
    template <class T>
    std::optional<T> Read(const std::string& group, const std::string& name) const;
    bool Write(const std::string& group, const std::string& name, Value value);

    std::map<std::string, std::map<std::string, Value>> m_groups;
    bool m_available = true;
    bool m_writable = true;
};

}  // namespace orvane

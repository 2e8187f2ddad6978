#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvane {

// The per-user key/value store under the program's key ("Kestrow" / "Orvane!"),
// organised in groups such as "Recent Document List" and "Alarm".
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // False when the store cannot be used at all (it then reads as empty).
    virtual bool IsAvailable() const = 0;
    virtual bool HasGroup(const std::string& group) const = 0;
    virtual std::optional<std::string> ReadString(const std::string& group,
                                                  const std::string& name) const = 0;
    virtual std::optional<uint32_t> ReadNumber(const std::string& group,
                                               const std::string& name) const = 0;
    virtual bool WriteString(const std::string& group, const std::string& name,
                             const std::string& value) = 0;
    virtual bool WriteNumber(const std::string& group, const std::string& name, uint32_t value) = 0;
    virtual void RemoveValue(const std::string& group, const std::string& name) = 0;
};

}  // namespace orvane

#pragma once

#include <memory>

#include "platform/SettingsStore.h"

class QSettings;

namespace orvane {

// The settings of organisation "Kestrow", application "Orvane!" through QSettings
// (~/.config/Kestrow/Orvane!.conf on Linux).
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    ~QtSettingsStore() override;

    bool IsAvailable() const override;
    bool HasGroup(const std::string& group) const override;
    std::optional<std::string> ReadString(const std::string& group,
                                          const std::string& name) const override;
    std::optional<uint32_t> ReadNumber(const std::string& group,
                                       const std::string& name) const override;
    bool WriteString(const std::string& group, const std::string& name,
                     const std::string& value) override;
    bool WriteNumber(const std::string& group, const std::string& name, uint32_t value) override;
    void RemoveValue(const std::string& group, const std::string& name) override;

private:
    std::unique_ptr<QSettings> m_settings;
};

}  // namespace orvane

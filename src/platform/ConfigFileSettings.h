#pragma once

#include <map>
#include <string>

#include "platform/SettingsStore.h"

namespace orvane {

// The window's settings file (~/.config/Kestrow/Orvane!.conf, the INI form QSettings
// writes), read only: for the command line, which honours the user's settings but changes
// none of them.
class ConfigFileSettings : public SettingsStore {
public:
    explicit ConfigFileSettings(const std::string& path);
    // $XDG_CONFIG_HOME/Kestrow/Orvane!.conf, ~/.config/... when unset.
    static std::string UserFile();

    bool IsAvailable() const override { return m_available; }
    bool HasGroup(const std::string& group) const override;
    std::optional<std::string> ReadString(const std::string& group,
                                          const std::string& name) const override;
    std::optional<uint32_t> ReadNumber(const std::string& group,
                                       const std::string& name) const override;
    bool WriteString(const std::string&, const std::string&, const std::string&) override
    {
        return false;
    }
    bool WriteNumber(const std::string&, const std::string&, uint32_t) override { return false; }
    void RemoveValue(const std::string&, const std::string&) override {}

private:
    void ReadLine(const std::string& line, std::string& group);

    std::map<std::string, std::map<std::string, std::string>> m_groups;
    bool m_available = false;
};

}  // namespace orvane

#include "platform/AlarmSoundSetting.h"

#include "platform/SettingsStore.h"

namespace orvane {

bool AlarmSoundSetting::Read(SettingsStore& store, std::string& destination)
{
    if (!store.IsAvailable()) {
        return false;
    }
    if (!store.HasGroup(kGroup)) {
        store.WriteString(kGroup, kName, kDefault);
        return false;
    }
    const std::optional<std::string> value = store.ReadString(kGroup, kName);
    if (!value) {
        return false;
    }
    if (value->size() > kMaxLength) {
        return false;
    }
    // A stored NUL ends the text, as it would in a C string.
    destination = value->substr(0, value->find('\0'));
    return true;
}

bool AlarmSoundSetting::Write(SettingsStore& store, const std::string& path)
{
    return store.IsAvailable() && store.WriteString(kGroup, kName, path);
}

}  // namespace orvane

#pragma once

#include <string>

namespace orvane {

class SettingsStore;

// The alarm sound's path in the settings store: group "Alarm", value "AlarmSound".
class AlarmSoundSetting {
public:
    static constexpr const char* kGroup = "Alarm";
    static constexpr const char* kName = "AlarmSound";
    static constexpr const char* kDefault = "beep.wav";
    // Longest path kept; the store's buffer has room for it and its terminating NUL.
    static constexpr size_t kMaxLength = 259;

    // True when a stored path was read into destination (otherwise it is left alone). A
    // store without the "Alarm" group gets it, holding the default, and reads as false;
    // so does a path that is too long.
    static bool Read(SettingsStore& store, std::string& destination);
    // True when the path was stored.
    static bool Write(SettingsStore& store, const std::string& path);
};

}  // namespace orvane

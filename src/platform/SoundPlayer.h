#pragma once

#include <string>

namespace orvane {

// Plays the alarm sound. The program's player loops a wave file; when no audio device is
// there it stays silent. Tests use a recording fake.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the file and repeats it until StopAll; a bare file name is looked for beside
    // the program.
    virtual void PlayLooped(const std::string& path) = 0;
    virtual void StopAll() = 0;
};

}  // namespace orvane

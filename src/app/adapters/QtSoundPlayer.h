#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/SoundPlayer.h"

class QSoundEffect;

namespace orvane {

// Loops a wave file through Qt Multimedia. Without an audio output it plays nothing and
// says nothing.
class QtSoundPlayer : public SoundPlayer {
public:
    // Bare file names are looked for in these folders, in order (the program's own first).
    explicit QtSoundPlayer(std::vector<std::string> folders);
    ~QtSoundPlayer() override;

    void PlayLooped(const std::string& path) override;
    void StopAll() override;

    // The file that PlayLooped would open for the path.
    std::string Locate(const std::string& path) const;
    bool Playing() const;

private:
    std::vector<std::string> m_folders;
    std::unique_ptr<QSoundEffect> m_effect;
};

}  // namespace orvane

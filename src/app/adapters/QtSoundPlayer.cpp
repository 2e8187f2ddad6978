#include "app/adapters/QtSoundPlayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <filesystem>
#include <system_error>

#include "platform/ProgramDirectory.h"

namespace orvane {

QtSoundPlayer::QtSoundPlayer(std::vector<std::string> folders) : m_folders(std::move(folders)) {}

QtSoundPlayer::~QtSoundPlayer() = default;

std::string QtSoundPlayer::Locate(const std::string& path) const
{
    if (!path.empty() && path.front() == '/') {
        return path;
    }
    for (const std::string& folder : m_folders) {
        const std::string candidate = ProgramDirectory::Beside(folder, path);
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) {
            return candidate;
        }
    }
    return path;
}

void QtSoundPlayer::PlayLooped(const std::string& path)
{
    StopAll();
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        return;  // no device: the reminder works silently
    }
    if (!m_effect) {
        m_effect = std::make_unique<QSoundEffect>();
    }
    m_effect->setSource(QUrl::fromLocalFile(QString::fromStdString(Locate(path))));
    m_effect->setLoopCount(QSoundEffect::Infinite);
    m_effect->play();
}

void QtSoundPlayer::StopAll()
{
    if (m_effect) {
        m_effect->stop();
    }
}

bool QtSoundPlayer::Playing() const
{
    return m_effect && m_effect->isPlaying();
}

}  // namespace orvane

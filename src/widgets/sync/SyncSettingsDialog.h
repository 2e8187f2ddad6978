#pragma once

#include <QDialog>
#include <functional>

#include "sync/SyncSettings.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;

namespace orvane {

// "Synchronization...": the contacts and calendar folders, the command run before and after
// a sync, the conflict rule and whether to sync when opening and after saving.
class SyncSettingsDialog : public QDialog {
    Q_OBJECT
public:
    SyncSettingsDialog(const sync::SyncSettings& settings, std::function<void()> showHelp,
                       QWidget* parent = nullptr);

    // What the user entered; meaningful after OK.
    sync::SyncSettings Values() const;

private:
    QLineEdit* FolderRow(const QString& label, const std::string& value, QGridLayout* grid,
                         int row);

    sync::SyncSettings m_settings;
    QLineEdit* m_contacts = nullptr;
    QLineEdit* m_calendar = nullptr;
    QLineEdit* m_command = nullptr;
    QComboBox* m_rule = nullptr;
    QCheckBox* m_automatic = nullptr;
};

}  // namespace orvane

#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "storage/BackupListing.h"

class QPushButton;
class QTreeWidget;

namespace orvane {

// "Restore Previous Version": the kept versions of the open database, newest first, with
// when each was saved, its size and its records. Restore (or a double click) closes it with
// the chosen version; versions that do not load cannot be chosen.
class RestoreVersionDialog : public QDialog {
    Q_OBJECT
public:
    RestoreVersionDialog(const std::string& databasePath, std::vector<ListedVersion> versions,
                         std::function<void()> showHelp, QWidget* parent = nullptr);

    QTreeWidget* List() const { return m_list; }
    QPushButton* RestoreButton() const { return m_restore; }
    // The version file chosen with Restore.
    std::optional<std::string> Chosen() const;

private:
    void FillList();
    const ListedVersion* Selected() const;
    void keyPressEvent(QKeyEvent* event) override;

    std::vector<ListedVersion> m_versions;
    std::function<void()> m_showHelp;
    QTreeWidget* m_list = nullptr;
    QPushButton* m_restore = nullptr;
};

}  // namespace orvane

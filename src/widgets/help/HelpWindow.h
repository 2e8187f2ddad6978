#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "platform/HelpPages.h"
#include "platform/HelpViewer.h"

class QTextBrowser;

namespace orvane {

// The program's help viewer: a window that shows the help pages shipped with the program
// (links between them work) and small popups for dialog controls. Nothing it fails to show
// is reported.
class HelpWindow : public QWidget, public HelpViewer {
    Q_OBJECT
public:
    // Pages are looked for beside the program first, then in installedRoots.
    explicit HelpWindow(std::vector<std::string> installedRoots, QWidget* owner = nullptr);

    bool ShowHelp(const std::string& address, HelpCommand command, uint32_t data) override;

    QTextBrowser* Browser() const { return m_browser; }
    // The text of the last popup shown (empty before the first).
    const QString& LastPopup() const { return m_lastPopup; }

private:
    bool ShowPage(const std::string& address);
    bool ShowPopup(uint32_t helpId);

    HelpPages m_pages;
    QTextBrowser* m_browser = nullptr;
    QString m_lastPopup;
};

}  // namespace orvane

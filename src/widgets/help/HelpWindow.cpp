#include "widgets/help/HelpWindow.h"

#include <QCursor>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWhatsThis>

#include "rules/help/HelpPopupTexts.h"

namespace orvane {

HelpWindow::HelpWindow(std::vector<std::string> installedRoots, QWidget* owner)
    : QWidget(owner, Qt::Window), m_pages(std::move(installedRoots))
{
    setWindowTitle(tr("Orvane! Help"));
    m_browser = new QTextBrowser(this);
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(true);
    auto* bar = new QToolBar(this);
    QAction* back = bar->addAction(tr("&Back"), m_browser, &QTextBrowser::backward);
    QAction* forward = bar->addAction(tr("&Forward"), m_browser, &QTextBrowser::forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_browser);
    resize(560, 480);
}

bool HelpWindow::ShowHelp(const std::string& address, HelpCommand command, uint32_t data)
{
    switch (command) {
        case HelpCommand::DisplayTopic:
        case HelpCommand::TableOfContents:
            return ShowPage(address);
        case HelpCommand::ContextPopup:
            return ShowPopup(data);
    }
    return false;
}

bool HelpWindow::ShowPage(const std::string& address)
{
    const std::optional<std::string> page = m_pages.Resolve(address);
    if (!page) {
        return false;
    }
    m_browser->setSource(QUrl::fromLocalFile(QString::fromStdString(*page)));
    show();
    raise();
    activateWindow();
    return true;
}

bool HelpWindow::ShowPopup(uint32_t helpId)
{
    const std::string_view text = HelpPopupTexts::Text(helpId);
    if (text.empty()) {
        return false;
    }
    m_lastPopup = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QWhatsThis::showText(QCursor::pos(), m_lastPopup);
    return true;
}

}  // namespace orvane

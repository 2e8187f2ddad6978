#include "widgets/transfer/FileSelectionPage.h"

#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "exchange/TransferWizardRules.h"
#include "platform/Prompter.h"

namespace orvane {

FileSelectionPage::FileSelectionPage(TransferSettings& settings, bool importing, Prompter& prompter,
                                     QWidget* parent)
    : TransferPage(settings, importing, prompter, tr("Select Document"), parent)
{
    auto* group = WithControlId(new QGroupBox(tr("Select File"), this), 1000);
    auto* row = new QHBoxLayout(group);
    m_path = WithControlId(new QLineEdit(group), 1048);
    m_browse = WithControlId(new QPushButton(QStringLiteral("..."), group), 1049);
    m_browse->setFixedWidth(m_browse->fontMetrics().averageCharWidth() * 6);
    row->addWidget(m_path, 1);
    row->addWidget(m_browse);
    Content()->addWidget(group);
    Content()->addStretch(1);

    connect(m_path, &QLineEdit::textChanged, this, &QWizardPage::completeChanged);
    connect(m_browse, &QPushButton::clicked, this, &FileSelectionPage::Browse);
}

std::string FileSelectionPage::Path() const
{
    return QFile::encodeName(m_path->text()).toStdString();
}

bool FileSelectionPage::isComplete() const
{
    return !m_path->text().isEmpty();
}

void FileSelectionPage::Browse()
{
    const FileDialogRequest request = TransferWizardRules::BrowseRequest(Path());
    const std::optional<std::string> chosen =
        Importing() ? Ask().AskOpenPath(request) : Ask().AskSavePath(request);
    if (chosen) {
        m_path->setText(QFile::decodeName(QByteArray::fromStdString(*chosen)));
    }
}

bool FileSelectionPage::validatePage()
{
    return Passes(TransferWizardRules::AcceptFile(Settings(), Path(), Importing()));
}

}  // namespace orvane

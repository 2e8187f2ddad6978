#include "widgets/transfer/TransferPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "exchange/TransferWizardRules.h"
#include "widgets/transfer/WizardPicture.h"

namespace orvane {

TransferPage::TransferPage(TransferSettings& settings, bool importing, Prompter& prompter,
                           QString caption, QWidget* parent)
    : QWizardPage(parent),
      m_settings(settings),
      m_importing(importing),
      m_prompter(prompter),
      m_caption(std::move(caption))
{
    auto* row = new QHBoxLayout(this);
    row->addWidget(new WizardPicture(this));
    m_content = new QVBoxLayout;
    row->addLayout(m_content, 1);
}

bool TransferPage::Passes(const std::optional<WizardNotice>& notice)
{
    if (!notice) {
        return true;
    }
    m_prompter.ShowMessage(notice->text, notice->caption, MessageButtons::Ok, notice->icon);
    return false;
}

}  // namespace orvane

#include "widgets/transfer/TransferWizard.h"

#include <QAbstractButton>
#include <QShortcut>
#include <QWhatsThis>

#include "exchange/TransferWizardRules.h"
#include "platform/HelpAddress.h"
#include "platform/HelpViewer.h"
#include "widgets/transfer/DocumentStructurePage.h"
#include "widgets/transfer/FieldsPage.h"
#include "widgets/transfer/FileSelectionPage.h"
#include "widgets/transfer/WizardContextHelp.h"

namespace orvane {

TransferWizard::TransferWizard(TransferSettings& settings, bool importing, RecordKind kind,
                               Prompter& prompter, HelpSource help, QString programDir,
                               QWidget* parent)
    : QWizard(parent),
      m_importing(importing),
      m_help(std::move(help)),
      m_programDir(std::move(programDir))
{
    setWizardStyle(QWizard::ClassicStyle);
    // Pages keep what was entered when the user goes back and forth.
    setOptions(QWizard::HaveHelpButton | QWizard::IndependentPages);
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    setModal(true);

    m_filePage = new FileSelectionPage(settings, importing, prompter, this);
    m_structurePage = new DocumentStructurePage(settings, importing, prompter, this);
    m_fieldsPage = new FieldsPage(settings, importing, kind, prompter, this);
    setPage(kFilePage, m_filePage);
    setPage(kStructurePage, m_structurePage);
    setPage(kFieldsPage, m_fieldsPage);
    TagButtons();

    m_contextHelp =
        new WizardContextHelp(this, m_help, m_programDir, &TransferWizardRules::PopupTopic);
    // Not every window manager draws the caption's help button; Shift+F1 does the same.
    auto* whatsThis = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), this);
    connect(whatsThis, &QShortcut::activated, this, [] { QWhatsThis::enterWhatsThisMode(); });
    connect(this, &QWizard::helpRequested, this, &TransferWizard::ShowHelpTopic);
    connect(this, &QWizard::currentIdChanged, this, &TransferWizard::OnPageChanged);
}

void TransferWizard::TagButtons()
{
    using R = TransferWizardRules;
    const std::pair<WizardButton, int> tags[] = {
        {BackButton, R::kBackButton},     {NextButton, R::kNextButton},
        {FinishButton, R::kFinishButton}, {CancelButton, R::kCancelButton},
        {HelpButton, R::kHelpButton},
    };
    for (const auto& [which, id] : tags) {
        button(which)->setProperty("controlId", id);
    }
}

void TransferWizard::OnPageChanged(int id)
{
    if (auto* current = qobject_cast<TransferPage*>(page(id))) {
        setWindowTitle(current->Caption());
        current->Activate();
    }
}

bool TransferWizard::ShowHelpTopic()
{
    HelpViewer* viewer = m_help ? m_help() : nullptr;
    if (!viewer) {
        return false;
    }
    const std::string address =
        HelpAddress::Topic(m_programDir.toStdString(), TransferWizardRules::HelpPage(m_importing));
    return viewer->ShowHelp(address, HelpCommand::DisplayTopic, 0);
}

}  // namespace orvane

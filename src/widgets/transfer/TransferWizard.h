#pragma once

#include <QWizard>
#include <functional>

#include "exchange/RecordKind.h"
#include "exchange/TransferSettings.h"

namespace orvane {

class DocumentStructurePage;
class FieldsPage;
class FileSelectionPage;
class HelpViewer;
class Prompter;
class TransferPage;
class WizardContextHelp;

// The three-page wizard behind every import and export command: the file, its layout and
// the fields. It only fills the settings; the command does the transfer after Finish.
class TransferWizard : public QWizard {
    Q_OBJECT
public:
    enum PageId { kFilePage = 0, kStructurePage = 1, kFieldsPage = 2 };
    // The program's help viewer at the moment help is asked for; may give null.
    using HelpSource = std::function<HelpViewer*()>;

    TransferWizard(TransferSettings& settings, bool importing, RecordKind kind, Prompter& prompter,
                   HelpSource help, QString programDir, QWidget* parent = nullptr);

    FileSelectionPage* FilePage() const { return m_filePage; }
    DocumentStructurePage* StructurePage() const { return m_structurePage; }
    FieldsPage* FieldPage() const { return m_fieldsPage; }
    WizardContextHelp* ContextHelp() const { return m_contextHelp; }
    // The Help button's topic: csvimport.htm or csvexport.htm.
    bool ShowHelpTopic();

private:
    void TagButtons();
    void OnPageChanged(int id);

    bool m_importing;
    HelpSource m_help;
    QString m_programDir;
    FileSelectionPage* m_filePage = nullptr;
    DocumentStructurePage* m_structurePage = nullptr;
    FieldsPage* m_fieldsPage = nullptr;
    WizardContextHelp* m_contextHelp = nullptr;
};

}  // namespace orvane

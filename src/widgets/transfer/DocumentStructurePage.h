#pragma once

#include "widgets/transfer/TransferPage.h"

class QCheckBox;
class QGroupBox;
class QListWidget;
class QPlainTextEdit;

namespace orvane {

// Page 2: how the file is laid out. Importing, it shows the file's first line to help the
// choice; exporting, that preview is not there.
class DocumentStructurePage : public TransferPage {
    Q_OBJECT
public:
    DocumentStructurePage(TransferSettings& settings, bool importing, Prompter& prompter,
                          QWidget* parent = nullptr);

    QPlainTextEdit* Preview() const { return m_preview; }
    QGroupBox* PreviewGroup() const { return m_previewGroup; }
    QCheckBox* NamesBox() const { return m_names; }
    QListWidget* Separators() const { return m_separators; }
    QListWidget* Enclosers() const { return m_enclosers; }

    void Activate() override;
    bool validatePage() override;

private:
    QWidget* BuildPreview();
    QWidget* BuildChoices();

    QGroupBox* m_previewGroup = nullptr;
    QPlainTextEdit* m_preview = nullptr;
    QCheckBox* m_names = nullptr;
    QListWidget* m_separators = nullptr;
    QListWidget* m_enclosers = nullptr;
};

}  // namespace orvane

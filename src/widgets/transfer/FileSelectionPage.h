#pragma once

#include "widgets/transfer/TransferPage.h"

class QLineEdit;
class QPushButton;

namespace orvane {

// Page 1: the path of the file to read or write, typed or chosen with "...".
class FileSelectionPage : public TransferPage {
    Q_OBJECT
public:
    FileSelectionPage(TransferSettings& settings, bool importing, Prompter& prompter,
                      QWidget* parent = nullptr);

    QLineEdit* PathField() const { return m_path; }
    QPushButton* BrowseButton() const { return m_browse; }

    bool isComplete() const override;
    bool validatePage() override;

private:
    void Browse();
    std::string Path() const;

    QLineEdit* m_path = nullptr;
    QPushButton* m_browse = nullptr;
};

}  // namespace orvane

#pragma once

#include <QDialog>
#include <map>

#include "data/User.h"

class QLineEdit;
class QPushButton;
class QTabWidget;

namespace orvane {

class ContextHelp;

// The owner's name and address on two pages, General and Address.
class UserSheet : public QDialog {
    Q_OBJECT
public:
    UserSheet(const User& user, const ContextHelp* help, QWidget* parent = nullptr);

    User Values() const;
    QPushButton* OkButton() const { return m_ok; }
    QTabWidget* Pages() const { return m_pages; }

private:
    struct FieldControl {
        int controlId;
        std::string User::*field;
        const char* label;
    };
    QWidget* BuildPage(const FieldControl* first, const FieldControl* last);
    void UpdateOk();

    static const FieldControl kGeneral[4];
    static const FieldControl kAddress[5];

    User m_user;
    QTabWidget* m_pages = nullptr;
    QPushButton* m_ok = nullptr;
    std::map<int, QLineEdit*> m_edits;
};

}  // namespace orvane

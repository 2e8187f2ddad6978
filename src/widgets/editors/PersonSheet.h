#pragma once

#include <QDialog>
#include <map>

#include "data/Person.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace orvane {

class ContextHelp;

// The person editor: General, Phone, Address and Notes pages over one person's fields.
class PersonSheet : public QDialog {
    Q_OBJECT
public:
    PersonSheet(const QString& caption, const Person& person, const ContextHelp* help,
                QWidget* parent = nullptr);

    // The person as the pages hold it (ID and RName as given).
    Person Values() const;
    QPushButton* OkButton() const { return m_ok; }
    QTabWidget* Pages() const { return m_pages; }

private:
    QWidget* BuildGeneral();
    QWidget* BuildPhone();
    QWidget* BuildAddress();
    QWidget* BuildNotes();
    QLineEdit* AddEdit(QWidget* page, int controlId, const QString& label);
    void UpdateOk();

    Person m_person;
    QTabWidget* m_pages = nullptr;
    QPushButton* m_ok = nullptr;
    std::map<int, QLineEdit*> m_edits;
    QCheckBox* m_white = nullptr;
    QCheckBox* m_yellow = nullptr;
    QPlainTextEdit* m_notes = nullptr;
};

}  // namespace orvane

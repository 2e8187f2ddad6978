#pragma once

#include <QDialog>
#include <array>

#include "rules/editors/TaskEditorModel.h"

class QDateEdit;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orvane {

class ContextHelp;

// The task editor: text, priority and due date.
class TaskDialog : public QDialog {
    Q_OBJECT
public:
    TaskDialog(const TaskEditorModel& model, const ContextHelp* help, QWidget* parent = nullptr);

    // The values with what the user entered; meaningful after OK.
    const TaskEditorModel& Values() const { return m_model; }
    QPushButton* OkButton() const { return m_ok; }

    void accept() override;

private:
    void UpdateOk();

    TaskEditorModel m_model;
    QLineEdit* m_text = nullptr;
    std::array<QRadioButton*, 4> m_priorities{};
    QDateEdit* m_date = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace orvane

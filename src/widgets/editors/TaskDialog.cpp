#include "widgets/editors/TaskDialog.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "widgets/editors/EditorWidgets.h"
#include "widgets/help/ControlHelpFilter.h"
#include "widgets/panes/DisplayText.h"

namespace orvane {

namespace {

// Radio ids by priority: High 1025 down to Done 1022.
constexpr std::array<int, 4> kPriorityIds{1025, 1024, 1023, 1022};
constexpr const char* kPriorityTexts[] = {"High", "Medium", "Low", "Done"};

}  // namespace

TaskDialog::TaskDialog(const TaskEditorModel& model, const ContextHelp* help, QWidget* parent)
    : QDialog(parent), m_model(model)
{
    setWindowTitle(QString::fromStdString(m_model.Title));
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);

    m_text = EditorWidgets::Edit(m_model.Text, 1038, this);
    auto* priority = new QGroupBox(tr("Priority"), this);
    EditorWidgets::Tag(priority, 1051);
    auto* priorityLayout = new QVBoxLayout(priority);
    for (size_t i = 0; i < m_priorities.size(); ++i) {
        m_priorities[i] = new QRadioButton(tr(kPriorityTexts[i]), priority);
        EditorWidgets::Tag(m_priorities[i], kPriorityIds[i]);
        priorityLayout->addWidget(m_priorities[i]);
    }
    if (m_model.Priority >= 0 && m_model.Priority < static_cast<int>(m_priorities.size())) {
        m_priorities[m_model.Priority]->setChecked(true);
    }
    m_date = EditorWidgets::DatePicker(m_model.Date, 1100, this);
    auto* dateLabel = EditorWidgets::Label(tr("Due Date:"), m_date, this);
    EditorWidgets::Tag(dateLabel, 1110);

    m_ok = new QPushButton(tr("&Ok"), this);
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    EditorWidgets::Tag(m_ok, 1);
    EditorWidgets::Tag(cancel, 2);
    m_ok->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(EditorWidgets::Label(tr("Task:"), m_text, this), 0, 0);
    grid->addWidget(m_text, 0, 1, 1, 2);
    grid->addWidget(priority, 1, 0, 2, 1);
    grid->addWidget(dateLabel, 1, 1);
    grid->addWidget(m_date, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 3, 0, 1, 3);
    grid->setColumnStretch(2, 1);

    connect(m_ok, &QPushButton::clicked, this, &TaskDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &TaskDialog::reject);
    connect(m_text, &QLineEdit::textChanged, this, &TaskDialog::UpdateOk);
    // Connected after the date is set: only a day the user picks replaces the stored one.
    connect(m_date, &QDateEdit::dateChanged, this,
            [this](QDate day) { m_model.PickDay(day.year(), day.month(), day.day()); });
    UpdateOk();
    (new ControlHelpFilter(ContextHelp::Editor::Task, help, this))->Attach();
}

void TaskDialog::UpdateOk()
{
    m_ok->setEnabled(!m_text->text().isEmpty());
}

void TaskDialog::accept()
{
    if (!m_ok->isEnabled()) {
        return;  // Enter in the edit while OK is grey
    }
    const QString text = m_text->text();
    if (text != DisplayText::ToDisplay(m_model.Text)) {
        m_model.Text = DisplayText::FromTyped(text);
    }
    for (size_t i = 0; i < m_priorities.size(); ++i) {
        if (m_priorities[i]->isChecked()) {
            m_model.Priority = static_cast<int32_t>(i);
        }
    }
    QDialog::accept();
}

}  // namespace orvane

#include "widgets/editors/AppointmentDialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <tuple>

#include "widgets/editors/ArrowButtons.h"
#include "widgets/editors/EditorWidgets.h"
#include "widgets/help/ControlHelpFilter.h"
#include "widgets/panes/DisplayText.h"

namespace orvane {

namespace {

QLabel* IdLabel(const QString& text, int controlId, QWidget* buddy, QWidget* parent)
{
    QLabel* label = EditorWidgets::Label(text, buddy, parent);
    EditorWidgets::Tag(label, controlId);
    return label;
}

}  // namespace

AppointmentDialog::AppointmentDialog(const AppointmentEditorModel& model, const ContextHelp* help,
                                     QWidget* parent)
    : QDialog(parent), m_model(model)
{
    setWindowTitle(QString::fromStdString(m_model.Title()));
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);

    m_text = EditorWidgets::Edit(m_model.Text(), 1033, this);
    m_date = EditorWidgets::DatePicker(m_model.Date(), 1000, this);
    m_ok = new QPushButton(tr("&Ok"), this);
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    EditorWidgets::Tag(m_ok, 1);
    EditorWidgets::Tag(cancel, 2);
    m_ok->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(IdLabel(tr("Appointment:"), 1069, m_text, this), 0, 0);
    grid->addWidget(m_text, 0, 1, 1, 2);
    grid->addWidget(IdLabel(tr("Date Due:"), 1070, m_date, this), 1, 0);
    grid->addWidget(m_date, 1, 1, 1, 2);
    grid->addWidget(BuildTimes(), 2, 0, 1, 2);
    grid->addWidget(BuildAlarm(), 2, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 3, 0, 1, 3);

    connect(m_ok, &QPushButton::clicked, this, &AppointmentDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &AppointmentDialog::reject);
    connect(m_text, &QLineEdit::textChanged, this, &AppointmentDialog::UpdateOk);
    connect(m_date, &QDateEdit::dateChanged, this, [this](QDate day) {
        m_model.PickDay(day.year(), day.month(), day.day());
        ShowTimes();
    });
    connect(m_beginArrows, &ArrowButtons::stepped, this, [this](bool up) {
        m_model.StepBegin(up);
        ShowTimes();
    });
    connect(m_endArrows, &ArrowButtons::stepped, this, [this](bool up) {
        m_model.StepEnd(up);
        ShowTimes();
    });
    connect(m_leadArrows, &ArrowButtons::stepped, this, [this](bool up) {
        m_model.SetLeadMinutes(m_lead->text().toInt());
        m_model.StepLead(up);
        m_lead->setText(QString::number(m_model.LeadMinutes()));
    });
    ShowTimes();
    m_ok->setEnabled(m_model.CanAccept());
    (new ControlHelpFilter(ContextHelp::Editor::Appointment, help, this))->Attach();
}

QWidget* AppointmentDialog::BuildTimes()
{
    auto* frame = new QGroupBox(tr("Times"), this);
    EditorWidgets::Tag(frame, 1075);
    auto* grid = new QGridLayout(frame);
    m_begin = EditorWidgets::Edit({}, 1040, frame);
    m_end = EditorWidgets::Edit({}, 1041, frame);
    m_beginArrows = new ArrowButtons(frame);
    m_endArrows = new ArrowButtons(frame);
    EditorWidgets::Tag(m_beginArrows, 1042);
    EditorWidgets::Tag(m_endArrows, 1043);
    int row = 0;
    for (auto [label, id, edit, arrows] : {std::tuple{tr("Begin:"), 1071, m_begin, m_beginArrows},
                                           std::tuple{tr("End:"), 1072, m_end, m_endArrows}}) {
        edit->setEnabled(false);  // only the arrows change a time
        grid->addWidget(IdLabel(label, id, edit, frame), row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(arrows, row, 2);
        ++row;
    }
    return frame;
}

QWidget* AppointmentDialog::BuildAlarm()
{
    auto* frame = new QGroupBox(tr("Alarm Options"), this);
    EditorWidgets::Tag(frame, 1074);
    auto* grid = new QGridLayout(frame);
    m_alarm = new QCheckBox(tr("&Set Alarm"), frame);
    EditorWidgets::Tag(m_alarm, 1037);
    m_alarm->setChecked(m_model.AlarmChecked());
    m_lead = EditorWidgets::Edit({}, 1038, frame);
    m_lead->setReadOnly(true);
    m_lead->setText(QString::number(m_model.LeadMinutes()));
    m_leadArrows = new ArrowButtons(frame);
    EditorWidgets::Tag(m_leadArrows, 1039);
    // As with any number beside arrows, the arrow keys step it too.
    for (auto [key, button] : {std::pair{Qt::Key_Up, m_leadArrows->UpButton()},
                               std::pair{Qt::Key_Down, m_leadArrows->DownButton()}}) {
        auto* shortcut =
            new QShortcut(QKeySequence(key), m_lead, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, button, &QToolButton::click);
    }
    grid->addWidget(m_alarm, 0, 0, 1, 3);
    grid->addWidget(IdLabel(tr("Minutes Before Appointment:"), 1073, m_lead, frame), 1, 0);
    grid->addWidget(m_lead, 1, 1);
    grid->addWidget(m_leadArrows, 1, 2);
    return frame;
}

void AppointmentDialog::ShowTimes()
{
    m_begin->setText(QString::fromStdString(m_model.StartText()));
    m_end->setText(QString::fromStdString(m_model.EndText()));
}

void AppointmentDialog::UpdateOk()
{
    m_ok->setEnabled(!m_text->text().isEmpty());
}

void AppointmentDialog::accept()
{
    if (!m_ok->isEnabled()) {
        return;  // Enter in the edit while OK is grey
    }
    const QString text = m_text->text();
    if (text != DisplayText::ToDisplay(m_model.Text())) {
        m_model.SetText(DisplayText::FromTyped(text));
    }
    m_model.SetAlarmChecked(m_alarm->isChecked());
    m_model.Accept(m_lead->text().toStdString());
    QDialog::accept();
}

}  // namespace orvane

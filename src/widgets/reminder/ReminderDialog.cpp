#include "widgets/reminder/ReminderDialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvane {

namespace {

constexpr const char* kControlId = "controlId";

}  // namespace

ReminderDialog::ReminderDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(tr("Appointment Reminder"));
    setModal(true);

    m_message = new QLabel(this);
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);
    m_message->setMinimumHeight(fontMetrics().height() * 3);
    m_message->setProperty(kControlId, kMessageId);

    auto* frame = new QGroupBox(this);
    m_turnOffBox = new QCheckBox(tr("&Turn off alarm"), frame);
    m_turnOffBox->setProperty(kControlId, kTurnOffId);
    auto* frameLayout = new QHBoxLayout(frame);
    frameLayout->addWidget(m_turnOffBox);

    auto* ok = new QPushButton(tr("&OK"), this);
    ok->setDefault(true);
    ok->setAutoDefault(true);
    ok->setProperty(kControlId, kOkId);
    connect(ok, &QPushButton::clicked, this, &ReminderDialog::OnOk);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(frame);
    bottom->addStretch(1);
    bottom->addWidget(ok, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_message);
    layout->addLayout(bottom);
    setMinimumWidth(fontMetrics().averageCharWidth() * 48);
}

void ReminderDialog::SetMessage(const QString& message)
{
    m_message->setText(message);
}

QString ReminderDialog::Message() const
{
    return m_message->text();
}

void ReminderDialog::SetTurnOff(bool turnOff)
{
    m_turnOff = turnOff;
    m_turnOffBox->setChecked(turnOff);
}

void ReminderDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    raise();
    activateWindow();
}

void ReminderDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void ReminderDialog::OnOk()
{
    m_turnOff = m_turnOffBox->isChecked();
    done(QDialog::Accepted);
}

}  // namespace orvane

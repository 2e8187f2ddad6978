#include "widgets/sync/SyncSettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvane {

namespace {

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

SyncSettingsDialog::SyncSettingsDialog(const sync::SyncSettings& settings,
                                       std::function<void()> showHelp, QWidget* parent)
    : QDialog(parent), m_settings(settings)
{
    setWindowTitle(tr("Synchronization"));
    auto* grid = new QGridLayout;
    m_contacts = FolderRow(tr("&Contacts folder (.vcf files):"), settings.contacts, grid, 0);
    m_calendar = FolderRow(tr("Ca&lendar folder (.ics files):"), settings.calendar, grid, 1);

    m_command = new QLineEdit(Text(settings.command), this);
    m_command->setPlaceholderText(tr("for example: vdirsyncer sync"));
    auto* commandLabel = new QLabel(tr("C&ommand to run before and after:"), this);
    commandLabel->setBuddy(m_command);
    grid->addWidget(commandLabel, 2, 0);
    grid->addWidget(m_command, 2, 1, 1, 2);

    m_rule = new QComboBox(this);
    m_rule->addItem(tr("The side changed last wins"), int(sync::ConflictRule::Newer));
    m_rule->addItem(tr("Orvane!'s version wins"), int(sync::ConflictRule::Database));
    m_rule->addItem(tr("The folder's version wins"), int(sync::ConflictRule::Folder));
    m_rule->setCurrentIndex(m_rule->findData(int(settings.rule)));
    auto* ruleLabel = new QLabel(tr("When both sides changed an &item:"), this);
    ruleLabel->setBuddy(m_rule);
    grid->addWidget(ruleLabel, 3, 0);
    grid->addWidget(m_rule, 3, 1, 1, 2);

    m_automatic = new QCheckBox(tr("&Synchronize when opening and after saving"), this);
    m_automatic->setChecked(settings.automatic);
    grid->addWidget(m_automatic, 4, 0, 1, 3);

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [showHelp] {
        if (showHelp) {
            showHelp();
        }
    });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    resize(560, sizeHint().height());
}

QLineEdit* SyncSettingsDialog::FolderRow(const QString& label, const std::string& value,
                                         QGridLayout* grid, int row)
{
    auto* edit = new QLineEdit(Text(value), this);
    auto* text = new QLabel(label, this);
    text->setBuddy(edit);
    auto* browse = new QPushButton(tr("Browse..."), this);
    connect(browse, &QPushButton::clicked, this, [this, edit] {
        const QString folder =
            QFileDialog::getExistingDirectory(this, tr("Choose a Folder"), edit->text());
        if (!folder.isEmpty()) {
            edit->setText(folder);
        }
    });
    grid->addWidget(text, row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(browse, row, 2);
    return edit;
}

sync::SyncSettings SyncSettingsDialog::Values() const
{
    sync::SyncSettings values = m_settings;
    values.contacts = m_contacts->text().trimmed().toStdString();
    values.calendar = m_calendar->text().trimmed().toStdString();
    values.command = m_command->text().trimmed().toStdString();
    values.rule = static_cast<sync::ConflictRule>(m_rule->currentData().toInt());
    values.automatic = m_automatic->isChecked();
    return values;
}

}  // namespace orvane

#include "widgets/files/RestoreVersionDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "widgets/panes/DisplayText.h"

namespace orvane {

RestoreVersionDialog::RestoreVersionDialog(const std::string& databasePath,
                                           std::vector<ListedVersion> versions,
                                           std::function<void()> showHelp, QWidget* parent)
    : QDialog(parent), m_versions(std::move(versions)), m_showHelp(std::move(showHelp))
{
    setWindowTitle(tr("Restore Previous Version"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("Versions of %1 kept at earlier saves, newest first. The one "
                                "you restore replaces the records in the window; Save writes "
                                "it back.")
                                 .arg(DisplayText::ToDisplay(databasePath)),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    m_list = new QTreeWidget(this);
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels(
        {tr("Saved"), tr("Size"), tr("Tasks"), tr("Persons"), tr("Appointments")});
    layout->addWidget(m_list);
    auto* buttons = new QDialogButtonBox(this);
    m_restore = buttons->addButton(tr("&Restore"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    QPushButton* help = buttons->addButton(QDialogButtonBox::Help);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { m_showHelp(); });
    connect(m_list, &QTreeWidget::currentItemChanged, this,
            [this] { m_restore->setEnabled(Selected() != nullptr); });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (Selected()) {
            accept();
        }
    });
    FillList();
    resize(620, 360);
}

void RestoreVersionDialog::FillList()
{
    const QLocale locale;
    for (const ListedVersion& listed : m_versions) {
        QStringList columns = {QString::fromStdString(listed.time),
                               locale.formattedDataSize(listed.version.size)};
        if (listed.readable) {
            for (const size_t count : {listed.tasks, listed.persons, listed.appointments}) {
                columns << QString::number(count);
            }
        } else {
            columns << tr("not readable");
        }
        auto* item = new QTreeWidgetItem(m_list, columns);
        for (int column = 1; column < columns.size(); ++column) {
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setStretchLastSection(false);
    m_list->setCurrentItem(m_list->topLevelItem(0));
    m_restore->setEnabled(Selected() != nullptr);
}

const ListedVersion* RestoreVersionDialog::Selected() const
{
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    if (row < 0 || !m_versions[static_cast<size_t>(row)].readable) {
        return nullptr;
    }
    return &m_versions[static_cast<size_t>(row)];
}

std::optional<std::string> RestoreVersionDialog::Chosen() const
{
    const ListedVersion* selected = Selected();
    if (result() != QDialog::Accepted || !selected) {
        return std::nullopt;
    }
    return selected->version.file;
}

// F1 opens the dialog's help page, as the Help button does.
void RestoreVersionDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        m_showHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace orvane

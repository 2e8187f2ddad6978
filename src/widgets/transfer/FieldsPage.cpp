#include "widgets/transfer/FieldsPage.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "exchange/TransferWizardRules.h"
#include "widgets/panes/DisplayText.h"
#include "widgets/transfer/FieldAssignmentDialog.h"

namespace orvane {

FieldsPage::FieldsPage(TransferSettings& settings, bool importing, RecordKind kind,
                       Prompter& prompter, QWidget* parent)
    : TransferPage(settings, importing, prompter, tr("Fields To Import"), parent), m_kind(kind)
{
    auto* group = WithControlId(new QGroupBox(tr("Available Fields"), this), 1004);
    m_list = WithControlId(new QTreeWidget(group), 1145);
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setAllColumnsShowFocus(true);
    m_list->header()->setSectionsMovable(false);
    m_list->header()->setSectionResizeMode(QHeaderView::Stretch);
    auto* column = new QVBoxLayout(group);
    column->addWidget(m_list);
    auto* hint = new QLabel(importing ? tr("Click a row to choose the field its column fills.")
                                      : tr("Click the fields to write to the file."),
                            group);
    hint->setWordWrap(true);
    column->addWidget(hint);
    Content()->addWidget(group, 1);
    connect(m_list, &QTreeWidget::itemClicked, this, &FieldsPage::OnRowClicked);
    // Space does to the current row what a click does, for keyboard users.
    m_list->installEventFilter(this);
}

void FieldsPage::initializePage()
{
    // Coming back to the page keeps the rows and their assignments.
    if (m_filled) {
        return;
    }
    m_filled = true;
    if (Importing()) {
        FillImportRows();
    } else {
        FillExportRows();
    }
}

void FieldsPage::FillImportRows()
{
    m_list->setColumnCount(2);
    m_list->setHeaderLabels(
        {tr("Import Fields"),
         QString::fromStdString(TransferWizardRules::FieldsHeader(Settings()))});
    m_assignments = TransferWizardRules::ImportColumns(Settings());
    for (int row = 0; row < m_assignments.RowCount(); ++row) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, DisplayText::ToDisplay(m_assignments.ColumnName(row)));
        // The full text on hover, for columns too long for half the list.
        item->setToolTip(0, item->text(0));
    }
}

void FieldsPage::FillExportRows()
{
    m_list->setColumnCount(1);
    m_list->setHeaderLabels(
        {QString::fromStdString(TransferWizardRules::FieldsHeader(Settings()))});
    for (const std::string& name : Settings().fieldNames) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, QString::fromStdString(name));
        // Not user-checkable: a click anywhere on the row toggles it, exactly once.
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setCheckState(0, Qt::Unchecked);
    }
}

void FieldsPage::ShowAssignments()
{
    for (int row = 0; row < m_assignments.RowCount(); ++row) {
        m_list->topLevelItem(row)->setText(1, QString::fromStdString(m_assignments.Assigned(row)));
    }
}

void FieldsPage::OnRowClicked(QTreeWidgetItem* item)
{
    const int row = item ? m_list->indexOfTopLevelItem(item) : -1;
    if (row < 0) {
        return;
    }
    if (!Importing()) {
        item->setCheckState(0, item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        return;
    }
    AssignRow(row);
}

void FieldsPage::AssignRow(int row)
{
    const std::vector<std::string>& names = Settings().fieldNames;
    const std::string& current = m_assignments.Assigned(row);
    const auto found = std::find(names.begin(), names.end(), current);
    const int preselected =
        current.empty() || found == names.end() ? -1 : static_cast<int>(found - names.begin());
    FieldAssignmentDialog dialog(names, preselected, !current.empty(), window());
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (dialog.ImportThisField() && dialog.SelectedIndex() >= 0) {
        m_assignments.Assign(row, names[static_cast<size_t>(dialog.SelectedIndex())]);
    } else {
        m_assignments.Clear(row);
    }
    ShowAssignments();
}

bool FieldsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        OnRowClicked(m_list->currentItem());
        return true;
    }
    return TransferPage::eventFilter(watched, event);
}

bool FieldsPage::validatePage()
{
    if (Importing()) {
        return Passes(TransferWizardRules::AcceptImportFields(Settings(), m_kind, m_assignments));
    }
    std::vector<bool> ticked;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        ticked.push_back(m_list->topLevelItem(row)->checkState(0) == Qt::Checked);
    }
    return Passes(TransferWizardRules::AcceptExportFields(Settings(), ticked));
}

}  // namespace orvane

#include "widgets/transfer/FieldAssignmentDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/transfer/TransferPage.h"

namespace orvane {

FieldAssignmentDialog::FieldAssignmentDialog(const std::vector<std::string>& fieldNames,
                                             int preselected, bool importThisField, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Fields"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        WithControlId(new QLabel(tr("Assign imported field to this field:"), this), 1005));
    m_fields = WithControlId(new QComboBox(this), 1148);
    for (const std::string& name : fieldNames) {
        m_fields->addItem(QString::fromStdString(name));
    }
    m_fields->setMaxVisibleItems(static_cast<int>(fieldNames.size()));
    m_fields->setCurrentIndex(preselected);
    layout->addWidget(m_fields);
    m_import = WithControlId(new QCheckBox(tr("Import this field"), this), 1147);
    m_import->setChecked(importThisField);
    layout->addWidget(m_import);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_fields, &QComboBox::currentIndexChanged, this, &FieldAssignmentDialog::UpdateOk);
    UpdateOk();
}

int FieldAssignmentDialog::SelectedIndex() const
{
    return m_fields->currentIndex();
}

bool FieldAssignmentDialog::ImportThisField() const
{
    return m_import->isChecked();
}

void FieldAssignmentDialog::UpdateOk()
{
    m_ok->setEnabled(m_fields->currentIndex() >= 0);
}

}  // namespace orvane

#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "support/FakeHelpViewer.h"
#include "widgets/transfer/FieldAssignmentDialog.h"
#include "widgets/transfer/FieldsPage.h"
#include "widgets/transfer/FileSelectionPage.h"
#include "widgets/transfer/TransferWizard.h"

namespace orvane::test {

// Clicks through a transfer wizard the way a user does: with the mouse and the keyboard.
class WizardDriver {
public:
    explicit WizardDriver(TransferWizard& wizard) : m_wizard(wizard) {}

    void Click(QWizard::WizardButton which)
    {
        QTest::mouseClick(m_wizard.button(which), Qt::LeftButton);
    }
    void TypePath(const QString& path)
    {
        QLineEdit* edit = m_wizard.FilePage()->PathField();
        edit->clear();
        QTest::keyClicks(edit, path);
    }
    QTreeWidget* List() { return m_wizard.FieldPage()->List(); }
    QString Cell(int row, int column) { return List()->topLevelItem(row)->text(column); }
    void ClickRow(int row)
    {
        QTreeWidget* list = List();
        list->scrollToItem(list->topLevelItem(row));
        const QRect rect = list->visualItemRect(list->topLevelItem(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
    // Clicks a row and lets `answer` work the "Fields" dialog while it is open; false when
    // no dialog came up.
    bool ClickRowAndAnswer(int row, const std::function<void(FieldAssignmentDialog&)>& answer)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<FieldAssignmentDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                return;
            }
            seen = true;
            answer(*dialog);
            if (dialog->isVisible()) {
                dialog->reject();
            }
        });
        ClickRow(row);
        QApplication::processEvents();
        return seen;
    }
    // Assigns the field of the given name to a row through the dialog.
    bool Assign(int row, const QString& field)
    {
        return ClickRowAndAnswer(row, [&](FieldAssignmentDialog& dialog) {
            dialog.FieldList()->setCurrentIndex(dialog.FieldList()->findText(field));
            dialog.ImportBox()->setChecked(true);
            dialog.OkButton()->click();
        });
    }

private:
    TransferWizard& m_wizard;
};

}  // namespace orvane::test

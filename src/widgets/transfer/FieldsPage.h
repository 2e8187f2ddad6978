#pragma once

#include "exchange/FieldAssignments.h"
#include "exchange/RecordKind.h"
#include "widgets/transfer/TransferPage.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace orvane {

// Page 3. Importing: one row per column of the file's first line, each assigned a record
// field through the "Fields" dialog. Exporting: the type's fields to tick.
class FieldsPage : public TransferPage {
    Q_OBJECT
public:
    FieldsPage(TransferSettings& settings, bool importing, RecordKind kind, Prompter& prompter,
               QWidget* parent = nullptr);

    QTreeWidget* List() const { return m_list; }
    const FieldAssignments& Assignments() const { return m_assignments; }

    void initializePage() override;
    bool validatePage() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillImportRows();
    void FillExportRows();
    void ShowAssignments();
    void OnRowClicked(QTreeWidgetItem* item);
    void AssignRow(int row);

    RecordKind m_kind;
    QTreeWidget* m_list = nullptr;
    FieldAssignments m_assignments;
    bool m_filled = false;
};

}  // namespace orvane

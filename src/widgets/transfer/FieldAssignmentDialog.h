#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace orvane {

// "Fields": which record field one column of an import file feeds, and whether it is
// imported at all.
class FieldAssignmentDialog : public QDialog {
    Q_OBJECT
public:
    // preselected: the index into fieldNames, -1 for none.
    FieldAssignmentDialog(const std::vector<std::string>& fieldNames, int preselected,
                          bool importThisField, QWidget* parent = nullptr);

    int SelectedIndex() const;
    bool ImportThisField() const;

    QComboBox* FieldList() const { return m_fields; }
    QCheckBox* ImportBox() const { return m_import; }
    QPushButton* OkButton() const { return m_ok; }

private:
    void UpdateOk();

    QComboBox* m_fields = nullptr;
    QCheckBox* m_import = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace orvane

#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "reports/PersonPickerModel.h"

class QCheckBox;
class QListWidget;
class QPushButton;

namespace orvane {

// "Persons To Include": picks the persons an address book or envelopes are printed for.
// Preview and Print close it like OK and say which of them was pressed. Every control
// carries its id in the dynamic property "controlId".
class PersonPickerDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kListId = 1044;
    static constexpr int kSelectAllId = 1045;
    static constexpr int kOkId = 1;
    static constexpr int kCancelId = 2;
    static constexpr int kPreviewId = 1051;
    static constexpr int kPrintId = 1052;
    static constexpr int kHelpId = 1047;

    // What the help button and context help on a control (by its popup topic) show.
    struct Help {
        std::function<void()> topic;
        std::function<void(uint32_t popupTopic)> popup;
    };

    PersonPickerDialog(std::vector<Person> offered, Help help, QWidget* parent = nullptr);

    // The help file's popup topic of a control; 0 for none.
    static uint32_t PopupTopic(int controlId);

    QWidget* Control(int controlId) const;
    QListWidget* List() const { return m_list; }
    const PersonPickerModel& Model() const { return m_model; }
    // How the dialog was left with OK.
    PersonPickerModel::Exit ExitKind() const { return m_exit; }

private:
    QPushButton* AddButton(const QString& text, int controlId);
    void OnSelectionChanged();
    void OnSelectAll(bool checked);
    void Finish(PersonPickerModel::Exit exit);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void UpdateButtons();

    PersonPickerModel m_model;
    Help m_help;
    PersonPickerModel::Exit m_exit = PersonPickerModel::Exit::Ok;
    QListWidget* m_list = nullptr;
    QCheckBox* m_selectAll = nullptr;
    std::vector<QPushButton*> m_acceptButtons;
    std::vector<QWidget*> m_controls;
};

}  // namespace orvane

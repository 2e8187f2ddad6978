#pragma once

#include <QDialog>

#include "rules/editors/AppointmentEditorModel.h"

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

namespace orvane {

class ArrowButtons;
class ContextHelp;

// The appointment editor: text, day, begin and end times stepped by arrows, and the alarm.
class AppointmentDialog : public QDialog {
    Q_OBJECT
public:
    AppointmentDialog(const AppointmentEditorModel& model, const ContextHelp* help,
                      QWidget* parent = nullptr);

    const AppointmentEditorModel& Values() const { return m_model; }
    QPushButton* OkButton() const { return m_ok; }
    ArrowButtons* BeginArrows() const { return m_beginArrows; }
    ArrowButtons* EndArrows() const { return m_endArrows; }
    ArrowButtons* LeadArrows() const { return m_leadArrows; }

    void accept() override;

private:
    QWidget* BuildTimes();
    QWidget* BuildAlarm();
    void ShowTimes();
    void UpdateOk();

    AppointmentEditorModel m_model;
    QLineEdit* m_text = nullptr;
    QDateEdit* m_date = nullptr;
    QLineEdit* m_begin = nullptr;
    QLineEdit* m_end = nullptr;
    ArrowButtons* m_beginArrows = nullptr;
    ArrowButtons* m_endArrows = nullptr;
    QCheckBox* m_alarm = nullptr;
    QLineEdit* m_lead = nullptr;
    ArrowButtons* m_leadArrows = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace orvane

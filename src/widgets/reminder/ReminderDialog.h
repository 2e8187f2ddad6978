#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;

namespace orvane {

// "Appointment Reminder": the message, "&Turn off alarm" and "&OK". It stays above other
// windows and OK is the only way out: Escape and the close box leave it open.
class ReminderDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMessageId = 1084;
    static constexpr int kTurnOffId = 1082;
    static constexpr int kOkId = 1;

    explicit ReminderDialog(QWidget* owner = nullptr);

    void SetMessage(const QString& message);
    QString Message() const;
    void SetTurnOff(bool turnOff);
    // The box as it was when OK was pressed.
    bool TurnOff() const { return m_turnOff; }

    void reject() override {}

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void OnOk();

    QLabel* m_message = nullptr;
    QCheckBox* m_turnOffBox = nullptr;
    bool m_turnOff = false;
};

}  // namespace orvane

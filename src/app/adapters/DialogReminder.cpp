#include "app/adapters/DialogReminder.h"

#include <QApplication>

#include "widgets/panes/DisplayText.h"
#include "widgets/reminder/ReminderDialog.h"

namespace orvane {

int DialogReminder::Show(Request& request)
{
    ReminderDialog dialog(QApplication::activeWindow());
    dialog.SetMessage(DisplayText::ToDisplay(request.message));
    dialog.SetTurnOff(request.turnOff);
    m_open = &dialog;
    const int result = dialog.exec();
    m_open = nullptr;
    if (result != QDialog::Accepted) {
        return 0;
    }
    request.turnOff = dialog.TurnOff();
    request.message = DisplayText::FromTyped(dialog.Message());
    return 1;
}

void DialogReminder::Raise()
{
    if (m_open) {
        m_open->show();
        m_open->raise();
        m_open->activateWindow();
    }
}

}  // namespace orvane

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
    if (dialog.exec() != QDialog::Accepted) {
        return 0;
    }
    request.turnOff = dialog.TurnOff();
    request.message = DisplayText::FromTyped(dialog.Message());
    return 1;
}

}  // namespace orvane

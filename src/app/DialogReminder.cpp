#include "app/DialogReminder.h"

#include <QApplication>

#include "views/DisplayText.h"
#include "views/ReminderDialog.h"

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

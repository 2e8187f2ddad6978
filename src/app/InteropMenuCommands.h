#pragma once

#include <QObject>

#include "interop/InteropCommand.h"

namespace orvane {

class MainFrame;
class Prompter;

// The File menu's vCard and iCalendar commands and the import of .vcf and .ics files
// dropped on the window. Owned by the frame.
class InteropMenuCommands : public QObject {
    Q_OBJECT
public:
    static InteropMenuCommands* Install(MainFrame& frame, Prompter& prompter);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    InteropMenuCommands(MainFrame& frame, Prompter& prompter);

    MainFrame& m_frame;
    interop::InteropCommand m_command;
};

}  // namespace orvane

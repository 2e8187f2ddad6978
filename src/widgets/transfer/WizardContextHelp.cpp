#include "widgets/transfer/WizardContextHelp.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "platform/HelpAddress.h"
#include "platform/HelpViewer.h"

namespace orvane {

WizardContextHelp::WizardContextHelp(QWidget* window, HelpSource help, QString programDir,
                                     std::function<int(int)> topicOf)
    : QObject(window),
      m_window(window),
      m_help(std::move(help)),
      m_programDir(std::move(programDir)),
      m_topicOf(std::move(topicOf))
{
    // Help events go to the control under the pointer or with the focus, so the filter
    // sits on the application and keeps to this window and the dialogs it owns.
    qApp->installEventFilter(this);
}

WizardContextHelp::~WizardContextHelp()
{
    qApp->removeEventFilter(this);
}

int WizardContextHelp::ControlIdOf(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant id = w->property("controlId");
        if (id.isValid()) {
            return id.toInt();
        }
        if (w->isWindow()) {
            break;
        }
    }
    return 0;
}

bool WizardContextHelp::ShowFor(int controlId)
{
    const int topic = controlId ? m_topicOf(controlId) : 0;
    HelpViewer* viewer = m_help ? m_help() : nullptr;
    if (topic == 0 || !viewer) {
        return false;
    }
    const std::string dir = m_programDir.toStdString();
    return viewer->ShowHelp(HelpAddress::File(dir), HelpCommand::ContextPopup,
                            static_cast<uint32_t>(topic));
}

bool WizardContextHelp::Covers(const QWidget* widget) const
{
    for (const QWidget* w = widget ? widget->window() : nullptr; w;
         w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
        if (w == m_window) {
            return true;
        }
    }
    return false;
}

bool WizardContextHelp::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    const bool f1 = type == QEvent::KeyPress &&
                    static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
                    static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier;
    if (type != QEvent::WhatsThis && type != QEvent::QueryWhatsThis && !f1) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !Covers(widget)) {
        return false;
    }
    if (type == QEvent::QueryWhatsThis) {
        // Lets the pointer show that every control of the window can be asked.
        event->accept();
        return true;
    }
    // F1 arrives at the control with the focus, the help click at the one under it.
    ShowFor(ControlIdOf(widget));
    event->accept();
    return true;
}

}  // namespace orvane

#include "widgets/help/ControlHelpFilter.h"

#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>
#include <QWhatsThis>
#include <QWidget>

namespace orvane {

namespace {

int ControlIdOf(QWidget* widget)
{
    const QVariant id = widget->property("controlId");
    if (id.isValid()) {
        return id.toInt();
    }
    if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy()) {
        const QVariant buddyId = label->buddy()->property("controlId");
        if (buddyId.isValid()) {
            return buddyId.toInt();
        }
    }
    return -1;
}

}  // namespace

ControlHelpFilter::ControlHelpFilter(ContextHelp::Editor editor, const ContextHelp* help,
                                     QWidget* dialog)
    : QObject(dialog), m_editor(editor), m_help(help), m_dialog(dialog)
{}

void ControlHelpFilter::Attach()
{
    if (!m_help) {
        return;
    }
    for (QWidget* widget : m_dialog->findChildren<QWidget*>()) {
        const int id = ControlIdOf(widget);
        if (id != -1 && ContextHelp::Covers(m_editor, id)) {
            m_ids[widget] = id;
            widget->installEventFilter(this);
        }
    }
    auto* whatsThis = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), m_dialog);
    connect(whatsThis, &QShortcut::activated, [] { QWhatsThis::enterWhatsThisMode(); });
}

bool ControlHelpFilter::eventFilter(QObject* watched, QEvent* event)
{
    const auto it = m_ids.find(watched);
    if (it != m_ids.end()) {
        switch (event->type()) {
            case QEvent::KeyPress:
                if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
                    static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
                    m_help->Request(m_editor, it->second);
                    return true;
                }
                break;
            case QEvent::QueryWhatsThis:
                event->accept();
                return true;
            case QEvent::WhatsThis:
                m_help->Request(m_editor, it->second);
                return true;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace orvane

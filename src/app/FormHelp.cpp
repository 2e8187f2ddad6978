#include "app/FormHelp.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QWidget>

#include "app/MainFrame.h"
#include "platform/HelpAddress.h"
#include "platform/HelpViewer.h"
#include "rules/help/HelpTopics.h"
#include "widgets/panes/MainForm.h"

namespace orvane {

namespace {

// The id of the form's control that holds widget (walking up from inner parts such as the
// calendar's table); 0 when the widget is not inside a control of the form.
int ControlIdOf(QWidget* widget, const QWidget* form)
{
    for (QWidget* w = widget; w != nullptr && w != form; w = w->parentWidget()) {
        const QVariant id = w->property("controlId");
        if (id.isValid()) {
            return id.toInt();
        }
    }
    return 0;
}

}  // namespace

FormHelp::FormHelp(MainFrame& frame, std::string programDirectory)
    : QObject(&frame), m_frame(frame), m_programDirectory(std::move(programDirectory))
{
    qApp->installEventFilter(this);
    connect(frame.Form(), &MainForm::contextHelpRequested, this, &FormHelp::BeginContextHelpMode);
}

FormHelp::~FormHelp()
{
    if (m_contextMode) {
        QApplication::restoreOverrideCursor();
    }
}

bool FormHelp::HelpFor(QWidget* widget)
{
    const MainForm* form = m_frame.Form();
    if (widget == nullptr || form == nullptr || !form->isAncestorOf(widget)) {
        return false;
    }
    return ShowPage(HelpTopics::PageForControl(ControlIdOf(widget, form)));
}

bool FormHelp::ShowPage(std::string_view page)
{
    HelpViewer* viewer = m_frame.Help();
    if (page.empty() || viewer == nullptr) {
        return false;
    }
    viewer->ShowHelp(HelpAddress::Topic(m_programDirectory, page), HelpCommand::DisplayTopic, 0);
    return true;
}

void FormHelp::ShowContents()
{
    if (HelpViewer* viewer = m_frame.Help()) {
        viewer->ShowHelp(HelpAddress::Contents(m_programDirectory), HelpCommand::TableOfContents,
                         0);
    }
}

void FormHelp::BeginContextHelpMode()
{
    if (m_contextMode) {
        return;
    }
    m_contextMode = true;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    m_frame.Form()->grabMouse();
}

void FormHelp::EndContextHelpMode()
{
    m_contextMode = false;
    m_frame.Form()->releaseMouse();
    QApplication::restoreOverrideCursor();
}

bool FormHelp::eventFilter(QObject* watched, QEvent* event)
{
    if (m_contextMode) {
        return OnContextClick(event);
    }
    if (event->type() == QEvent::KeyPress) {
        return OnKey(watched, event);
    }
    return false;
}

bool FormHelp::OnKey(QObject* watched, QEvent* event)
{
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier ||
        !watched->isWidgetType()) {
        return false;
    }
    if (const auto* menu = qobject_cast<QMenu*>(watched)) {
        return HelpForCommand(menu->activeAction());
    }
    return HelpFor(static_cast<QWidget*>(watched));
}

bool FormHelp::HelpForCommand(const QAction* action)
{
    return action && ShowPage(HelpTopics::PageForCommand(action->property("commandId").toInt()));
}

bool FormHelp::OnContextClick(QEvent* event)
{
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return true;  // the mode owns the mouse until the next release
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) {
                return true;
            }
            const QPoint global = mouse->globalPosition().toPoint();
            EndContextHelpMode();
            MainForm* form = m_frame.Form();
            HelpFor(form->childAt(form->mapFromGlobal(global)));
            return true;
        }
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                EndContextHelpMode();
                return true;
            }
            return false;
        default:
            return false;
    }
}

}  // namespace orvane

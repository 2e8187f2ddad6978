#pragma once

#include <QObject>
#include <map>

#include "rules/help/ContextHelp.h"

class QWidget;

namespace orvane {

// F1 on a control, or a click on it in "What's This?" mode (Shift+F1), asks for that
// control's help popup. A label without an id of its own stands for the edit it labels.
class ControlHelpFilter : public QObject {
    Q_OBJECT
public:
    // help may be null: the dialog then has no help.
    ControlHelpFilter(ContextHelp::Editor editor, const ContextHelp* help, QWidget* dialog);

    // Watches every covered control of the dialog; call once its controls exist.
    void Attach();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ContextHelp::Editor m_editor;
    const ContextHelp* m_help;
    QWidget* m_dialog;
    std::map<QObject*, int> m_ids;
};

}  // namespace orvane

#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace orvane {

class HelpViewer;

// Context help for a dialog and the dialogs it owns: the caption's help button or F1 on a
// control shows that control's pop-up topic, found by the control's "controlId".
class WizardContextHelp : public QObject {
    Q_OBJECT
public:
    using HelpSource = std::function<HelpViewer*()>;
    // topicOf: the pop-up topic of a control id, 0 for none.
    WizardContextHelp(QWidget* window, HelpSource help, QString programDir,
                      std::function<int(int)> topicOf);
    ~WizardContextHelp() override;

    // The control id a widget answers help for: its own or that of the nearest parent that
    // has one, within its window. 0 when none has.
    static int ControlIdOf(const QWidget* widget);
    // Shows the pop-up for a control; false when it has no topic or there is no viewer.
    bool ShowFor(int controlId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Covers(const QWidget* widget) const;

    QWidget* m_window;
    HelpSource m_help;
    QString m_programDir;
    std::function<int(int)> m_topicOf;
};

}  // namespace orvane

#pragma once

#include <QObject>
#include <string>
#include <string_view>

class QAction;
class QWidget;

namespace orvane {

class MainFrame;

// Help on the main form's controls: F1 opens the topic of the pane that holds the focused
// control (or of the highlighted menu command that has one), and the toolbar's context-help mode
// shows the help cursor until the next click, which picks the control. "&Help Topics" opens the
// contents.
class FormHelp : public QObject {
    Q_OBJECT
public:
    FormHelp(MainFrame& frame, std::string programDirectory);
    ~FormHelp() override;

    // The topic for the control that holds widget; false when it has none or help failed.
    bool HelpFor(QWidget* widget);
    // The topic of the command of a highlighted menu item; false when it has none.
    bool HelpForCommand(const QAction* action);
    void ShowContents();

    void BeginContextHelpMode();
    bool InContextHelpMode() const { return m_contextMode; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The page in the topic window; false when there is none or no viewer.
    bool ShowPage(std::string_view page);
    bool OnKey(QObject* watched, QEvent* event);
    bool OnContextClick(QEvent* event);
    void EndContextHelpMode();

    MainFrame& m_frame;
    std::string m_programDirectory;
    bool m_contextMode = false;
};

}  // namespace orvane

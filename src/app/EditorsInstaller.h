#pragma once

#include <QObject>
#include <memory>

namespace orvane {

class ContactActions;
class ContextHelp;
class Desktop;
class Dialer;
class EditorFlows;
class MainFrame;
class Prompter;
class QtEditorDialogs;

// Puts the record editors, their help and the contact actions into the main window.
// Owned by the frame.
class EditorsInstaller : public QObject {
    Q_OBJECT
public:
    // With the desktop's own dialer and address opener.
    static EditorsInstaller* Install(MainFrame& frame, Prompter& prompter);
    // With stand-ins (tests); they must outlive the frame.
    static EditorsInstaller* Install(MainFrame& frame, Prompter& prompter, Dialer& dialer,
                                     Desktop& desktop);
    ~EditorsInstaller() override;

    EditorFlows& Flows() { return *m_flows; }
    ContactActions& Contacts() { return *m_contacts; }

private:
    EditorsInstaller(MainFrame& frame, Prompter& prompter, Dialer* dialer, Desktop* desktop);

    std::unique_ptr<Dialer> m_ownDialer;
    std::unique_ptr<Desktop> m_ownDesktop;
    std::unique_ptr<ContextHelp> m_help;
    std::unique_ptr<QtEditorDialogs> m_dialogs;
    std::unique_ptr<EditorFlows> m_flows;
    std::unique_ptr<ContactActions> m_contacts;
};

}  // namespace orvane

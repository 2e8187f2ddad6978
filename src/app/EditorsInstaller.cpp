#include "app/EditorsInstaller.h"

#include "app/MainFrame.h"
#include "app/adapters/QtDesktop.h"
#include "app/adapters/QtDialer.h"
#include "platform/ProgramDirectory.h"
#include "rules/editors/ContactActions.h"
#include "rules/editors/EditorFlows.h"
#include "rules/help/ContextHelp.h"
#include "widgets/editors/QtEditorDialogs.h"
#include "widgets/panes/MainForm.h"

namespace orvane {

EditorsInstaller* EditorsInstaller::Install(MainFrame& frame, Prompter& prompter)
{
    return new EditorsInstaller(frame, prompter, nullptr, nullptr);
}

EditorsInstaller* EditorsInstaller::Install(MainFrame& frame, Prompter& prompter, Dialer& dialer,
                                            Desktop& desktop)
{
    return new EditorsInstaller(frame, prompter, &dialer, &desktop);
}

EditorsInstaller::EditorsInstaller(MainFrame& frame, Prompter& prompter, Dialer* dialer,
                                   Desktop* desktop)
    : QObject(&frame)
{
    if (!dialer) {
        m_ownDialer = std::make_unique<QtDialer>();
        dialer = m_ownDialer.get();
    }
    if (!desktop) {
        m_ownDesktop = std::make_unique<QtDesktop>();
        desktop = m_ownDesktop.get();
    }
    // The help viewer may arrive after the editors: ask the frame at each request.
    m_help = std::make_unique<ContextHelp>([&frame] { return frame.Help(); },
                                           ProgramDirectory::Current());
    MainForm& form = *frame.Form();
    m_dialogs = std::make_unique<QtEditorDialogs>(&frame, m_help.get());
    m_flows = std::make_unique<EditorFlows>(form.Model(), *m_dialogs);
    m_contacts = std::make_unique<ContactActions>(form.Model(), *dialer, *desktop, prompter);
    form.Model().SetEditors(m_flows.get());
    connect(&form, &MainForm::contactRequested, this,
            [this](int controlId) { m_contacts->Run(controlId); });
}

EditorsInstaller::~EditorsInstaller() = default;

}  // namespace orvane

#pragma once

#include <functional>
#include <string>
#include <vector>

#include "interop/InteropFiles.h"
#include "platform/Prompter.h"

namespace orvane {
class PimDocument;
}

namespace orvane::interop {

// The window's vCard and iCalendar commands apart from the widgets: the file dialog, the
// import or export under the caller's progress display, the message that says what it did,
// and one refresh of the panes however many records came in. Recurring events are expanded
// within the default window (one year back, two years ahead).
class InteropCommand {
public:
    enum class Action { ImportContacts, ImportCalendar, ExportPhoneBook, ExportCalendar };
    using Work = std::function<InteropFiles::Outcome(const Progress& progress)>;
    // Runs the work under a progress display with the title; none runs it without one.
    using Runner = std::function<InteropFiles::Outcome(const std::string& title, const Work& work)>;

    InteropCommand(PimDocument& document, Prompter& prompter, Runner runner = {});

    // Asks for the file, then imports or exports it; false when the dialog was cancelled.
    bool Run(Action action);
    // Imports the files that Importable() takes, then says in one message what each did;
    // the number of files taken.
    size_t ImportFiles(const std::vector<std::string>& paths);

    // A name ending in .vcf or .vcard (contacts), .ics or .ical (calendar).
    static bool Importable(const std::string& path);
    // The file dialog of the action. An export's list of file types is also the choice of
    // what to write: vCard 3.0 or 4.0; tasks and appointments, tasks or appointments.
    static FileDialogRequest Request(Action action);

private:
    InteropFiles::Outcome Import(const std::string& path, bool vcard);
    void Export(const ChosenFile& file, bool vcard);
    void Refresh(bool changed);
    InteropFiles::Outcome Execute(const std::string& title, const Work& work) const;

    PimDocument& m_document;
    Prompter& m_prompter;
    Runner m_runner;
};

}  // namespace orvane::interop

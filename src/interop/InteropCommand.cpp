#include "interop/InteropCommand.h"

#include "data/PimDocument.h"
#include "interop/Ascii.h"

namespace orvane::interop {

namespace {

constexpr const char* kCaption = "Orvane!";

using Outcome = InteropFiles::Outcome;

bool EndsWith(const std::string& path, std::string_view extension)
{
    return path.size() > extension.size() &&
           Ascii::SameLetters(std::string_view(path).substr(path.size() - extension.size()),
                              extension);
}

bool IsVCardName(const std::string& path)
{
    return EndsWith(path, ".vcf") || EndsWith(path, ".vcard");
}

std::string FileName(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

InteropCommand::InteropCommand(PimDocument& document, Prompter& prompter, Runner runner)
    : m_document(document), m_prompter(prompter), m_runner(std::move(runner))
{}

bool InteropCommand::Importable(const std::string& path)
{
    return IsVCardName(path) || EndsWith(path, ".ics") || EndsWith(path, ".ical");
}

FileDialogRequest InteropCommand::Request(Action action)
{
    const FileFilter all{"All Files (*.*)", "*.*"};
    const FileFilter vcard{"vCard Files (*.vcf)", "*.vcf"};
    const FileFilter ical{"iCalendar Files (*.ics)", "*.ics"};
    FileDialogRequest request;
    switch (action) {
        case Action::ImportContacts:
            request = {"Import Contacts (vCard)", {vcard, all}, "vcf", "", true, false};
            break;
        case Action::ImportCalendar:
            request = {"Import Calendar (iCalendar)", {ical, all}, "ics", "", true, false};
            break;
        case Action::ExportPhoneBook:
            request = {"Export Phone Book as vCard",
                       {{"vCard 3.0 (*.vcf)", "*.vcf"}, {"vCard 4.0 (*.vcf)", "*.vcf"}},
                       "vcf",
                       "contacts.vcf",
                       false,
                       true};
            break;
        case Action::ExportCalendar:
            request = {"Export Calendar as iCalendar",
                       {{"Tasks and Appointments (*.ics)", "*.ics"},
                        {"Tasks (*.ics)", "*.ics"},
                        {"Appointments (*.ics)", "*.ics"}},
                       "ics",
                       "calendar.ics",
                       false,
                       true};
            break;
    }
    return request;
}

bool InteropCommand::Run(Action action)
{
    const FileDialogRequest request = Request(action);
    const bool vcard = action == Action::ImportContacts || action == Action::ExportPhoneBook;
    if (action == Action::ImportContacts || action == Action::ImportCalendar) {
        const std::optional<std::string> path = m_prompter.AskOpenPath(request);
        if (!path) {
            return false;
        }
        const Outcome outcome = Import(*path, vcard);
        Refresh(outcome.ChangedDatabase());
        if (const std::string problem = outcome.Problem(*path, vcard); !problem.empty()) {
            m_prompter.ShowMessage(problem, kCaption, MessageButtons::Ok, MessageIcon::Error);
            return true;
        }
        m_prompter.ShowMessage(outcome.Message(), vcard ? "Imported Contacts" : "Imported Calendar",
                               MessageButtons::Ok, MessageIcon::Information);
        return true;
    }
    const std::optional<ChosenFile> file = m_prompter.AskSaveFile(request);
    if (!file) {
        return false;
    }
    Export(*file, vcard);
    return true;
}

Outcome InteropCommand::Execute(const std::string& title, const Work& work) const
{
    return m_runner ? m_runner(title, work) : work(Progress{});
}

Outcome InteropCommand::Import(const std::string& path, bool vcard)
{
    PimDatabase& database = m_document.Database();
    const Outcome outcome =
        Execute(vcard ? "Importing contacts" : "Importing calendar", [&](const Progress& progress) {
            return vcard ? InteropFiles::ImportVCard(database, path, progress)
                         : InteropFiles::ImportICalendar(database, path, ExpansionWindow::Default(),
                                                         progress);
        });
    return outcome;
}

void InteropCommand::Export(const ChosenFile& file, bool vcard)
{
    PimDatabase& database = m_document.Database();
    const Outcome outcome =
        Execute(vcard ? "Exporting the phone book" : "Exporting the calendar",
                [&](const Progress& progress) {
                    if (vcard) {
                        return InteropFiles::ExportVCard(
                            database, file.path, {},
                            file.filter == 1 ? VCardVersion::V40 : VCardVersion::V30, progress);
                    }
                    return InteropFiles::ExportICalendar(database, file.path, file.filter != 2,
                                                         file.filter != 1, progress);
                });
    // The UIDs just given are what a later import recognises the records by: keep them.
    if (outcome.uidsGiven > 0) {
        m_document.SetModified(true, false);
    }
    if (const std::string problem = outcome.Problem(file.path, vcard); !problem.empty()) {
        m_prompter.ShowMessage(problem, kCaption, MessageButtons::Ok, MessageIcon::Error);
    } else if (outcome.status == InteropFiles::Status::Done) {
        m_prompter.ShowMessage(outcome.Message(),
                               vcard ? "Exported Phone Book" : "Exported Calendar",
                               MessageButtons::Ok, MessageIcon::Information);
    }
}

void InteropCommand::Refresh(bool changed)
{
    // One refill of the panes however many records came in.
    if (changed) {
        m_document.SetModified(true, true);
    }
}

size_t InteropCommand::ImportFiles(const std::vector<std::string>& paths)
{
    std::string text;
    size_t taken = 0;
    bool failed = false, changed = false;
    for (const std::string& path : paths) {
        if (!Importable(path)) {
            continue;
        }
        const bool vcard = IsVCardName(path);
        const Outcome outcome = Import(path, vcard);
        const std::string problem = outcome.Problem(path, vcard);
        failed = failed || !problem.empty();
        changed = changed || outcome.ChangedDatabase();
        text += (text.empty() ? "" : "\n") + FileName(path) + ": " +
                (problem.empty() ? outcome.Message() : problem);
        ++taken;
    }
    Refresh(changed);
    if (taken > 0) {
        m_prompter.ShowMessage(text, failed ? kCaption : "Imported Files", MessageButtons::Ok,
                               failed ? MessageIcon::Warning : MessageIcon::Information);
    }
    return taken;
}

}  // namespace orvane::interop

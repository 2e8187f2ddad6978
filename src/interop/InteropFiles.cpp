#include "interop/InteropFiles.h"

#include "data/PimDatabase.h"
#include "interop/CalendarExport.h"
#include "interop/CalendarImport.h"
#include "interop/VCardExport.h"
#include "interop/VCardImport.h"
#include "interop/VCardText.h"
#include "storage/ReadWholeFile.h"
#include "storage/SafeSave.h"

namespace orvane::interop {

namespace {

using Outcome = InteropFiles::Outcome;
using Status = InteropFiles::Status;

std::string Counted(size_t count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// Some Windows programs write their address books as UTF-16 with a byte order mark.
void FromUtf16(std::string& text)
{
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF")) {
        text = VCardText::ToUtf8(text, "UTF-16");
    }
}

template <class Import>
Outcome ImportFile(const std::string& path, Import import)
{
    Outcome outcome;
    std::optional<std::string> text = ReadWholeFile(path);
    if (!text) {
        outcome.status = Status::Unreadable;
        return outcome;
    }
    FromUtf16(*text);
    const std::optional<ImportSummary> summary = import(*text);
    if (!summary) {
        outcome.status = Status::WrongKind;
        return outcome;
    }
    outcome.summary = *summary;
    outcome.status = summary->stopped ? Status::Stopped : Status::Done;
    return outcome;
}

Outcome Written(const std::string& path, const ExportResult& result)
{
    Outcome outcome;
    outcome.exported = true;
    outcome.uidsGiven = result.uidsGiven;
    if (result.stopped) {
        outcome.status = Status::Stopped;
    } else if (!SafeSave::Write(path, result.text)) {
        outcome.status = Status::WriteFailed;
    }
    return outcome;
}

}  // namespace

std::string InteropFiles::Outcome::Message() const
{
    if (!exported) {
        return summary.Text();
    }
    std::string text = tasks + appointments > 0 || persons == 0
                           ? Counted(tasks, "task", "tasks") + " and " +
                                 Counted(appointments, "appointment", "appointments")
                           : Counted(persons, "person", "persons");
    text += " written";
    if (uidsGiven > 0) {
        text += "; " + Counted(uidsGiven, "record", "records") + " got a UID";
    }
    return text;
}

std::string InteropFiles::Outcome::Problem(const std::string& path, bool vcard) const
{
    switch (status) {
        case Status::Unreadable:
            return "Unable to open file";
        case Status::WrongKind:
            return path + " is not " + (vcard ? "a vCard" : "an iCalendar") +
                   " file; nothing was imported.";
        case Status::WriteFailed:
            return "Unable to write file!";
        default:
            return {};
    }
}

Outcome InteropFiles::ImportVCard(PimDatabase& database, const std::string& path,
                                  const Progress& progress)
{
    return ImportFile(
        path, [&](const std::string& text) { return VCardImport::Run(database, text, progress); });
}

Outcome InteropFiles::ImportICalendar(PimDatabase& database, const std::string& path,
                                      const ExpansionWindow& window, const Progress& progress)
{
    return ImportFile(path, [&](const std::string& text) {
        return CalendarImport::Run(database, text, window, progress);
    });
}

Outcome InteropFiles::ExportVCard(PimDatabase& database, const std::string& path,
                                  const std::vector<int32_t>& ids, VCardVersion version,
                                  const Progress& progress)
{
    const ExportResult result = VCardExport::Run(database, ids, version, progress);
    Outcome outcome = Written(path, result);
    outcome.persons = result.written;
    return outcome;
}

Outcome InteropFiles::ExportICalendar(PimDatabase& database, const std::string& path, bool tasks,
                                      bool appointments, const Progress& progress)
{
    const ExportResult result = CalendarExport::Run(database, tasks, appointments, progress);
    Outcome outcome = Written(path, result);
    outcome.tasks = result.tasks;
    outcome.appointments = result.appointments;
    return outcome;
}

}  // namespace orvane::interop

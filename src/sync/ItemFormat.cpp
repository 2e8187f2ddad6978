#include "sync/ItemFormat.h"

#include <algorithm>

#include "interop/Ascii.h"
#include "interop/CalendarItem.h"
#include "interop/PersonCard.h"
#include "interop/Uids.h"
#include "sync/Fingerprint.h"

namespace orvane::sync {

namespace {

// The value of a content line: after the first colon outside a quoted parameter.
size_t ValueStart(std::string_view line)
{
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') {
            quoted = !quoted;
        } else if (line[i] == ':' && !quoted) {
            return i + 1;
        }
    }
    return std::string_view::npos;
}

std::string Occurrence(const std::string& recordUid, const std::string& uid)
{
    const size_t hash = recordUid.rfind('#');
    return hash == std::string::npos ? uid : uid + recordUid.substr(hash);
}

}  // namespace

uint64_t ItemRecords::Fingerprint() const
{
    sync::Fingerprint f;
    for (const Person& p : persons) {
        f.Add(static_cast<int64_t>(sync::Fingerprint::Of(p)));
    }
    for (const Task& t : tasks) {
        f.Add(static_cast<int64_t>(sync::Fingerprint::Of(t)));
    }
    for (const Appointment& a : appointments) {
        f.Add(static_cast<int64_t>(sync::Fingerprint::Of(a)));
    }
    return f.Value();
}

const char* ItemFormat::Extension(FolderKind kind)
{
    return kind == FolderKind::Contacts ? ".vcf" : ".ics";
}

bool ItemFormat::IsComplete(std::string_view text, FolderKind kind)
{
    const std::string_view end = kind == FolderKind::Contacts ? "END:VCARD" : "END:VCALENDAR";
    text = interop::Ascii::Trim(text);
    const size_t lineStart = text.find_last_of("\r\n") + 1;  // npos + 1 is 0
    return interop::Ascii::StartsWithLetters(text.substr(lineStart), end) &&
           text.size() - lineStart == end.size();
}

std::string ItemFormat::UidLine(std::string_view text)
{
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(pos, end - pos);
        if (interop::Ascii::StartsWithLetters(line, "UID") && line.size() > 3 &&
            (line[3] == ':' || line[3] == ';')) {
            std::string value;
            // Unfolds the lines that continue it.
            for (;;) {
                if (!line.empty() && line.back() == '\r') {
                    line.remove_suffix(1);
                }
                value += line;
                if (end + 1 >= text.size() || (text[end + 1] != ' ' && text[end + 1] != '\t')) {
                    break;
                }
                pos = end + 2;
                end = std::min(text.find('\n', pos), text.size());
                line = text.substr(pos, end - pos);
            }
            const size_t start = ValueStart(value);
            return start == std::string::npos
                       ? std::string()
                       : std::string(interop::Ascii::Trim(value.substr(start)));
        }
        pos = end + 1;
    }
    return {};
}

std::string ItemFormat::UidOf(std::string_view text)
{
    std::string uid = UidLine(text);
    return uid.empty() ? interop::Uids::FromContent(text) : uid;
}

std::optional<ItemRecords> ItemFormat::Read(const std::string& text, FolderKind kind,
                                            const std::string& uid,
                                            const interop::ExpansionWindow& window)
{
    ItemRecords records;
    if (kind == FolderKind::Contacts) {
        std::optional<interop::PersonCard::Reading> reading =
            interop::PersonCard::ReadText(text, nullptr);
        if (!reading) {
            return std::nullopt;
        }
        if (!reading->empty) {
            reading->person.UID = uid;
            records.persons.push_back(std::move(reading->person));
            records.listingGiven = reading->listingGiven;
        }
        return records;
    }
    std::optional<interop::CalendarItem::Records> read = interop::CalendarItem::Read(text, window);
    if (!read) {
        return std::nullopt;
    }
    records.tasks = std::move(read->tasks);
    records.appointments = std::move(read->appointments);
    records.series = read->recurring;
    for (Task& task : records.tasks) {
        task.UID = uid;
    }
    for (Appointment& appointment : records.appointments) {
        appointment.UID = Occurrence(appointment.UID, uid);
    }
    std::sort(records.appointments.begin(), records.appointments.end(),
              [](const Appointment& a, const Appointment& b) { return a.UID < b.UID; });
    return records;
}

std::string ItemFormat::Write(const ItemRecords& records, FolderKind kind,
                              const std::string* original)
{
    if (kind == FolderKind::Contacts) {
        const Person& person = records.persons.front();
        if (original) {
            return interop::PersonCard::Update(*original, person);
        }
        std::string text;
        interop::PersonCard::Write(text, person, interop::VCardVersion::V30);
        return text;
    }
    if (!records.tasks.empty()) {
        const Task& task = records.tasks.front();
        std::optional<std::string> updated;
        if (original) {
            updated = interop::CalendarItem::UpdateTask(*original, task);
        }
        return updated ? *updated : interop::CalendarItem::FromTask(task);
    }
    const Appointment& appointment = records.appointments.front();
    std::optional<std::string> updated;
    if (original) {
        updated = interop::CalendarItem::UpdateAppointment(*original, appointment);
    }
    return updated ? *updated : interop::CalendarItem::FromAppointment(appointment);
}

std::string ItemFormat::WriteAll(const ItemRecords& records, FolderKind kind)
{
    if (kind == FolderKind::Contacts || records.tasks.size() + records.appointments.size() <= 1) {
        return records.Empty() ? std::string() : Write(records, kind, nullptr);
    }
    // One calendar after the other, as a stream of several may hold.
    std::string text;
    for (const Task& task : records.tasks) {
        text += interop::CalendarItem::FromTask(task);
    }
    for (const Appointment& appointment : records.appointments) {
        text += interop::CalendarItem::FromAppointment(appointment);
    }
    return text;
}

}  // namespace orvane::sync

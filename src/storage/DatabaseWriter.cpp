#include "storage/DatabaseWriter.h"

#include <array>
#include <charconv>
#include <cstring>
#include <string_view>

#include "data/PimDatabase.h"

namespace orvane {

namespace {

void AppendNumber(std::string& out, int32_t value)
{
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

const char* Reference(char c)
{
    switch (c) {
        case '"':
            return "&quot;";
        case '&':
            return "&amp;";
        case '\'':
            return "&apos;";
        case '<':
            return "&lt;";
        case '>':
            return "&gt;";
        default:
            return nullptr;
    }
}

constexpr std::array<bool, 256> EscapeTable()
{
    std::array<bool, 256> table{};
    for (unsigned char c : std::string_view("\"&'<>")) {
        table[c] = true;
    }
    return table;
}

constexpr auto kNeedsEscape = EscapeTable();

// Copies runs of ordinary bytes in one piece; only the five markup characters change.
void AppendEscaped(std::string& out, std::string_view text)
{
    const char* run = text.data();
    const char* const end = run + text.size();
    for (const char* p = run; p != end; ++p) {
        if (kNeedsEscape[static_cast<unsigned char>(*p)]) {
            out.append(run, p);
            out.append(Reference(*p));
            run = p + 1;
        }
    }
    out.append(run, end);
}

// The attribute forms: prefix is ` Name="`, the value and the closing quote follow.
void AppendText(std::string& out, std::string_view prefix, const std::string& value)
{
    out.append(prefix);
    AppendEscaped(out, value);
    out += '"';
}

void AppendInt(std::string& out, std::string_view prefix, int32_t value)
{
    out.append(prefix);
    AppendNumber(out, value);
    out += '"';
}

// Written only by records that met vCard or iCalendar, so other files keep their bytes.
void AppendUid(std::string& out, const std::string& uid)
{
    if (!uid.empty()) {
        AppendText(out, " UID=\"", uid);
    }
}

int32_t TodayValue()
{
    return PimDateTime::Today().ToTimeValue();
}

void AppendTask(std::string& out, const Task& task)
{
    out.append("\t\t<Task ID=\"");
    AppendNumber(out, task.ID);
    out += '"';
    AppendText(out, " Description=\"", task.Description);
    AppendInt(out, " Priority=\"", task.Priority);
    int32_t due = task.DueDate.ToTimeValue();
    if (due == -1) {
        due = TodayValue();
    }
    AppendInt(out, " DueDate=\"", due);
    int32_t done = 0;
    if (task.Priority == kPriorityDone) {
        done = task.DoneDate.ToTimeValue();
        if (done == -1) {
            done = TodayValue();
        }
    }
    AppendInt(out, " DoneDate=\"", done);
    AppendUid(out, task.UID);
    out.append(" />\n");
}

void AppendPerson(std::string& out, const Person& p)
{
    out.append("\t\t<Person ID=\"");
    AppendNumber(out, p.ID);
    out += '"';
    AppendText(out, " FName=\"", p.FName);
    AppendText(out, " LName=\"", p.LName);
    AppendText(out, " RName=\"", p.RName);
    AppendText(out, " Company=\"", p.Company);
    AppendText(out, " Position=\"", p.Position);
    AppendText(out, " Addr1=\"", p.Addr1);
    AppendText(out, " Addr2=\"", p.Addr2);
    AppendText(out, " City=\"", p.City);
    AppendText(out, " State=\"", p.State);
    AppendText(out, " Zip=\"", p.Zip);
    AppendInt(out, " YellowPages=\"", p.YellowPages);
    AppendInt(out, " WhitePages=\"", p.WhitePages);
    AppendText(out, " Notes=\"", p.Notes);
    AppendText(out, " HmPhone=\"", p.HmPhone);
    AppendText(out, " WkPhone=\"", p.WkPhone);
    AppendText(out, " WkExt=\"", p.WkExt);
    AppendText(out, " Fax=\"", p.Fax);
    AppendText(out, " CelPhone=\"", p.CelPhone);
    AppendText(out, " Pager=\"", p.Pager);
    AppendText(out, " EMail=\"", p.EMail);
    AppendText(out, " WebPage=\"", p.WebPage);
    AppendUid(out, p.UID);
    out.append(" />\n");
}

void AppendAppointment(std::string& out, const Appointment& a)
{
    out.append("\t\t<Appointment ID=\"");
    AppendNumber(out, a.ID);
    out += '"';
    AppendText(out, " Description=\"", a.Description);
    AppendInt(out, " DueDate=\"", a.DueDate.ToTimeValue());
    AppendInt(out, " StartTime=\"", a.StartTime.ToTimeValue());
    AppendInt(out, " EndTime=\"", a.EndTime.ToTimeValue());
    AppendInt(out, " Alarm=\"", a.Alarm ? 1 : 0);
    AppendInt(out, " AlarmTime=\"", a.Alarm ? a.AlarmTime.ToTimeValue() : 0);
    AppendInt(out, " Done=\"", a.Done ? 1 : 0);
    AppendUid(out, a.UID);
    out.append(" />\n");
}

// Where the text goes: a string that takes all of it, or a buffer handed on to a sink
// whenever it holds a piece.
class Output {
public:
    Output(std::string& text, const DatabaseWriter::Sink* sink) : m_text(text), m_sink(sink) {}
    std::string& Text() { return m_text; }
    // After each record: a full piece goes to the sink.
    bool Pass()
    {
        if (!m_sink || m_text.size() < DatabaseWriter::kPiece) {
            return true;
        }
        return Flush();
    }
    bool Flush()
    {
        const bool taken = (*m_sink)(m_text);
        m_text.clear();
        return taken;
    }

private:
    std::string& m_text;
    const DatabaseWriter::Sink* m_sink;
};

template <class R, class AppendRecord>
bool AppendCollection(Output& output, std::string_view name, const RecordCollection<R>& records,
                      AppendRecord appendRecord)
{
    std::string& out = output.Text();
    out.append("\t<");
    out.append(name);
    out.append(" LastID=\"");
    AppendNumber(out, records.LastID());
    out.append("\">\n");
    for (const auto& entry : records) {
        appendRecord(out, entry.second);
        if (!output.Pass()) {
            return false;
        }
    }
    out.append("\t</");
    out.append(name);
    out.append(">\n");
    return true;
}

void AppendUser(std::string& out, const User& u)
{
    out.append("\t<User ");
    AppendText(out, " FName=\"", u.FName);
    AppendText(out, " LName=\"", u.LName);
    AppendText(out, " Company=\"", u.Company);
    AppendText(out, " Position=\"", u.Position);
    AppendText(out, " Addr1=\"", u.Addr1);
    AppendText(out, " Addr2=\"", u.Addr2);
    AppendText(out, " City=\"", u.City);
    AppendText(out, " State=\"", u.State);
    AppendText(out, " Zip=\"", u.Zip);
    out.append(" />\n");
}

// Typical line lengths; a bigger text grows the string geometrically. Walking the records
// twice to measure them costs more than the occasional reallocation.
size_t EstimateSize(const PimDatabase& db)
{
    return 512 + db.Tasks().Count() * 140 + db.Persons().Count() * 460 +
           db.Appointments().Count() * 200;
}

bool WriteDatabase(Output& output, const PimDatabase& database)
{
    std::string& out = output.Text();
    out.append("<?xml version=\"1.0\"?>\n");
    out.append("<Pim Version=\"1\">\n");
    if (!AppendCollection(output, "Tasks", database.Tasks(), AppendTask) ||
        !AppendCollection(output, "Persons", database.Persons(), AppendPerson) ||
        !AppendCollection(output, "Appointments", database.Appointments(), AppendAppointment)) {
        return false;
    }
    AppendUser(out, database.GetUser());
    out.append("</Pim>\n");
    return true;
}

}  // namespace

std::string DatabaseWriter::BuildText(const PimDatabase& database)
{
    std::string text;
    AppendText(text, database);
    return text;
}

void DatabaseWriter::AppendText(std::string& out, const PimDatabase& database)
{
    out.reserve(out.size() + EstimateSize(database));
    Output output(out, nullptr);
    WriteDatabase(output, database);
}

bool DatabaseWriter::WriteText(const PimDatabase& database, const Sink& sink)
{
    // Room for a piece and the record that completes it.
    std::string buffer;
    buffer.reserve(kPiece + 4096);
    Output output(buffer, &sink);
    return WriteDatabase(output, database) && output.Flush();
}

}  // namespace orvane

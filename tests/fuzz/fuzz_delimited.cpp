// Feeds arbitrary bytes to the field tokenizer and to the three importers. The first
// bytes choose the format and the column assignment; the rest is the file. Besides the
// sanitizers' checks, the importers' results are checked against their own rules and
// must survive a save and a reload.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "data/PimDocument.h"
#include "exchange/FieldTables.h"
#include "exchange/FieldTokenizer.h"
#include "exchange/FirstLinePreview.h"
#include "exchange/TextFormat.h"
#include "exchange/TransferSettings.h"
#include "platform/Clock.h"
#include "support/ScriptedPrompter.h"
#include "platform/SettableClock.h"
#include "storage/DatabaseWriter.h"

namespace {

using namespace orvane;

void Require(bool condition)
{
    if (!condition) {
        __builtin_trap();
    }
}

class Input {
public:
    Input(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    uint8_t Byte() { return m_used < m_size ? m_data[m_used++] : 0; }
    std::string Rest() const
    {
        return std::string(reinterpret_cast<const char*>(m_data) + m_used, m_size - m_used);
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_used = 0;
};

void FuzzTokenizer(const std::string& text, char separator, const std::string& encloser)
{
    FieldTokenizer tokenizer;
    tokenizer.SetSeparator(separator);
    if (!encloser.empty()) {
        tokenizer.SetEncloser(encloser.front());
    }
    std::string_view rest(text);
    std::string field;
    for (;;) {
        const std::string_view before = rest;
        field.clear();
        if (!tokenizer.NextField(rest, field)) {
            Require(field.empty());
            break;
        }
        // Every field takes something off the line; the rest lies within what was left.
        Require(rest.size() < before.size());
        Require(rest.empty() || (rest.data() >= before.data() &&
                                 rest.data() + rest.size() <= before.data() + before.size()));
        Require(field.size() <= before.size());
    }
}

std::string TempFile()
{
    return "/tmp/fuzz_delimited." + std::to_string(getpid()) + ".csv";
}

void CheckAppointments(const PimDatabase& db)
{
    std::vector<const Appointment*> all;
    for (const auto& [id, a] : db.Appointments()) {
        Require(a.StartTime <= a.EndTime);
        all.push_back(&a);
    }
    // The first is the stored one; every later one kept clear of all before it.
    for (size_t i = 1; i < all.size() && i < 64; ++i) {
        for (size_t j = 0; j < i; ++j) {
            const auto inside = [&](const PimDateTime& t) {
                return all[j]->StartTime <= t && t <= all[j]->EndTime;
            };
            Require(!inside(all[i]->StartTime) && !inside(all[i]->EndTime));
        }
    }
}

// Whatever an import adds, saving it and loading the saved text gives the same records.
void CheckSaveAndReload(const PimDatabase& db)
{
    const std::string saved = DatabaseWriter::BuildText(db);
    Require(saved.find('\0') == std::string::npos);
    PimDatabase again;
    ScriptedPrompter prompter;
    Require(again.Load(saved.c_str(), prompter));
    Require(DatabaseWriter::BuildText(again) == saved);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static SettableClock clock(2026, 3, 1, 9, 30, 0);
    Clock::SetCurrent(&clock);

    Input input(data, size);
    const auto& separators = TextFormat::SeparatorChoices();
    const auto& enclosers = TextFormat::EncloserChoices();
    const std::string separator = separators[input.Byte() % separators.size()].value;
    const std::string encloser = enclosers[input.Byte() % enclosers.size()].value;
    const uint8_t flags = input.Byte();
    const auto kind = static_cast<RecordKind>(flags % 3);
    TransferSettings settings = TransferSettings::ForImport(kind);
    settings.separator = separator;
    settings.encloser = encloser;
    settings.firstLineHasNames = (flags & 4) != 0;
    const size_t columns = input.Byte() % 9;
    for (size_t i = 0; i < columns; ++i) {
        const uint8_t pick = input.Byte();
        settings.mapping.push_back(
            pick % 2 ? "" : settings.fieldNames[pick / 2 % settings.fieldNames.size()]);
    }
    settings.mapping.resize(columns);
    settings.columnCount = static_cast<int>(columns);
    const std::string text = input.Rest();

    FuzzTokenizer(text, separator.front(), encloser);
    FirstLinePreview::Columns(text.substr(0, text.find('\n')), separator, encloser);

    settings.fileName = TempFile();
    if (std::FILE* file = std::fopen(settings.fileName.c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
    PimDocument document;
    Appointment stored;
    stored.StartTime = stored.EndTime = stored.DueDate;
    document.Database().Appointments().Add(stored);

    int added = 0;
    switch (kind) {
        case RecordKind::Persons:
            added = document.ImportPersons(settings);
            Require(static_cast<size_t>(added) == document.Database().Persons().Count());
            for (const auto& [id, p] : document.Database().Persons()) {
                Require(p.WhitePages || p.YellowPages);
                Require(p.RName == p.GetDisplayName());
            }
            break;
        case RecordKind::Tasks:
            added = document.ImportTasks(settings);
            Require(static_cast<size_t>(added) == document.Database().Tasks().Count());
            for (const auto& [id, t] : document.Database().Tasks()) {
                Require(t.Priority >= 0 && t.Priority <= 3);
            }
            break;
        case RecordKind::Appointments:
            added = document.ImportAppointments(settings);
            Require(static_cast<size_t>(added) + 1 == document.Database().Appointments().Count());
            CheckAppointments(document.Database());
            break;
    }
    // Never more records than lines.
    size_t lines = 0;
    for (char c : text) {
        lines += c == '\n';
    }
    Require(static_cast<size_t>(added) <= lines);
    Require(added == 0 || document.Modified());
    CheckSaveAndReload(document.Database());
    std::remove(settings.fileName.c_str());
    return 0;
}

// Any bytes as a vCard file: the reader must stay within the text and the limits, give only
// UTF-8 without zero bytes, and what the import adds must save and load back unchanged and
// survive being written as a card and read again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "data/PimDatabase.h"
#include "interop/PersonCard.h"
#include "interop/VCardImport.h"
#include "interop/VCardReader.h"
#include "platform/Clock.h"
#include "platform/SettableClock.h"
#include "platform/TextDecoding.h"
#include "storage/DatabaseWriter.h"
#include "support/ScriptedPrompter.h"

namespace {

using namespace orvane;
using namespace orvane::interop;

void Require(bool condition)
{
    if (!condition) {
        __builtin_trap();
    }
}

bool IsCleanText(const std::string& text)
{
    return text.find('\0') == std::string::npos && TextDecoding::IsValidUtf8(text);
}

void CheckCards(const std::string& text)
{
    VCardReader reader(text);
    VCard card;
    size_t before = reader.Offset();
    while (reader.Next(card)) {
        Require(reader.Offset() > before && reader.Offset() <= text.size());
        before = reader.Offset();
        Require(card.properties.size() <= VCardReader::kMaxProperties);
        for (const VCardProperty& p : card.properties) {
            Require(p.begin < p.end && p.end <= card.text.size());
            Require(p.value.size() <= VCardReader::kMaxValueBytes);
            Require(IsCleanText(p.value) && IsCleanText(p.Text()));
        }
        // A person who has not changed leaves the card's text as it was.
        const PersonCard::Reading reading = PersonCard::Read(card, nullptr);
        Require(PersonCard::Update(card.text, reading.person) == card.text);
    }
}

void CheckPersons(const PimDatabase& db)
{
    const std::string saved = DatabaseWriter::BuildText(db);
    ScriptedPrompter prompter;
    PimDatabase again;
    Require(again.Load(saved.c_str(), prompter) && DatabaseWriter::BuildText(again) == saved);
    for (const auto& [id, p] : db.Persons()) {
        Require(p.RName == p.GetDisplayName() && !p.UID.empty());
        for (const std::string* field : {&p.FName, &p.LName, &p.Company, &p.Notes, &p.WkPhone}) {
            Require(IsCleanText(*field));
        }
        // Written and read once, a person is as the card format keeps it; from then on it
        // stays the same.
        std::string card;
        PersonCard::Write(card, p, VCardVersion::V30);
        const auto first = PersonCard::ReadText(card, nullptr);
        Require(first.has_value());
        card.clear();
        PersonCard::Write(card, first->person, VCardVersion::V30);
        const auto second = PersonCard::ReadText(card, nullptr);
        Require(second.has_value() && second->person == first->person);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("TZ", "America/New_York", 1);
    static SettableClock clock(2024, 3, 10, 15, 30);
    Clock::SetCurrent(&clock);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckCards(text);
    PimDatabase db;
    if (const auto summary = VCardImport::Run(db, text)) {
        Require(summary->persons.added == db.Persons().Count());
        CheckPersons(db);
    }
    return 0;
}

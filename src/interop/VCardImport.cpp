#include "interop/VCardImport.h"

#include "data/PimDatabase.h"
#include "interop/PersonCard.h"
#include "interop/RecordMerge.h"
#include "interop/Uids.h"
#include "interop/VCardReader.h"

namespace orvane::interop {

std::optional<ImportSummary> VCardImport::Run(PimDatabase& database, std::string_view text,
                                              const Progress& progress)
{
    if (!VCardReader::LooksLikeVCard(text)) {
        return std::nullopt;
    }
    ImportSummary summary;
    summary.kind = ImportSummary::Kind::Contacts;
    RecordMerge<Person> merge(database.Persons(), summary.persons);
    VCardReader reader(text);
    VCard card;
    for (size_t count = 1; reader.Next(card); ++count) {
        PersonCard::Reading reading = PersonCard::Read(card, &summary.unmapped);
        if (reading.empty) {
            ++summary.leftOut;
            continue;
        }
        if (reading.person.UID.empty()) {
            reading.person.UID = Uids::FromContent(card.text);
        }
        merge.Put(std::move(reading.person), [&](const Person& stored, Person& incoming) {
            PersonCard::KeepStored(stored, incoming, reading.listingGiven);
        });
        if (progress && count % 256 == 0 && !progress(reader.Offset(), text.size())) {
            summary.stopped = true;
            break;
        }
    }
    return summary;
}

}  // namespace orvane::interop

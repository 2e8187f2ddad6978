#include "interop/VCardExport.h"

#include <algorithm>

#include "data/PimDatabase.h"
#include "interop/PersonCard.h"
#include "interop/Uids.h"

namespace orvane::interop {

ExportResult VCardExport::Run(PimDatabase& database, const std::vector<int32_t>& ids,
                              VCardVersion version, const Progress& progress)
{
    ExportResult result;
    std::vector<int32_t> chosen = ids;
    if (chosen.empty()) {
        for (const auto& [id, person] : database.Persons()) {
            chosen.push_back(id);
        }
    }
    std::sort(chosen.begin(), chosen.end());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    result.text.reserve(chosen.size() * 450);
    for (const int32_t id : chosen) {
        const Person* stored = database.Persons().Find(id);
        if (!stored) {
            continue;
        }
        if (stored->UID.empty()) {
            Person withUid = *stored;
            withUid.UID = Uids::Make();
            database.Persons().Update(withUid);
            ++result.uidsGiven;
        }
        PersonCard::Write(result.text, *database.Persons().Find(id), version);
        ++result.written;
        if (progress && result.written % 1024 == 0 && !progress(result.written, chosen.size())) {
            result.stopped = true;
            break;
        }
    }
    return result;
}

}  // namespace orvane::interop

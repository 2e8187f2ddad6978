#pragma once

#include <string>

#include "data/PimDocument.h"
#include "exchange/RecordKind.h"
#include "exchange/TransferSettings.h"

namespace orvane::bench {

// Fills a document with n generated records of one kind. Appointments get distinct
// half-hour slots, twenty a day, so that none of them collide.
void Generate(PimDocument& document, RecordKind kind, int n);

// Settings that export every field of the kind to file, or import such a file back with
// each column feeding the field of the same name.
TransferSettings ExportAll(RecordKind kind, const std::string& file);
TransferSettings ImportAll(RecordKind kind, const std::string& file);

}  // namespace orvane::bench

#include "exchange/TransferSettings.h"

#include "exchange/FieldTables.h"

namespace orvane {

namespace {

TransferSettings Start(RecordKind kind, std::vector<std::string> fieldNames)
{
    TransferSettings settings;
    settings.fieldNames = std::move(fieldNames);
    settings.fieldCount = static_cast<int>(settings.fieldNames.size());
    settings.typeName = FieldTables::TypeName(kind);
    settings.mapping.assign(settings.fieldNames.size(), std::string());
    return settings;
}

}  // namespace

TransferSettings TransferSettings::ForExport(RecordKind kind)
{
    return Start(kind, FieldTables::ExportNames(kind));
}

TransferSettings TransferSettings::ForImport(RecordKind kind)
{
    TransferSettings settings = Start(kind, FieldTables::ImportNames(kind));
    settings.requiredFields = FieldTables::RequiredNames(kind);
    return settings;
}

void TransferSettings::SetFormat(const TextFormat& format)
{
    separator = format.separator;
    encloser = format.encloser;
    firstLineHasNames = format.firstLineHasNames;
}

}  // namespace orvane

#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/DocumentView.h"
#include "data/PimDocument.h"
#include "exchange/Transfer.h"
#include "exchange/TransferSettings.h"
#include "storage/StorageTestSupport.h"

namespace orvane::test {

inline RecordKind KindNamed(const std::string& name)
{
    return name == "Persons" ? RecordKind::Persons
           : name == "Tasks" ? RecordKind::Tasks
                             : RecordKind::Appointments;
}

inline std::string DataFile(const std::string& name)
{
    return DataPath("exchange/" + name).string();
}

inline TransferSettings Filled(TransferSettings settings, const std::string& file,
                               std::vector<std::string> mapping, bool header, std::string separator,
                               std::string encloser)
{
    settings.fileName = file;
    settings.mapping = std::move(mapping);
    settings.firstLineHasNames = header;
    settings.separator = std::move(separator);
    settings.encloser = std::move(encloser);
    return settings;
}

// Settings for an import of a file whose columns feed the given fields ("" for none).
inline TransferSettings ImportSettings(RecordKind kind, const std::string& file,
                                       std::vector<std::string> mapping, bool header = false,
                                       std::string separator = ",", std::string encloser = "'")
{
    TransferSettings settings = Filled(TransferSettings::ForImport(kind), file, std::move(mapping),
                                       header, std::move(separator), std::move(encloser));
    settings.columnCount = static_cast<int>(settings.mapping.size());
    return settings;
}

inline TransferSettings ExportSettings(RecordKind kind, const std::string& file,
                                       std::vector<std::string> fields, bool header = true,
                                       std::string separator = ",", std::string encloser = "'")
{
    return Filled(TransferSettings::ForExport(kind), file, std::move(fields), header,
                  std::move(separator), std::move(encloser));
}

}  // namespace orvane::test

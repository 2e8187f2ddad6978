#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "data/DocumentView.h"
#include "data/PimDateTime.h"
#include "data/PimDocument.h"
#include "exchange/TransferSettings.h"

namespace orvane::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvane-xchg-XXXXXX");
        if (!mkdtemp(pattern.data())) {
            ADD_FAILURE() << "mkdtemp failed";
        }
        m_path = pattern;
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string DataFile(const std::string& name)
{
    return std::string(ORVANE_TEST_DATA) + "/exchange/" + name;
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

inline PimDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    PimDateTime t;
    EXPECT_TRUE(t.SetDateTime(year, month, day, hour, minute, second));
    return t;
}

// Imports into the document with the importer for the settings' record type.
inline int RunImport(PimDocument& document, const TransferSettings& settings)
{
    return settings.typeName == "Persons" ? document.ImportPersons(settings)
           : settings.typeName == "Tasks" ? document.ImportTasks(settings)
                                          : document.ImportAppointments(settings);
}

inline int RunExport(PimDocument& document, const TransferSettings& settings)
{
    return settings.typeName == "Persons" ? document.ExportPersons(settings)
           : settings.typeName == "Tasks" ? document.ExportTasks(settings)
                                          : document.ExportAppointments(settings);
}

class CountingView : public DocumentView {
public:
    void OnUpdate() override { ++updates; }
    int updates = 0;
};

}  // namespace orvane::test

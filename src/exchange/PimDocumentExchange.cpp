// PimDocument's delimited-text transfers; the rest of the class lives in the data library.
#include "data/PimDocument.h"
#include "exchange/AppointmentImporter.h"
#include "exchange/DelimitedExport.h"
#include "exchange/ImportReader.h"
#include "exchange/PersonImporter.h"
#include "exchange/TaskImporter.h"
#include "storage/SafeSave.h"

namespace orvane {

namespace {

template <class R, class Collection>
int Export(const Collection& records, std::span<const ExportColumn<R>> table,
           const TransferSettings& settings)
{
    int count = 0;
    const std::string text = DelimitedExport::BuildText(records, table, settings, count);
    // A failed export leaves the file it was to replace as it was.
    return SafeSave::Write(settings.fileName, text) ? count : 0;
}

// Each added record marks the document modified; the views refill once at the end.
int Import(PimDocument& document, const TransferSettings& settings, size_t lineLimit,
           ImportLineSink& sink)
{
    const int count = ImportReader::Run(settings, lineLimit, sink);
    if (count > 0) {
        document.UpdateAllViews();
    }
    return count;
}

}  // namespace

int PimDocument::ExportPersons(const TransferSettings& settings) const
{
    return Export(m_database.Persons(), ExportColumns::Persons(), settings);
}

int PimDocument::ExportTasks(const TransferSettings& settings) const
{
    return Export(m_database.Tasks(), ExportColumns::Tasks(), settings);
}

int PimDocument::ExportAppointments(const TransferSettings& settings) const
{
    return Export(m_database.Appointments(), ExportColumns::Appointments(), settings);
}

int PimDocument::ImportPersons(const TransferSettings& settings)
{
    PersonImporter importer(*this, settings.mapping);
    return Import(*this, settings, ImportReader::kPersonLineLimit, importer);
}

int PimDocument::ImportTasks(const TransferSettings& settings)
{
    TaskImporter importer(*this, settings.mapping);
    return Import(*this, settings, ImportReader::kTaskLineLimit, importer);
}

int PimDocument::ImportAppointments(const TransferSettings& settings)
{
    AppointmentImporter importer(*this, settings.mapping);
    return Import(*this, settings, ImportReader::kAppointmentLineLimit, importer);
}

}  // namespace orvane

#include "exchange/Transfer.h"

#include "data/PimDocument.h"

namespace orvane {

int Transfer::Export(const PimDocument& document, RecordKind kind, const TransferSettings& settings)
{
    switch (kind) {
        case RecordKind::Persons:
            return document.ExportPersons(settings);
        case RecordKind::Tasks:
            return document.ExportTasks(settings);
        case RecordKind::Appointments:
            return document.ExportAppointments(settings);
    }
    return 0;
}

int Transfer::Import(PimDocument& document, RecordKind kind, const TransferSettings& settings)
{
    switch (kind) {
        case RecordKind::Persons:
            return document.ImportPersons(settings);
        case RecordKind::Tasks:
            return document.ImportTasks(settings);
        case RecordKind::Appointments:
            return document.ImportAppointments(settings);
    }
    return 0;
}

}  // namespace orvane

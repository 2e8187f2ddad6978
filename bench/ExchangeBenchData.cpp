#include "ExchangeBenchData.h"

#include "exchange/FieldTables.h"
#include "exchange/ImportValueRules.h"

namespace orvane::bench {

namespace {

std::string Numbered(const char* stem, int i)
{
    return stem + std::to_string(i);
}

void AddPerson(PimDocument& document, int i)
{
    Person p;
    p.FName = Numbered("Anna ", i);
    p.LName = Numbered("O'Smith-", i % 997);
    p.Company = i % 3 ? "Acme, Inc." : "";
    p.Position = "Buyer";
    p.Addr1 = Numbered("Main Street ", i % 500);
    p.Addr2 = i % 7 ? "" : "Suite 12";
    p.City = "Springfield";
    p.State = "IL";
    p.Zip = "62701";
    p.HmPhone = Numbered("555-", 1000 + i % 9000);
    p.WkPhone = Numbered("555-", 2000 + i % 8000);
    p.WkExt = std::to_string(i % 100);
    p.EMail = Numbered("anna", i) + "@example.com";
    p.WebPage = "www.example.com";
    p.Notes = i % 5 ? "" : "Prefers mornings; call first";
    p.RName = p.GetDisplayName();
    p.WhitePages = 1;
    document.Database().Persons().Add(std::move(p));
}

void AddTask(PimDocument& document, const PimDateTime& first, int i)
{
    Task t;
    t.Description = Numbered("Call supplier about order #", i);
    t.DueDate = *ImportValueRules::AtMinute(first, 1440 * (i % 3650));
    t.Priority = i % 4;
    document.Database().Tasks().Add(std::move(t));
}

void AddAppointment(PimDocument& document, const PimDateTime& first, int i)
{
    Appointment a;
    a.Description = Numbered("Meeting \"room ", i % 40) + "\"";
    a.DueDate = *ImportValueRules::AtMinute(first, 1440 * (i / 20));
    const int start = 8 * 60 + 30 * (i % 20);
    a.StartTime = *ImportValueRules::AtMinute(a.DueDate, start);
    a.EndTime = *ImportValueRules::AtMinute(a.DueDate, start + 15);
    a.Alarm = i % 2 == 0;
    a.AlarmTime = *ImportValueRules::AtMinute(a.DueDate, start - 15);
    document.Database().Appointments().Add(std::move(a));
}

}  // namespace

void Generate(PimDocument& document, RecordKind kind, int n)
{
    PimDateTime first;
    first.SetDateTime(2000, 1, 1, 0, 0, 0);
    for (int i = 0; i < n; ++i) {
        switch (kind) {
            case RecordKind::Persons:
                AddPerson(document, i);
                break;
            case RecordKind::Tasks:
                AddTask(document, first, i);
                break;
            case RecordKind::Appointments:
                AddAppointment(document, first, i);
                break;
        }
    }
}

TransferSettings ExportAll(RecordKind kind, const std::string& file)
{
    TransferSettings settings = TransferSettings::ForExport(kind);
    settings.mapping = FieldTables::ExportNames(kind);
    settings.fileName = file;
    return settings;
}

TransferSettings ImportAll(RecordKind kind, const std::string& file)
{
    TransferSettings settings = TransferSettings::ForImport(kind);
    settings.mapping = FieldTables::ExportNames(kind);
    settings.columnCount = static_cast<int>(settings.mapping.size());
    settings.fileName = file;
    return settings;
}

}  // namespace orvane::bench

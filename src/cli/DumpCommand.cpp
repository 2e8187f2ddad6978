#include "cli/DumpCommand.h"

#include <cstdio>
#include <nlohmann/json.hpp>

#include "cli/DatabaseFiles.h"
#include "data/PimDatabase.h"
#include "platform/TextDecoding.h"
#include "storage/RecordFields.h"

namespace orvane::cli {

namespace {

using Json = nlohmann::ordered_json;

Json DateJson(const PimDateTime& date)
{
    SystemTime st;
    if (!date.GetAsSystemTime(st)) {
        return nullptr;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%04u-%02u-%02uT%02u:%02u:%02u", st.year, st.month, st.day,
                  st.hour, st.minute, st.second);
    return text;
}

template <class R>
Json RecordJson(const R& record)
{
    Json json = Json::object();
    for (const RecordField<R>& field : FieldsOf<R>()) {
        const std::string name(field.name);
        switch (field.kind) {
            case FieldKind::Text:
                json[name] = TextDecoding::ToUtf8(record.*field.text);
                break;
            case FieldKind::Uid:
                if (!(record.*field.text).empty()) {
                    json[name] = TextDecoding::ToUtf8(record.*field.text);
                }
                break;
            case FieldKind::Integer:
            case FieldKind::NumberFlag:
                json[name] = record.*field.number;
                break;
            case FieldKind::BoolFlag:
                json[name] = record.*field.flag;
                break;
            case FieldKind::Date:
                json[name] = DateJson(record.*field.date);
                break;
        }
    }
    return json;
}

template <class R>
Json CollectionJson(const RecordCollection<R>& collection)
{
    Json records = Json::array();
    for (const auto& entry : collection) {
        records.push_back(RecordJson(entry.second));
    }
    Json json = Json::object();
    json["lastId"] = collection.LastID();
    json["records"] = std::move(records);
    return json;
}

}  // namespace

int DumpCommand::Run(const std::vector<std::string>& arguments, CliContext& context)
{
    PimDatabase db;
    if (const int status = DatabaseFiles::Load(arguments[0], db, context); status != kSuccess) {
        return status;
    }
    context.out << ToJson(db) << "\n";
    return kSuccess;
}

std::string DumpCommand::ToJson(const PimDatabase& database)
{
    Json json = Json::object();
    json["version"] = 1;
    json["tasks"] = CollectionJson<Task>(database.Tasks());
    json["persons"] = CollectionJson(database.Persons());
    json["appointments"] = CollectionJson(database.Appointments());
    json["user"] = RecordJson(database.GetUser());
    return json.dump(2);
}

}  // namespace orvane::cli

#include "storage/BackupListing.h"

#include <ctime>

#include "data/PimDatabase.h"
#include "platform/Prompter.h"
#include "storage/DatabaseRoot.h"
#include "storage/ReadWholeFile.h"

namespace orvane {

namespace {

// A version that does not parse is listed as not readable; nobody is told while listing.
class QuietPrompter : public Prompter {
public:
    MessageAnswer ShowMessage(const std::string&, const std::string&, MessageButtons,
                              MessageIcon) override
    {
        return MessageAnswer::Ok;
    }
    std::optional<std::string> AskOpenPath(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> AskSavePath(const FileDialogRequest&) override { return {}; }
};

void Count(ListedVersion& listed)
{
    const std::optional<std::string> text = ReadWholeFile(listed.version.file);
    if (!text || !DatabaseRoot::Of(*text).IsDatabase()) {
        return;
    }
    PimDatabase database;
    QuietPrompter prompter;
    if (!database.Load(text->c_str(), prompter)) {
        return;
    }
    listed.readable = true;
    listed.tasks = database.Tasks().Count();
    listed.persons = database.Persons().Count();
    listed.appointments = database.Appointments().Count();
}

}  // namespace

std::vector<ListedVersion> BackupListing::Of(const BackupStore& store,
                                             const std::string& databasePath)
{
    std::vector<ListedVersion> listing;
    for (const BackupVersion& version : store.Versions(databasePath)) {
        ListedVersion listed;
        listed.version = version;
        listed.time = TimeText(version.modifiedNs);
        Count(listed);
        listing.push_back(std::move(listed));
    }
    return listing;
}

std::string BackupListing::Contents(const ListedVersion& listed)
{
    if (!listed.readable) {
        return "not readable";
    }
    const auto part = [](size_t count, const char* noun) {
        return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
    };
    return part(listed.tasks, "task") + ", " + part(listed.persons, "person") + ", " +
           part(listed.appointments, "appointment");
}

std::string BackupListing::TimeText(int64_t epochNs)
{
    const time_t seconds = static_cast<time_t>(epochNs / 1000000000);
    tm parts{};
    ::localtime_r(&seconds, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
    return text;
}

}  // namespace orvane

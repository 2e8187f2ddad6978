#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <set>

#include "data/PimDatabase.h"
#include "interop/PersonCard.h"
#include "storage/StorageTestSupport.h"
#include "support/Golden.h"
#include "sync/SyncStatus.h"
#include "sync/Synchronizer.h"

namespace orvane::test {
namespace {

namespace fs = std::filesystem;
using sync::ConflictRule;

// A database and a contacts folder synced with each other, the status kept in the scratch
// folder.
class SyncFixture : public ::testing::Test {
protected:
    sync::SyncSummary Sync(bool calendar = false)
    {
        sync::Synchronizer synchronizer(dbPath, calendar ? sync::Synchronizer::Folders{"", folder}
                                                         : sync::Synchronizer::Folders{folder, ""});
        EXPECT_TRUE(synchronizer.Run(db, options)) << synchronizer.Problem();
        return synchronizer.Summary();
    }
    // The problem that stopped a sync; empty when it went on.
    std::string Stopped()
    {
        sync::Synchronizer synchronizer(dbPath, {folder, ""});
        return synchronizer.Run(db, options) ? "" : synchronizer.Problem();
    }

    std::string ItemPath(const std::string& uid) const { return folder + "/" + uid + ".vcf"; }
    // Written beside and renamed, as vdirsyncer does.
    void WriteItem(const std::string& path, const std::string& text) const
    {
        WriteFileBytes(path + ".tmp", text);
        fs::rename(path + ".tmp", path);
    }
    void WriteCard(const std::string& uid, const std::string& first) const
    {
        Person person = MakePerson(first, "Lane");
        person.UID = uid;
        std::string text;
        interop::PersonCard::Write(text, person, interop::VCardVersion::V30);
        WriteItem(ItemPath(uid), text);
    }
    // The first name in the folder; "-" for none.
    std::string FolderName(const std::string& uid) const
    {
        if (!fs::exists(ItemPath(uid))) {
            return "-";
        }
        return interop::PersonCard::ReadText(ReadFileBytes(ItemPath(uid)), nullptr)->person.FName;
    }
    void RenameInDatabase(const std::string& first)
    {
        Person person = db.Persons().begin()->second;
        person.FName = first;
        person.RName = person.GetDisplayName();
        db.Persons().Update(person);
    }

    ScratchFolder scratch;
    std::string folder = (scratch / "contacts").string();
    std::string dbPath = (scratch / "a.pgr").string();
    PimDatabase db;
    sync::SyncOptions options;
};

constexpr const char* kNothing =
    "0 added here, 0 added there, 0 changed here, 0 changed there, 0 deleted, 0 conflicts "
    "(newer won)";

// Each case in its own database and folder.
TEST_F(SyncFixture, CarriesChangesAndSettlesConflicts)
{
    const std::map<std::string, ConflictRule> rules = {{"newer", ConflictRule::Newer},
                                                       {"database", ConflictRule::Database},
                                                       {"folder", ConflictRule::Folder}};
    for (const auto& c : RowsOf("sync/three-way.txt")) {
        SCOPED_TRACE(c[0]);
        folder = (scratch / c[0]).string();
        dbPath = (scratch / (c[0] + ".pgr")).string();
        db = PimDatabase();
        db.Persons().Add(MakePerson("Ann", "Lane"));
        options.rule = ConflictRule::Newer;
        Sync();
        const std::string uid = db.Persons().begin()->second.UID;
        if (c[1] == "edit") {
            RenameInDatabase("Here");
        } else if (c[1] == "delete") {
            db.Persons().Remove(db.Persons().begin()->first);
            db.Persons().Add(MakePerson("Other", "Keeps the database from being empty"));
        }
        if (c[2] == "edit") {
            WriteCard(uid, "There");
        } else if (c[2] == "delete") {
            fs::remove(ItemPath(uid));
            WriteCard("other", "Other");  // keeps the folder from being empty
        }
        options.rule = rules.at(c[3]);
        const sync::SyncSummary summary = Sync();

        std::string databaseName = "-";
        for (const auto& [id, person] : db.Persons()) {
            databaseName = person.UID == uid ? person.FName : databaseName;
        }
        EXPECT_EQ(databaseName, c[4]);
        EXPECT_EQ(FolderName(uid), c[5]);
        EXPECT_EQ(summary.Line(), c[6]) << summary.Text();
        EXPECT_EQ(fs::exists(ItemPath(uid) + ".conflict"), c[7] == "1") << summary.Text();
        // A second sync finds nothing left to do.
        EXPECT_FALSE(Sync().ChangedAnything());
    }
}

TEST_F(SyncFixture, NewerRuleFollowsTheDatabaseTime)
{
    db.Persons().Add(MakePerson("Ann", "Lane"));
    Sync();
    const std::string uid = db.Persons().begin()->second.UID;
    RenameInDatabase("Here");
    WriteCard(uid, "There");
    options.databaseTimeNs = INT64_MAX;  // saved after the folder changed
    const sync::SyncSummary summary = Sync();
    EXPECT_EQ(db.Persons().begin()->second.FName, "Here");
    EXPECT_EQ(FolderName(uid), "Here");
    ASSERT_EQ(summary.conflicts.size(), 1u);
    EXPECT_NE(summary.conflicts[0].find("Lane, Here: changed on both sides; the database's "
                                        "version won; the other version is kept in"),
              std::string::npos)
        << summary.conflicts[0];
}

TEST_F(SyncFixture, OneEmptySideStopsTheSyncAndDeletesNothing)
{
    for (const char* name : {"Ann", "Bob", "Cyd"}) {
        db.Persons().Add(MakePerson(name, "Lane"));
    }
    Sync();
    const PimDatabase before = db;
    for (const auto& entry : fs::directory_iterator(folder)) {
        fs::rename(entry.path(), scratch / entry.path().filename());
    }
    EXPECT_NE(Stopped().find("holds no items, but it held 3"), std::string::npos);
    fs::remove(folder);
    EXPECT_NE(Stopped().find("is missing, but it held 3"), std::string::npos);
    EXPECT_EQ(db.Persons().Count(), 3u);

    fs::create_directory(folder);
    for (const auto& entry : fs::directory_iterator(scratch.Path())) {
        if (entry.path().extension() == ".vcf") {
            fs::rename(entry.path(), folder / entry.path().filename());
        }
    }
    db.Persons().Clear();
    EXPECT_NE(Stopped().find("The database holds no persons"), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 3);

    options.forceDelete = true;
    EXPECT_EQ(Stopped(), "");
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(SyncFixture, FileRenamedByTheServerIsTheSameItem)
{
    db.Persons().Add(MakePerson("Ann", "Lane"));
    Sync();
    const std::string uid = db.Persons().begin()->second.UID;
    fs::rename(ItemPath(uid), folder + "/server-name.vcf");
    EXPECT_EQ(Sync().Line(), kNothing);
    RenameInDatabase("Here");
    EXPECT_EQ(Sync().changedThere, 1u);
    EXPECT_EQ(interop::PersonCard::ReadText(ReadFileBytes(folder + "/server-name.vcf"), nullptr)
                  ->person.FName,
              "Here");
    EXPECT_FALSE(fs::exists(ItemPath(uid)));
}

TEST_F(SyncFixture, HalfWrittenFileWaitsUntilComplete)
{
    db.Persons().Add(MakePerson("Ann", "Lane"));
    Sync();
    const std::string uid = db.Persons().begin()->second.UID;
    const std::string known = ReadFileBytes(ItemPath(uid));
    const std::string card = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:new-1\r\nFN:Bob\r\nN:;Bob;;;\r\n";
    WriteFileBytes(ItemPath("new-1"), card);
    WriteFileBytes(ItemPath(uid), known.substr(0, known.size() / 2));  // in place, unfinished

    sync::SyncSummary summary = Sync();
    EXPECT_EQ(summary.Line(), kNothing);
    EXPECT_EQ(summary.notes.size(), 2u) << summary.Text();
    EXPECT_EQ(db.Persons().Count(), 1u);

    WriteFileBytes(ItemPath("new-1"), card + "END:VCARD\r\n");
    WriteFileBytes(ItemPath(uid), known);
    summary = Sync();
    EXPECT_EQ(summary.addedHere, 1u) << summary.Text();
    EXPECT_EQ(summary.deleted, 0u);
    EXPECT_EQ(db.Persons().Count(), 2u);
}

TEST_F(SyncFixture, RepeatingEventStaysOneSeriesAndItsAppointmentsAreReadOnly)
{
    fs::create_directory(folder);
    const std::string series =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\nBEGIN:VEVENT\r\n"
        "UID:weekly-1\r\nDTSTAMP:20240101T000000Z\r\nDTSTART:" +
        PimDateTime::Today().Format("%Y%m%d") +
        "T090000\r\nDTEND:" + PimDateTime::Today().Format("%Y%m%d") +
        "T100000\r\nRRULE:FREQ=WEEKLY;COUNT=3\r\nSUMMARY:Standup\r\nEND:VEVENT\r\n"
        "END:VCALENDAR\r\n";
    WriteItem(folder + "/weekly-1.ics", series);
    db.Tasks().Add(MakeTask("Call Ann", PimDateTime::Today()));
    sync::SyncSummary summary = Sync(true);
    EXPECT_EQ(summary.addedHere, 1u);
    EXPECT_EQ(summary.addedThere, 1u);
    ASSERT_EQ(db.Appointments().Count(), 3u);

    Appointment moved = db.Appointments().begin()->second;
    moved.Description = "Standup moved";
    db.Appointments().Update(moved);
    summary = Sync(true);
    ASSERT_EQ(summary.notes.size(), 1u) << summary.Text();
    EXPECT_NE(summary.notes[0].find("repeating event"), std::string::npos);
    EXPECT_EQ(db.Appointments().begin()->second.Description, "Standup");
    EXPECT_EQ(ReadFileBytes(folder + "/weekly-1.ics"), series);
    EXPECT_NE(ReadFileBytes(folder + "/weekly-1.ics.conflict").find("Standup moved"),
              std::string::npos)
        << summary.Text();
    EXPECT_FALSE(Sync(true).ChangedAnything());
}

// A UID that would make a bad file name (hidden, a path, too long) names no file: the item's
// file takes a name made from it instead.
TEST_F(SyncFixture, UidsThatMakeBadFileNamesNameNoFile)
{
    const std::string uids[] = {"plain-uid@example.com", ".hidden", "../up", std::string(200, 'u')};
    for (const std::string& uid : uids) {
        Person person = MakePerson("Ann", "Lane");
        person.UID = uid;
        db.Persons().Add(person);
    }
    Sync();
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() == ".vcf") {
            names.insert(entry.path().filename().string());
        }
    }
    EXPECT_EQ(names.size(), 4u);
    EXPECT_EQ(names.count("plain-uid@example.com.vcf"), 1u);
    for (const std::string& name : names) {
        EXPECT_TRUE(name[0] != '.' && name.size() < 100) << name;
    }
}

// A relative data folder is not one: the status goes under the home folder instead.
TEST_F(SyncFixture, ARelativeDataFolderIsIgnored)
{
    const char* home = std::getenv("HOME");
    ::setenv("XDG_DATA_HOME", "relative/data", 1);  // the scratch folder puts it back
    EXPECT_EQ(sync::SyncStatus::Folder(),
              std::string(home ? home : "") + "/.local/share/Kestrow/Orvane!/sync");
}

// The status file is named after the database, with every character a file name could
// trip over made an underscore; letters, digits, '-', '_' and '.' stay.
TEST_F(SyncFixture, TheStatusFileNamesTheDatabaseReadably)
{
    const std::string path =
        sync::SyncStatus::PathFor("/tmp/azAZ09-_.@[`{: x.pgr", folder, sync::FolderKind::Contacts);
    const std::string name = fs::path(path).filename().string();
    EXPECT_EQ(name.substr(0, name.find(".pgr-") + 5), "azAZ09-_.______x.pgr-") << name;
    EXPECT_EQ(fs::path(path).parent_path().string(), sync::SyncStatus::Folder());
}

// Every field of every entry comes back, whatever a UID or a file name holds.
TEST_F(SyncFixture, TheStatusFileGivesBackWhatWasSaved)
{
    sync::SyncStatus saved;
    saved.Entries()["tab\tnew\nline\rback\\slash"] = {"a\tb\\n.vcf", {-5, 7, 9}, 11, 13, true};
    saved.Entries()["plain"] = {"plain.ics", {1, 2, 3}, 4, 5, false};
    const std::string path = (scratch / "s.status").string();
    ASSERT_TRUE(saved.Save(path));
    sync::SyncStatus loaded;
    ASSERT_TRUE(loaded.Load(path));
    const auto text = [](const sync::SyncStatus& status) {
        std::map<std::string, std::string> out;
        for (const auto& [uid, e] : status.Entries()) {
            out[uid] = e.file + "|" + std::to_string(e.stamp.modifiedNs) + "," +
                       std::to_string(e.stamp.size) + "," + std::to_string(e.stamp.inode) + "|" +
                       std::to_string(e.fileHash) + "," + std::to_string(e.recordHash) +
                       (e.series ? "|series" : "");
        }
        return out;
    };
    EXPECT_EQ(text(loaded), text(saved));
    EXPECT_EQ(loaded.Entries().size(), 2u);
}

}  // namespace
}  // namespace orvane::test

// Sync figures for 10,000 contacts and 10,000 events with two vdir folders: the first full
// sync (every item written), a sync with nothing changed (a stat per item), and one with a
// change on each side; each alone and with the database's load and save around it, as
// orvane-cli sync does.
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "DatabaseGenerator.h"
#include "data/PimDatabase.h"
#include "storage/ReadWholeFile.h"
#include "support/ScriptedPrompter.h"
#include "sync/Synchronizer.h"

namespace {

using namespace orvane;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr int kRecords = 10000;
constexpr int kRuns = 5;

double Seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double CpuSeconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

void Report(const char* figure, double seconds)
{
    std::printf("bench_sync %-52s %8.3f s\n", figure, seconds);
}

bool Load(const std::string& path, PimDatabase& db)
{
    const auto text = ReadWholeFile(path);
    ScriptedPrompter prompter;
    return text && db.Load(text->c_str(), prompter);
}

struct Times {
    double sync = 0;   // plan and apply
    double whole = 0;  // with the load and, when the sync changed it, the save
    double cpu = 0;    // of the sync alone: on a busy machine the wall clock waits too
};

Times SyncOnce(const std::string& path, const sync::Synchronizer::Folders& folders)
{
    Times times;
    const auto start = Clock::now();
    PimDatabase db;
    if (!Load(path, db)) {
        std::fprintf(stderr, "bench_sync: cannot load %s\n", path.c_str());
        std::exit(1);
    }
    const auto syncStart = Clock::now();
    const double cpuStart = CpuSeconds();
    sync::Synchronizer synchronizer(path, folders);
    if (!synchronizer.Plan(db, sync::SyncOptions{})) {
        std::fprintf(stderr, "bench_sync: %s\n", synchronizer.Problem().c_str());
        std::exit(1);
    }
    const bool changed = synchronizer.ApplyToDatabase(db);
    times.sync = Seconds(syncStart);
    times.cpu = CpuSeconds() - cpuStart;
    if (changed) {
        db.Save(path);
    }
    const auto folderStart = Clock::now();
    const double cpuFolders = CpuSeconds();
    synchronizer.ApplyToFolders(db);
    times.sync += Seconds(folderStart);
    times.cpu += CpuSeconds() - cpuFolders;
    times.whole = Seconds(start);
    return times;
}

Times Median(std::vector<Times> runs)
{
    const auto middle = [&](auto field) {
        std::vector<double> values;
        for (const Times& t : runs) {
            values.push_back(t.*field);
        }
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    return {middle(&Times::sync), middle(&Times::whole), middle(&Times::cpu)};
}

// One person edited in the database, one event file rewritten in the folder.
void ChangeEachSide(const std::string& path, const std::string& calendar, int run)
{
    PimDatabase db;
    Load(path, db);
    Person person = db.Persons().begin()->second;
    person.Notes = "changed " + std::to_string(run);
    db.Persons().Update(person);
    db.Save(path);
    for (const auto& entry : fs::directory_iterator(calendar)) {
        auto text = *ReadWholeFile(entry.path());
        const size_t summary = text.find("SUMMARY:");
        text.insert(summary + 8, "Moved ");
        const std::string temporary = entry.path().string() + ".tmp";
        FILE* out = std::fopen(temporary.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), out);
        std::fclose(out);
        fs::rename(temporary, entry.path());
        break;
    }
}

// The file system's own share: the same item files written the plainest way (open, write,
// close, rename), with no sync logic, into fresh folders on the same file system.
double PlainWriteOfTheSameFiles(const sync::Synchronizer::Folders& folders, const fs::path& to)
{
    std::vector<std::pair<std::string, std::string>> items;
    for (const std::string& from : {folders.contacts, folders.calendar}) {
        for (const auto& entry : fs::directory_iterator(from)) {
            items.emplace_back(entry.path().filename().string(), *ReadWholeFile(entry.path()));
        }
    }
    fs::create_directories(to);
    const auto start = Clock::now();
    for (const auto& [file, text] : items) {
        const std::string temporary = (to / ("." + file)).string();
        FILE* out = std::fopen(temporary.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), out);
        std::fclose(out);
        fs::rename(temporary, to / file);
    }
    ::sync();
    return Seconds(start);
}

}  // namespace

// The folders go under the first argument (default /tmp): /dev/shm measures the program
// without the disk.
int main(int argc, char** argv)
{
    const std::string pattern =
        std::string(argc > 1 ? argv[1] : "/tmp") + "/orvane-bench-sync-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const fs::path folder = ::mkdtemp(name.data());
    ::setenv("TMPDIR", folder.c_str(), 1);
    ::setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
    const std::string path = (folder / "bench.pgr").string();
    {
        PimDatabase db;
        bench::DatabaseGenerator::Fill(db, kRecords);
        db.Tasks().Clear();  // contacts and events only
        db.Save(path);
    }
    const sync::Synchronizer::Folders folders{(folder / "contacts").string(),
                                              (folder / "calendar").string()};
    std::printf("bench_sync %d persons, %d appointments, folders on %s\n", kRecords, kRecords,
                folder.c_str());
    const Times first = SyncOnce(path, folders);
    Report("first full sync (20,000 items written)", first.sync);
    Report("first full sync, processor time", first.cpu);
    Report("first full sync with load and save", first.whole);
    const double floor = PlainWriteOfTheSameFiles(folders, folder / "plain");
    Report("plain write of the same 20,000 files (file system)", floor);
    std::printf("bench_sync %-52s %8.3f x\n", "first full sync / plain write", first.sync / floor);

    std::vector<Times> quiet, changed;
    for (int run = 0; run < kRuns; ++run) {
        quiet.push_back(SyncOnce(path, folders));
    }
    for (int run = 0; run < kRuns; ++run) {
        ChangeEachSide(path, folders.calendar, run);
        changed.push_back(SyncOnce(path, folders));
    }
    const Times still = Median(quiet), one = Median(changed);
    Report("no-change sync (median of 5)", still.sync);
    Report("no-change sync, processor time (median of 5)", still.cpu);
    Report("no-change sync with load (median of 5)", still.whole);
    Report("one change on each side (median of 5)", one.sync);
    Report("one change on each side with load and save (median)", one.whole);
    fs::remove_all(folder);
    return 0;
}

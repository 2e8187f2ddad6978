// Load and save figures for generated databases: file size, times (median of several
// runs), throughput, and the peak memory of a first load in a fresh process.
#include <sys/resource.h>
#include <sys/wait.h>
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
#include "storage/DatabaseWriter.h"
#include "storage/ReadWholeFile.h"
#include "storage/SimpleXMLParser.h"
#include "support/ScriptedPrompter.h"

namespace {

using namespace orvane;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr int kRuns = 5;

double Seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

long PeakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

bool LoadFile(const std::string& path, PimDatabase& db)
{
    const auto text = ReadWholeFile(path);
    ScriptedPrompter prompter;
    return text && db.Load(text->c_str(), prompter);
}

// The child side of the fresh-process figure: one load, then time and peak memory.
int LoadOnce(const std::string& path)
{
    const long before = PeakRssKb();
    const auto start = Clock::now();
    PimDatabase db;
    if (!LoadFile(path, db)) {
        return 1;
    }
    const double seconds = Seconds(start);
    std::printf("%.6f %ld %ld\n", seconds, before, PeakRssKb());
    return 0;
}

void Report(int n, const char* figure, double value, const char* unit)
{
    std::printf("bench_database N=%-6d %-34s %10.3f %s\n", n, figure, value, unit);
}

void Run(int n, const fs::path& folder)
{
    PimDatabase db;
    bench::DatabaseGenerator::Fill(db, n);
    const std::string path = (folder / ("bench" + std::to_string(n) + ".pgr")).string();

    std::vector<double> buildTimes, saveTimes, loadTimes;
    for (int run = 0; run < kRuns; ++run) {
        auto start = Clock::now();
        const std::string text = DatabaseWriter::BuildText(db);
        buildTimes.push_back(Seconds(start));
        start = Clock::now();
        if (!db.Save(path)) {
            std::fprintf(stderr, "bench_database: cannot save %s\n", path.c_str());
            std::exit(1);
        }
        saveTimes.push_back(Seconds(start));
    }
    const double megabytes = static_cast<double>(fs::file_size(path)) / 1e6;
    for (int run = 0; run < kRuns; ++run) {
        PimDatabase loaded;
        const auto start = Clock::now();
        if (!LoadFile(path, loaded)) {
            std::fprintf(stderr, "bench_database: cannot load %s\n", path.c_str());
            std::exit(1);
        }
        loadTimes.push_back(Seconds(start));
    }

    // Where a load's time goes: reading the file, and for comparison a parse into a full
    // tree (the loader itself maps while parsing and builds no tree).
    std::vector<double> readTimes, treeTimes;
    for (int run = 0; run < kRuns; ++run) {
        auto start = Clock::now();
        const auto text = ReadWholeFile(path);
        readTimes.push_back(Seconds(start));
        start = Clock::now();
        SimpleXMLParser::Parser parser;
        parser.Parse(text->data(), text->size()).reset();
        treeTimes.push_back(Seconds(start));
    }

    Report(n, "file size", megabytes, "MB");
    Report(n, "load: read, median", Median(readTimes), "s");
    Report(n, "parse into a tree and free it, median", Median(treeTimes), "s");
    Report(n, "load (read+parse+map), median", Median(loadTimes), "s");
    Report(n, "load throughput", megabytes / Median(loadTimes), "MB/s");
    Report(n, "save text build, median", Median(buildTimes), "s");
    Report(n, "save (text + safe save), median", Median(saveTimes), "s");
    Report(n, "save throughput", megabytes / Median(saveTimes), "MB/s");

    // A first load in a fresh process: its own time and peak memory.
    std::vector<double> freshTimes, peaks;
    for (int run = 0; run < 3; ++run) {
        std::string command = "'";
        command += fs::read_symlink("/proc/self/exe").string();
        command += "' --load-once '";
        command += path;
        command += "'";
        FILE* child = ::popen(command.c_str(), "r");
        double seconds = 0;
        long before = 0, peak = 0;
        if (!child || std::fscanf(child, "%lf %ld %ld", &seconds, &before, &peak) != 3) {
            std::fprintf(stderr, "bench_database: the fresh load failed\n");
            std::exit(1);
        }
        ::pclose(child);
        freshTimes.push_back(seconds);
        peaks.push_back(static_cast<double>(peak) / 1000.0);
    }
    Report(n, "first load in a fresh process", Median(freshTimes), "s");
    Report(n, "peak memory of that process", Median(peaks), "MB");
    Report(n, "peak memory / file size", Median(peaks) / megabytes, "x");
    fs::remove(path);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--load-once") {
        return LoadOnce(argv[2]);
    }
    char pattern[] = "/tmp/orvane-bench-XXXXXX";
    const fs::path folder = ::mkdtemp(pattern);
    ::setenv("XDG_DATA_HOME", folder.c_str(), 1);  // the backups of the saves go with it
    std::vector<int> sizes = {10000, 100000};
    if (argc > 1) {
        sizes.assign(1, std::atoi(argv[1]));
    }
    for (int n : sizes) {
        Run(n, folder);
    }
    fs::remove_all(folder);
    return 0;
}

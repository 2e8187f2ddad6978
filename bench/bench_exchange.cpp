// Export and import of 100,000 records of each kind. Each figure runs in its own child
// process, so that the peak memory printed beside it belongs to that figure alone.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "ExchangeBenchData.h"
#include "exchange/Transfer.h"
#include "platform/Clock.h"
#include "platform/SettableClock.h"

namespace {

using namespace orvane;

constexpr int kRecords = 100000;
constexpr int kRuns = 5;

const char* KindName(RecordKind kind)
{
    return kind == RecordKind::Persons ? "persons"
           : kind == RecordKind::Tasks ? "tasks"
                                       : "appointments";
}

// Times one call; setup and teardown around it are not counted.
using Trial = std::function<double()>;

double Seconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs the trials in a child and prints the median with the child's peak resident size.
void Figure(const std::string& label, const std::function<Trial()>& prepare)
{
    int channel[2];
    if (pipe(channel) != 0) {
        std::perror("pipe");
        return;
    }
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        const Trial trial = prepare();
        std::vector<double> times;
        for (int run = 0; run < kRuns; ++run) {
            times.push_back(trial());
        }
        std::sort(times.begin(), times.end());
        const double median = times[times.size() / 2];
        const ssize_t written = write(channel[1], &median, sizeof median);
        _exit(written == sizeof median ? 0 : 1);
    }
    close(channel[1]);
    double median = -1;
    const ssize_t got = read(channel[0], &median, sizeof median);
    close(channel[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (got != sizeof median || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::printf("%-48s failed\n", label.c_str());
        return;
    }
    std::printf("%-48s median %7.3f s of %d   peak RSS %6.1f MB\n", label.c_str(), median, kRuns,
                usage.ru_maxrss / 1024.0);
    std::fflush(stdout);
}

void Check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "bench_exchange: %s\n", what);
        _exit(2);
    }
}

Trial ExportTrial(RecordKind kind, const std::string& file)
{
    auto document = std::make_shared<PimDocument>();
    bench::Generate(*document, kind, kRecords);
    const TransferSettings settings = bench::ExportAll(kind, file);
    return [=] {
        int written = 0;
        const double s = Seconds([&] { written = Transfer::Export(*document, kind, settings); });
        Check(written == kRecords, "export wrote a wrong count");
        return s;
    };
}

// The file to import comes from an export of generated records. With preload, the
// document already holds as many appointments on other days, all checked for collisions.
Trial ImportTrial(RecordKind kind, const std::string& file, bool preload)
{
    {
        PimDocument source;
        bench::Generate(source, kind, kRecords);
        Check(Transfer::Export(source, kind, bench::ExportAll(kind, file)) == kRecords,
              "export failed");
    }
    const TransferSettings settings = bench::ImportAll(kind, file);
    return [=] {
        PimDocument document;
        if (preload) {
            bench::Generate(document, kind, kRecords);
            Appointment later;  // moves the generated ones off the imported days
            for (const auto& [id, a] : document.Database().Appointments()) {
                later = a;
                later.StartTime = a.StartTime + PimTimeSpan(20000.0);
                later.EndTime = a.EndTime + PimTimeSpan(20000.0);
                document.Database().Appointments().Update(later);
            }
        }
        int added = 0;
        const double s = Seconds([&] { added = Transfer::Import(document, kind, settings); });
        Check(added == kRecords, "import added a wrong count");
        return s;
    };
}

}  // namespace

int main()
{
    SettableClock clock(2026, 3, 1, 9, 30, 0);
    Clock::SetCurrent(&clock);
    const std::string dir = std::filesystem::temp_directory_path() / "orvane-bench-exchange";
    std::filesystem::create_directories(dir);
    const RecordKind kinds[] = {RecordKind::Persons, RecordKind::Tasks, RecordKind::Appointments};
    for (RecordKind kind : kinds) {
        const std::string file = dir + "/" + KindName(kind) + ".csv";
        Figure(std::string("export 100000 ") + KindName(kind),
               [&] { return ExportTrial(kind, file); });
        Figure(std::string("import 100000 ") + KindName(kind),
               [&] { return ImportTrial(kind, file, false); });
    }
    Figure("import 100000 appointments onto 100000 stored",
           [&] { return ImportTrial(RecordKind::Appointments, dir + "/appointments.csv", true); });
    std::filesystem::remove_all(dir);
    return 0;
}

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>

#include "data/PimDatabase.h"
#include "storage/DatabaseWriter.h"
#include "storage/SafeSave.h"
#include "storage/StorageTestSupport.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using test::ReadFileBytes;
using test::WriteFileBytes;

// A database whose User line names its version, with enough persons that a save takes a
// moment.
PimDatabase Version(int version, int persons = 50)
{
    PimDatabase db;
    db.GetUser().FName = "version " + std::to_string(version);
    for (int i = 0; i < persons; ++i) {
        Person p;
        p.FName = "Person " + std::to_string(i);
        p.Notes = std::string(200, static_cast<char>('a' + (version + i) % 26));
        db.Persons().Add(p);
    }
    return db;
}

std::vector<fs::path> FilesIn(const fs::path& folder)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        files.push_back(entry.path());
    }
    return files;
}

class SafeSave : public testing::Test {
protected:
    ~SafeSave() override { orvane::SafeSave::SetFaultInjector({}); }

    test::ScopedClock m_clock{2024, 3, 10, 15, 30};
    test::ScratchFolder m_folder;
};

TEST_F(SafeSave, WritesTheTextAndKeepsOneTemporaryCopyPerSave)
{
    const PimDatabase db = Version(1);
    const fs::path previous = fs::current_path();
    fs::current_path(m_folder.Path());
    const bool saved = db.Save("home.pgr");  // relative to the working folder
    fs::current_path(previous);
    ASSERT_TRUE(saved);
    EXPECT_EQ(ReadFileBytes(m_folder / "home.pgr"), DatabaseWriter::BuildText(db));
    EXPECT_EQ(FilesIn(m_folder.Path()).size(), 2u);  // the target and the temporary folder

    const auto temporaries = FilesIn(m_folder.TempFolder());
    ASSERT_EQ(temporaries.size(), 1u);
    EXPECT_EQ(temporaries[0].filename().string().substr(0, 3), "ORV");
    EXPECT_EQ(temporaries[0], fs::path(orvane::SafeSave::LastTemporaryFile()));
    EXPECT_EQ(ReadFileBytes(temporaries[0]), DatabaseWriter::BuildText(db));

    // A missing folder fails after the temporary file is written.
    EXPECT_FALSE(Version(2).Save(m_folder / "no/such/folder/home.pgr"));
    EXPECT_EQ(FilesIn(m_folder.TempFolder()).size(), 2u);
    EXPECT_FALSE(Version(2).Save(""));
}

TEST_F(SafeSave, AFailureAtAnyStepLeavesTheTargetAlone)
{
    using Step = orvane::SafeSave::Step;
    const fs::path target = m_folder / "home.pgr";
    WriteFileBytes(target, "old content");
    for (Step failing : {Step::CreateTemporary, Step::WriteTemporary, Step::CreateSibling,
                         Step::WriteSibling, Step::SyncSibling, Step::Rename}) {
        SCOPED_TRACE(static_cast<int>(failing));
        orvane::SafeSave::SetFaultInjector([failing](Step step) { return step == failing; });
        EXPECT_FALSE(Version(1).Save(target));
        EXPECT_EQ(ReadFileBytes(target), "old content");
        EXPECT_EQ(FilesIn(m_folder.Path()).size(), 2u) << "a file was left beside the target";
    }
    // Once the rename is done the new content is in place: success, even if the folder
    // cannot be synced.
    orvane::SafeSave::SetFaultInjector([](Step step) { return step == Step::SyncFolder; });
    EXPECT_TRUE(Version(1).Save(target));
    EXPECT_EQ(ReadFileBytes(target), DatabaseWriter::BuildText(Version(1)));
}

TEST_F(SafeSave, KeepsPermissionsAndFollowsLinks)
{
    const fs::path real = m_folder / "real.pgr";
    WriteFileBytes(real, "old");
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    fs::create_directory(m_folder / "links");
    const fs::path link = m_folder / "links/home.pgr";
    fs::create_symlink("../real.pgr", link);

    ASSERT_TRUE(Version(3).Save(link));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(real), DatabaseWriter::BuildText(Version(3)));
    struct stat info {};
    ASSERT_EQ(::stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    const mode_t mask = ::umask(022);
    ASSERT_TRUE(Version(3).Save(m_folder / "new.pgr"));
    ::umask(mask);
    ASSERT_EQ(::stat((m_folder / "new.pgr").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);
}

// Runs body in a child process and returns its exit status (or 128 + signal).
template <class Body>
int InChild(Body body)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST_F(SafeSave, AFullDiskFailsCleanly)
{
    const fs::path target = m_folder / "home.pgr";
    const PimDatabase small = Version(1, 1);
    ASSERT_TRUE(small.Save(target));
    const std::string before = ReadFileBytes(target);
    const PimDatabase big = Version(2, 200);
    ASSERT_GT(DatabaseWriter::BuildText(big).size(), 3 * before.size());

    // Writes beyond the limit fail with EFBIG, as on a full disk.
    const auto saveWithLimit = [&](rlim_t limit) {
        return InChild([&] {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit fileSize{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &fileSize);
            return big.Save(target) ? 0 : 1;
        });
    };
    EXPECT_EQ(saveWithLimit(before.size() + 10), 1);
    EXPECT_EQ(ReadFileBytes(target), before);
    for (const fs::path& file : FilesIn(m_folder.Path())) {
        EXPECT_TRUE(file == target || file == m_folder.TempFolder()) << file;
    }
    EXPECT_EQ(saveWithLimit(RLIM_INFINITY), 0);
    EXPECT_EQ(ReadFileBytes(target), DatabaseWriter::BuildText(big));
}

// A saver killed at random moments leaves a target that holds one whole saved version.
TEST_F(SafeSave, KilledInTheMiddleOfSavesTheTargetIsAlwaysComplete)
{
    const fs::path target = m_folder / "home.pgr";
    ASSERT_TRUE(Version(0).Save(target));
    std::mt19937 random(20240310);
    std::uniform_int_distribution<int> delay(0, 4000);
    std::string last = ReadFileBytes(target);
    for (int round = 1; round <= 200; ++round) {
        int saved[2];
        ASSERT_EQ(::pipe(saved), 0);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(saved[0]);
            for (int version = round * 10000;; ++version) {
                Version(version).Save(target);
                if (::write(saved[1], "s", 1) != 1) {
                    ::_exit(1);
                }
            }
        }
        ::close(saved[1]);
        // Kill only after one save went through, so that every round changes the file,
        // at a random moment of the saves that follow.
        char byte;
        ASSERT_EQ(::read(saved[0], &byte, 1), 1);
        ::usleep(static_cast<useconds_t>(delay(random)));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        ::close(saved[0]);

        const std::string text = ReadFileBytes(target);
        ASSERT_NE(text, last) << "round " << round;
        PimDatabase loaded;
        ScriptedPrompter prompter;
        ASSERT_TRUE(loaded.Load(text.c_str(), prompter)) << "round " << round;
        const int version = std::stoi(loaded.GetUser().FName.substr(8));
        ASSERT_GE(version, round * 10000);
        ASSERT_EQ(text, DatabaseWriter::BuildText(Version(version))) << "round " << round;
        last = text;
    }
}

}  // namespace
}  // namespace orvane

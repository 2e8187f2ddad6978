#include <gtest/gtest.h>

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <random>

#include "data/PimDatabase.h"
#include "storage/BackupStore.h"
#include "storage/DatabaseWriter.h"
#include "storage/FileWrites.h"
#include "storage/SafeSave.h"
#include "storage/StorageTestSupport.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using test::ReadFileBytes;
using test::WriteFileBytes;
using Step = orvane::SafeSave::Step;
using Names = std::vector<std::string>;

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

std::string TextOf(int version)
{
    return DatabaseWriter::BuildText(Version(version));
}

Names NamesIn(const fs::path& folder)
{
    Names names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Siblings of saves that did not finish.
size_t DebrisIn(const fs::path& folder)
{
    const Names names = NamesIn(folder);
    return std::count_if(names.begin(), names.end(),
                         [](const std::string& name) { return name.starts_with(kPartialPrefix); });
}

mode_t ModeOf(const fs::path& path)
{
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info.st_mode;
}

// Runs body in a child process, as the given user when that is not the present one
// (possible only as root), and returns its exit status (or 128 + signal).
int InChild(const std::function<int()>& body, uid_t user = ::geteuid())
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (user != ::geteuid() &&
            (::setgroups(0, nullptr) != 0 || ::setgid(user) != 0 || ::setuid(user) != 0)) {
            ::_exit(100);
        }
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

class SafeSave : public testing::Test {
protected:
    ~SafeSave() override { orvane::SafeSave::SetFaultInjector({}); }

    static std::vector<BackupVersion> VersionsOf(const fs::path& target)
    {
        return BackupStore::ForUser().Versions(target);
    }

    test::ScopedClock m_clock{2024, 3, 10, 15, 30};
    test::ScratchFolder m_folder;
};

TEST_F(SafeSave, WritesOnceBesideTheTargetAndKeepsThePreviousVersion)
{
    const fs::path previous = fs::current_path();
    fs::current_path(m_folder.Path());
    const mode_t mask = ::umask(022);
    const bool saved = Version(1).Save("home.pgr");  // relative to the working folder
    ::umask(mask);
    fs::current_path(previous);
    ASSERT_TRUE(saved);
    const fs::path target = m_folder / "home.pgr";
    EXPECT_EQ(ReadFileBytes(target), TextOf(1));
    EXPECT_EQ(NamesIn(m_folder.Path()), Names{"home.pgr"});  // a new file: nothing to keep
    EXPECT_EQ(ModeOf(target) & 07777, 0600u);

    ASSERT_TRUE(Version(2).Save(target));
    EXPECT_EQ(NamesIn(m_folder.Path()), (Names{"data", "home.pgr"}));
    const auto versions = VersionsOf(target);
    ASSERT_EQ(versions.size(), 1u);
    EXPECT_EQ(ReadFileBytes(versions[0].file), TextOf(1));
    EXPECT_EQ(ModeOf(versions[0].file) & 07777, 0600u);
    EXPECT_EQ(ModeOf(fs::path(versions[0].file).parent_path()) & 07777, 0700u);

    EXPECT_FALSE(Version(2).Save(m_folder / "no/such/folder/home.pgr"));
    EXPECT_FALSE(Version(2).Save(""));
}

TEST_F(SafeSave, OnlyARegularFileOrNoneIsATargetAndTheRestIsLeftAlone)
{
    struct Case {
        const char* kind;
        std::function<void(const fs::path&)> make;
        bool saves;
    };
    const std::vector<Case> cases = {
        {"absent", [](const fs::path&) {}, true},
        {"regular", [](const fs::path& t) { WriteFileBytes(t, "old"); }, true},
        {"symlink to regular",
         [](const fs::path& t) {
             WriteFileBytes(t.parent_path() / "real.pgr", "old");
             fs::create_symlink("real.pgr", t);
         },
         true},
        {"FIFO", [](const fs::path& t) { ASSERT_EQ(::mkfifo(t.c_str(), 0644), 0); }, false},
        {"symlink loop",
         [](const fs::path& t) {
             fs::create_symlink("loop.pgr", t);
             fs::create_symlink(t.filename(), t.parent_path() / "loop.pgr");
         },
         false},
        {"folder", [](const fs::path& t) { fs::create_directory(t); }, false},
        // Refused by the mode bits even for root, as a copy over it would be.
        {"no write bit for its owner",
         [](const fs::path& t) {
             WriteFileBytes(t, "old");
             fs::permissions(t, fs::perms::owner_read | fs::perms::group_read);
         },
         false},
        // The name of the new file beside it does not grow with the target's.
        {"a 250-byte name", [](const fs::path&) {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const fs::path folder = m_folder / std::to_string(&c - cases.data());
        fs::create_directory(folder);
        const std::string name =
            std::string(c.kind).starts_with("a 250") ? std::string(246, 'n') + ".pgr" : "home.pgr";
        const fs::path target = folder / name;
        c.make(target);
        const mode_t before = fs::exists(fs::symlink_status(target)) ? ModeOf(target) : 0;
        EXPECT_EQ(Version(1).Save(target), c.saves);
        if (c.saves) {
            EXPECT_EQ(ReadFileBytes(target), TextOf(1));
            EXPECT_TRUE(Version(2).Save(target));  // over itself, with a backup
            EXPECT_EQ(ReadFileBytes(target), TextOf(2));
            EXPECT_EQ(ReadFileBytes(VersionsOf(target).at(0).file), TextOf(1));
        } else {
            EXPECT_EQ(ModeOf(target), before);
        }
        EXPECT_EQ(ModeOf(target) & S_IFMT, before ? before & S_IFMT : S_IFREG);
        EXPECT_EQ(DebrisIn(folder), 0u);
    }
}

// A hard-linked file is written in place, once a copy of it is kept.
TEST_F(SafeSave, AFailureAtAnyStepLeavesTheTargetAndNothingBesideIt)
{
    struct Case {
        Step failing;
        bool hardLinked;
        bool saves;
        size_t versions;
    };
    const std::vector<Case> cases = {
        {Step::CreateSibling, false, false, 0},
        {Step::WriteSibling, false, false, 0},
        {Step::SyncSibling, false, false, 0},
        {Step::Backup, false, true, 0},  // the rename alone is safe
        {Step::Rename, false, false, 0},
        {Step::SyncFolder, false, true, 1},  // the new content is in place
        {Step::Backup, true, false, 0},      // no copy: not written in place
        {Step::WriteInPlace, true, false, 0},
        {Step::CreateSibling, true, true, 1},  // no sibling is needed in place
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.failing) << " " << c.hardLinked);
        const fs::path folder = m_folder / std::to_string(&c - cases.data());
        fs::create_directory(folder);
        const fs::path target = folder / "home.pgr";
        ASSERT_TRUE(Version(0).Save(target));
        if (c.hardLinked) {
            fs::create_hard_link(target, folder / "other.pgr");
        }
        const uint64_t inode = FileIdentity::Of(target)->inode;
        orvane::SafeSave::SetFaultInjector([&c](Step step) { return step == c.failing; });
        EXPECT_EQ(Version(1).Save(target), c.saves);
        orvane::SafeSave::SetFaultInjector({});
        EXPECT_EQ(ReadFileBytes(target), TextOf(c.saves ? 1 : 0));
        EXPECT_EQ(VersionsOf(target).size(), c.versions);
        EXPECT_EQ(DebrisIn(folder), 0u);
        if (c.hardLinked) {
            EXPECT_EQ(FileIdentity::Of(target)->inode, inode);
            EXPECT_EQ(ReadFileBytes(folder / "other.pgr"), ReadFileBytes(target));
        }
    }
}

// Where a rename would lose what the file has, the new text goes into the file itself;
// a file the saving user cannot write is refused. Run as an unprivileged user (possible
// only as root: the mode bits alone do not stop root).
TEST_F(SafeSave, WritesInPlaceWhereTheRenameWouldLoseWhatTheFileHas)
{
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to give files to another user";
    }
    const uid_t nobody = 65534;
    struct Case {
        const char* what;
        uid_t fileOwner;
        fs::perms fileMode;
        fs::perms folderMode;
        bool saves;
    };
    const fs::perms rw = fs::perms::owner_read | fs::perms::owner_write;
    const std::vector<Case> cases = {
        {"file not writable by the user", 0, rw | fs::perms::others_read, fs::perms::all, false},
        {"folder not writable by the user", nobody, rw,
         fs::perms::owner_all | fs::perms::others_exec, true},
        {"owner cannot be kept", 0,
         fs::perms::all & ~fs::perms::owner_exec & ~fs::perms::group_exec & ~fs::perms::others_exec,
         fs::perms::all, true},
    };
    fs::permissions(m_folder.Path(), fs::perms::others_exec, fs::perm_options::add);
    const fs::path data = m_folder / "nobody-data";
    fs::create_directory(data);
    ASSERT_EQ(::chown(data.c_str(), nobody, nobody), 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path folder = m_folder / std::to_string(&c - cases.data());
        fs::create_directory(folder);
        const fs::path target = folder / "home.pgr";
        ASSERT_TRUE(Version(0).Save(target));
        ASSERT_EQ(::chown(target.c_str(), c.fileOwner, c.fileOwner), 0);
        fs::permissions(target, c.fileMode);
        fs::permissions(folder, c.folderMode);
        const FileIdentity before = *FileIdentity::Of(target);
        const int status = InChild(
            [&] {
                ::setenv("XDG_DATA_HOME", data.c_str(), 1);
                return Version(1).Save(target) ? 0 : 1;
            },
            nobody);
        EXPECT_EQ(status, c.saves ? 0 : 1);
        EXPECT_EQ(ReadFileBytes(target), TextOf(c.saves ? 1 : 0));
        EXPECT_EQ(FileIdentity::Of(target)->inode, before.inode);
        struct stat info {};
        ASSERT_EQ(::stat(target.c_str(), &info), 0);
        EXPECT_EQ(info.st_uid, c.fileOwner);
        const BackupStore nobodys(data.string() + "/Kestrow/Orvane!/backups", 20);
        EXPECT_EQ(nobodys.Versions(target).size(), c.saves ? 1u : 0u);
        EXPECT_EQ(DebrisIn(folder), 0u);
    }
}

TEST_F(SafeSave, AFullDiskFailsCleanly)
{
    const PimDatabase small = Version(1, 1);
    // Big enough to be written in several pieces, the limit falls after the first.
    const PimDatabase big = Version(2, 4000);
    for (const bool hardLinked : {false, true}) {
        SCOPED_TRACE(hardLinked ? "in place" : "by rename");
        const fs::path folder = m_folder / (hardLinked ? "linked" : "single");
        fs::create_directory(folder);
        const fs::path target = folder / "home.pgr";
        ASSERT_TRUE(small.Save(target));
        if (hardLinked) {
            fs::create_hard_link(target, folder / "other.pgr");
        }
        const std::string before = ReadFileBytes(target);
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
        EXPECT_EQ(saveWithLimit(DatabaseWriter::kPiece + before.size()), 1);
        EXPECT_EQ(ReadFileBytes(target), before);
        EXPECT_EQ(DebrisIn(folder), 0u);
        EXPECT_EQ(saveWithLimit(RLIM_INFINITY), 0);
        EXPECT_EQ(ReadFileBytes(target), DatabaseWriter::BuildText(big));
    }
}

// Another file system gets a copy, with the time the version was saved.
TEST_F(SafeSave, KeepsACopyOnAnotherFileSystem)
{
    const fs::path other = "/dev/shm";
    const auto shm = FileIdentity::Of(other);
    const fs::path target = m_folder / "home.pgr";
    ASSERT_TRUE(Version(0).Save(target));
    if (!shm || shm->device == FileIdentity::Of(target)->device || ::access("/dev/shm", W_OK)) {
        GTEST_SKIP() << "no other writable file system";
    }
    const BackupStore store(other / ("orvane-test-" + std::to_string(::getpid())), 20);
    orvane::SafeSave::Options options;
    options.backups = store;
    const FileIdentity before = *FileIdentity::Of(target);
    ASSERT_EQ(orvane::SafeSave::Write(target, TextOf(1), options).result,
              orvane::SafeSave::Result::Saved);
    const auto versions = store.Versions(target);
    ASSERT_EQ(versions.size(), 1u);
    EXPECT_EQ(ReadFileBytes(versions[0].file), TextOf(0));
    EXPECT_EQ(versions[0].modifiedNs, before.modifiedNs);
    EXPECT_EQ(ModeOf(versions[0].file) & 07777, 0600u);
    fs::remove_all(store.Root());
}

// A saver killed at random moments leaves a target that holds one whole saved version,
// whole versions in the backups, and siblings that the next save removes.
TEST_F(SafeSave, KilledInTheMiddleOfSavesTheTargetIsAlwaysComplete)
{
    const fs::path target = m_folder / "home.pgr";
    ASSERT_TRUE(Version(0).Save(target));
    std::mt19937 random(20240310);
    std::uniform_int_distribution<int> delay(0, 4000);
    std::string last = ReadFileBytes(target);
    const auto versionIn = [](const std::string& text) {
        PimDatabase loaded;
        ScriptedPrompter prompter;
        return loaded.Load(text.c_str(), prompter) ? std::stoi(loaded.GetUser().FName.substr(8))
                                                   : -1;
    };
    size_t debris = 0;
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
        debris = std::max(debris, DebrisIn(m_folder.Path()));

        const std::string text = ReadFileBytes(target);
        ASSERT_NE(text, last) << "round " << round;
        const int version = versionIn(text);
        ASSERT_GE(version, round * 10000);
        ASSERT_EQ(text, TextOf(version)) << "round " << round;
        last = text;
    }
    for (const BackupVersion& kept : VersionsOf(target)) {
        const std::string text = ReadFileBytes(kept.file);
        EXPECT_EQ(text, TextOf(versionIn(text))) << kept.file;
    }
    EXPECT_GT(debris, 0u) << "no save was killed before its rename";
    ASSERT_TRUE(Version(1).Save(target));
    EXPECT_EQ(DebrisIn(m_folder.Path()), 0u);
    EXPECT_EQ(DebrisIn(BackupStore::ForUser().FolderOf(target)), 0u);
    EXPECT_EQ(fs::hard_link_count(target), 1u);
}

}  // namespace
}  // namespace orvane

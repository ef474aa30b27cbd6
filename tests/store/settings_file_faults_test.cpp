#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "store/settings_file.h"
#include "store_test_support.h"

namespace hobwatch {
namespace {

namespace fs = std::filesystem;
using testing_support::Entries;
using testing_support::kNobody;
using testing_support::ReadBytes;
using testing_support::RunInChild;
using testing_support::RunningAsRoot;
using testing_support::StoreTest;
using testing_support::WindowDefaults;
using testing_support::WriteBytes;

constexpr char kFile[] = "Hobwatch.txt";
const std::string kOldBytes = "1\r\n1\r\n1\r\n7\r\n0.75\r\nOld notes\r\n";
const SettingsRecord kNewState{2, 0, 2, "30", "1", "New notes"};
const std::vector<std::string> kOnlyTheFile{kFile};

mode_t ModeOf(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
}

void GiveToNobody(const fs::path& path) {
    if (RunningAsRoot()) {
        ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0) << path;
    }
}

bool LoadKeepsDefaults() {
    SettingsRecord record = WindowDefaults();
    ReadSettingsFile(record);
    return record == WindowDefaults();
}

bool Save() {
    WriteSettingsFile(kNewState);
    return true;
}

TEST_F(StoreTest, DirectoryNamedLikeTheFile_LoadKeepsDefaultsAndSaveWritesNothing) {
    fs::create_directory(kFile);

    EXPECT_TRUE(LoadKeepsDefaults());
    WriteSettingsFile(kNewState);
    EXPECT_TRUE(fs::is_directory(kFile));
    EXPECT_TRUE(fs::is_empty(kFile));
    EXPECT_EQ(Entries("."), kOnlyTheFile);
}

TEST_F(StoreTest, UnreadableFile_LoadKeepsDefaults) {
    WriteBytes(kFile, kOldBytes);
    fs::permissions(kFile, fs::perms::none);

    EXPECT_EQ(RunInChild(LoadKeepsDefaults, /*as_nobody=*/true), 0);
}

TEST_F(StoreTest, NamedPipeNamedLikeTheFile_LoadNeitherWaitsNorChangesAnything) {
    ASSERT_EQ(::mkfifo(kFile, 0666), 0);

    EXPECT_EQ(RunInChild(
                  [] {
                      ::alarm(10);
                      return LoadKeepsDefaults();
                  },
                  /*as_nobody=*/false),
              0);
}

TEST_F(StoreTest, ReadOnlyFile_SaveKeepsItsOldContent) {
    // The directory itself is open to all, so only the file's own permission stands in the way.
    fs::permissions(directory(), fs::perms::all);
    WriteBytes(kFile, kOldBytes);
    fs::permissions(kFile, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    EXPECT_EQ(RunInChild(Save, /*as_nobody=*/true), 0);
    EXPECT_EQ(ReadBytes(kFile), kOldBytes);
    EXPECT_EQ(Entries("."), kOnlyTheFile);
}

TEST_F(StoreTest, WriteOnlyFile_SaveKeepsTheNotesThatCouldNotBeLoaded) {
    fs::permissions(directory(), fs::perms::all);
    WriteBytes(kFile, kOldBytes);
    fs::permissions(kFile,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write);

    EXPECT_EQ(RunInChild(Save, /*as_nobody=*/true), 0);
    EXPECT_EQ(ReadBytes(kFile), kOldBytes);
}

TEST_F(StoreTest, UnwritableDirectory_SaveKeepsTheWritableFilesOldContent) {
    WriteBytes(kFile, kOldBytes);
    GiveToNobody(kFile);
    fs::permissions(directory(), fs::perms::owner_read | fs::perms::owner_exec |
                                     fs::perms::group_read | fs::perms::group_exec |
                                     fs::perms::others_read | fs::perms::others_exec);

    EXPECT_EQ(RunInChild(Save, /*as_nobody=*/true), 0);
    EXPECT_EQ(ReadBytes(kFile), kOldBytes);
    EXPECT_EQ(Entries("."), kOnlyTheFile);
}

TEST_F(StoreTest, UnwritableDirectory_SaveCreatesNothing) {
    fs::permissions(directory(), fs::perms::owner_read | fs::perms::owner_exec |
                                     fs::perms::others_read | fs::perms::others_exec);

    EXPECT_EQ(RunInChild(Save, /*as_nobody=*/true), 0);
    EXPECT_TRUE(Entries(".").empty());
}

TEST_F(StoreTest, WriteFailingMidway_KeepsTheOldFileAndLeavesNoTemporaryFile) {
    WriteBytes(kFile, kOldBytes);

    const int status = RunInChild(
        [] {
            constexpr rlim_t kLimit = 4096;
            const rlimit limit{kLimit, kLimit};
            ::signal(SIGXFSZ, SIG_IGN);
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
                return false;
            }
            WriteSettingsFile({0, 0, 0, "1", "1", std::string(4 * kLimit, 'x')});
            return true;
        },
        /*as_nobody=*/false);

    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(kFile), kOldBytes);
    EXPECT_EQ(Entries("."), kOnlyTheFile);
}

TEST_F(StoreTest, SaveOverExistingFile_KeepsItsPermissionsAndOwner) {
    WriteBytes(kFile, kOldBytes);
    GiveToNobody(kFile);
    ASSERT_EQ(::chmod(kFile, 0640), 0);
    struct stat before {};
    ASSERT_EQ(::stat(kFile, &before), 0);

    WriteSettingsFile(kNewState);

    struct stat after {};
    ASSERT_EQ(::stat(kFile, &after), 0);
    EXPECT_EQ(ReadBytes(kFile), "2\r\n0\r\n2\r\n30\r\n1\r\nNew notes\r\n");
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
}

TEST_F(StoreTest, SaveOfNewFile_GivesTheUsualPermissionsForANewFile) {
    const mode_t previous_mask = ::umask(027);
    WriteSettingsFile(kNewState);
    ::umask(previous_mask);

    EXPECT_EQ(ModeOf(kFile), 0640u);
}

TEST_F(StoreTest, SaveThroughSymbolicLink_ReplacesTheTargetAndKeepsTheLink) {
    fs::create_directory("data");
    WriteBytes("data/real.txt", kOldBytes);
    fs::create_symlink("data/real.txt", kFile);

    WriteSettingsFile(kNewState);

    EXPECT_TRUE(fs::is_symlink(kFile));
    EXPECT_EQ(fs::read_symlink(kFile), "data/real.txt");
    EXPECT_EQ(ReadBytes("data/real.txt"), "2\r\n0\r\n2\r\n30\r\n1\r\nNew notes\r\n");
    EXPECT_EQ(Entries("data"), std::vector<std::string>{"real.txt"});
    SettingsRecord loaded = WindowDefaults();
    ReadSettingsFile(loaded);
    EXPECT_EQ(loaded, kNewState);
}

TEST_F(StoreTest, SaveThroughDanglingSymbolicLink_CreatesItsTarget) {
    fs::create_directory("data");
    fs::create_symlink("data/missing.txt", kFile);

    WriteSettingsFile(kNewState);

    EXPECT_TRUE(fs::is_symlink(kFile));
    EXPECT_EQ(ReadBytes("data/missing.txt"), "2\r\n0\r\n2\r\n30\r\n1\r\nNew notes\r\n");
}

}  // namespace
}  // namespace hobwatch

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "store/settings_file.h"
#include "store_test_support.h"

namespace hobwatch {
namespace {

using namespace testing_support;
using Names = std::vector<std::string>;

const std::string kOldBytes = "1\r\n1\r\n1\r\n7\r\n0.75\r\nOld notes\r\n";
const SettingsRecord kNewState = Record(2, 0, 2, "30", "1", "New notes");
const std::string kNewBytes = "2\r\n0\r\n2\r\n30\r\n1\r\nNew notes\r\n";

bool Save() {
    WriteSettingsFile(kNewState);
    return true;
}

TEST_F(StoreTest, DirectoryNamedLikeTheFile_LoadKeepsDefaultsAndSaveWritesNothing) {
    fs::create_directory(kFile);

    EXPECT_EQ(Loaded(), kDefaults);
    WriteSettingsFile(kNewState);
    EXPECT_TRUE(fs::is_empty(kFile));
    EXPECT_EQ(Entries("."), Names{kFile});
}

TEST_F(StoreTest, UnreadableFile_LoadKeepsDefaults) {
    WriteBytes(kFile, kOldBytes);
    ASSERT_EQ(::chmod(kFile, 0), 0);

    EXPECT_EQ(RunInChild([] { return Loaded() == kDefaults; }, /*as_nobody=*/true), 0);
}

TEST_F(StoreTest, SaveThatCannotReplaceTheFile_KeepsWhatWasThere) {
    struct Row {
        const char* name;
        mode_t directoryMode;
        std::optional<mode_t> fileMode;  // none: there is no file
    };
    const Row rows[] = {
        // The directory is open to all, so only the file's own permission stands in the way.
        {"ReadOnlyFile", 0777, 0444},
        // The notes that could not be loaded must not be lost either.
        {"WriteOnlyFile", 0777, 0222},
        {"UnwritableDirectory", 0555, 0600},
        {"UnwritableDirectoryWithoutFile", 0555, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(::chmod(".", 0755), 0);
        fs::remove(kFile);
        if (row.fileMode) {
            WriteBytes(kFile, kOldBytes);
            GiveToNobody(kFile);
            ASSERT_EQ(::chmod(kFile, *row.fileMode), 0);
        }
        ASSERT_EQ(::chmod(".", row.directoryMode), 0);

        EXPECT_EQ(RunInChild(Save, /*as_nobody=*/true), 0);
        EXPECT_EQ(Entries("."), row.fileMode ? Names{kFile} : Names{});
        EXPECT_EQ(ReadBytes(kFile), row.fileMode ? kOldBytes : "");
    }
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
            WriteSettingsFile(Record(0, 0, 0, "1", "1", std::string(4 * kLimit, 'x')));
            return true;
        },
        /*as_nobody=*/false);

    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(kFile), kOldBytes);
    EXPECT_EQ(Entries("."), Names{kFile});
}

TEST_F(StoreTest, SaveRemovesTemporaryFilesOfKilledSavesOnly) {
    const std::string running = ".Hobwatch.txt." + std::to_string(::getppid()) + "-0.tmp";
    const Names leftOver{".Hobwatch.txt.2147483647-0.tmp", ".Hobwatch.txt.2147483647-7.tmp"};
    const Names unrelated{".Hobwatch.txt.tmp", ".Other.txt.2147483647-0.tmp", running};
    for (const std::string& name : leftOver) {
        WriteBytes(name, "half a save");
    }
    for (const std::string& name : unrelated) {
        WriteBytes(name, "not ours to remove");
    }

    WriteSettingsFile(kNewState);
    Names expected = unrelated;
    expected.push_back(kFile);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Entries("."), expected);
}

TEST_F(StoreTest, SaveKeepsTheOldFilesPermissionsAndOwnerAndANewFileGetsTheUsualOnes) {
    WriteBytes(kFile, kOldBytes);
    GiveToNobody(kFile);
    ASSERT_EQ(::chmod(kFile, 0604), 0);  // a mode that no umask gives a new file
    struct stat before {
    }, after{};
    ASSERT_EQ(::stat(kFile, &before), 0);
    WriteSettingsFile(kNewState);
    ASSERT_EQ(::stat(kFile, &after), 0);
    EXPECT_EQ(ReadBytes(kFile), kNewBytes);
    EXPECT_EQ(after.st_mode & 07777, 0604u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);

    fs::remove(kFile);
    const mode_t previousMask = ::umask(027);
    WriteSettingsFile(kNewState);
    ::umask(previousMask);
    ASSERT_EQ(::stat(kFile, &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
}

TEST_F(StoreTest, SaveThroughSymbolicLink_ReplacesTheTargetAndKeepsTheLink) {
    fs::create_directory("data");
    WriteBytes("data/real.txt", kOldBytes);
    fs::create_symlink("data/real.txt", kFile);

    WriteSettingsFile(kNewState);

    EXPECT_EQ(fs::read_symlink(kFile), "data/real.txt");
    EXPECT_EQ(ReadBytes("data/real.txt"), kNewBytes);
    EXPECT_EQ(Entries("data"), Names{"real.txt"});
    EXPECT_EQ(Loaded(), kNewState);
}

}  // namespace
}  // namespace hobwatch

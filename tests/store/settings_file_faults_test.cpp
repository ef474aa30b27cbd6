#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>

#include "store/files/file_error.h"
#include "store/files/file_location.h"
#include "store/files/temporary_files.h"
#include "store/settings_error.h"
#include "store/settings_file.h"
#include "store_test_support.h"

namespace hobwatch {
namespace {

using namespace testing_support;
using Names = std::vector<std::string>;

// A child that would hang, or read a device forever, is ended by the alarm and fails.
constexpr unsigned kHangLimitSeconds = 10;

TEST_F(StoreTest, DirectoryNamedLikeTheFile_LoadKeepsDefaultsAndSaveWritesNothing) {
    fs::create_directory(File());

    SettingsRecord record = kDefaults;
    EXPECT_FALSE(ReadSettingsFile(File(), record));
    EXPECT_EQ(record, kDefaults);
    EXPECT_FALSE(WriteSettingsFile(File(), kNewState));
    EXPECT_TRUE(fs::is_empty(File()));
    EXPECT_EQ(Entries(Path(".")), Names{kFile});
}

// Each reason is shown to the user after the file's name.
TEST(SettingsErrorTest, EveryReasonHasAMessageOfItsOwn) {
    const std::error_code reasons[] = {
        SettingsFileError::TooLarge,     SettingsFileError::WouldBeTooLarge,
        SettingsFileError::EntryTooLong, FileError::UntrustedLink,
        FileError::UntrustedFile,        FileError::UntrustedFolder,
        FileError::NotRegularFile,       FileError::FolderLocked,
        FileError::AttributesNotKept,    FileError::LockedBySave,
    };
    std::set<std::string> messages;
    for (const std::error_code& reason : reasons) {
        SCOPED_TRACE(reason.value());
        // A reason without a message of its own gets the one for a number no reason has.
        EXPECT_NE(reason.message(), reason.category().message(0));
        EXPECT_NE(reason.message(), "");
        EXPECT_TRUE(messages.insert(reason.message()).second) << reason.message();
    }
}

// The configuration folder is made sure of at start and again at every save: one deleted since
// is made again, and one swapped for a folder that is not the user's alone receives nothing.
TEST_F(StoreTest, SaveIntoTheUsersOwnFolder_MadeAgainOrRefusedAsAtStart) {
    struct Row {
        const char* name;
        std::function<void(const fs::path& folder)> change;
        bool saved;
    };
    const Row rows[] = {
        {"Unchanged", [](const fs::path&) {}, true},
        {"Deleted", [](const fs::path& folder) { fs::remove_all(folder.parent_path()); }, true},
        {"SwappedForAFolderOthersMayWrite",
         [this](const fs::path& folder) {
             fs::remove_all(folder);
             fs::create_directory(Path("planted"));
             fs::permissions(Path("planted"), fs::perms::all);
             fs::create_directory_symlink(Path("planted"), folder);
         },
         false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const fs::path folder = Path("config") / "hobwatch";
        fs::remove_all(Path("planted"));
        fs::remove_all(Path("config"));
        ASSERT_FALSE(MakeOwnFolder(folder));
        row.change(folder);

        const std::error_code error = SaveSettingsChanges(
            folder / kFile, {kDefaults, kDefaults, kNewState}, SaveFolder::UsersOwn);

        EXPECT_EQ(error, row.saved ? std::error_code() : FileError::UntrustedFolder);
        EXPECT_EQ(ReadBytes(folder / kFile), row.saved ? kNewBytes : "");
    }
}

TEST_F(StoreTest, LoadFromAMissingFolder_MakesNoFolder) {
    SettingsRecord record = kDefaults;
    EXPECT_EQ(LoadSettingsFile(Path("missing/inner") / kFile, record),
              std::errc::no_such_file_or_directory);
    EXPECT_EQ(Entries(Path(".")), Names{});
}

TEST_F(StoreTest, UnreadableFile_LoadKeepsDefaults) {
    WriteBytes(File(), kOldBytes);
    ASSERT_EQ(::chmod(File().c_str(), 0), 0);

    EXPECT_EQ(RunInChild([this] { return Loaded() == kDefaults; }, /*as_nobody=*/true), 0);
}

// Neither a named pipe nor a device behind a link is a settings file: start-up must neither wait
// for a writer nor read without end.
TEST_F(StoreTest, PipeOrDeviceNamedLikeTheFile_LoadReturnsAtOnceWithDefaults) {
    struct Row {
        const char* name;
        bool pipe;  // else a link to a device
    };
    for (const Row row : {Row{"NamedPipe", true}, Row{"LinkToDevNull", false}}) {
        SCOPED_TRACE(row.name);
        fs::remove(File());
        if (row.pipe) {
            ASSERT_EQ(::mkfifo(File().c_str(), 0600), 0);
        } else {
            fs::create_symlink("/dev/null", File());
        }
        const auto load = [this] {
            ::alarm(kHangLimitSeconds);
            SettingsRecord record = kDefaults;
            return !ReadSettingsFile(File(), record) && record == kDefaults;
        };
        EXPECT_EQ(RunInChild(load, /*as_nobody=*/false), 0);
    }
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
        ASSERT_EQ(::chmod(Path(".").c_str(), 0755), 0);
        fs::remove(File());
        if (row.fileMode) {
            WriteBytes(File(), kOldBytes);
            GiveToNobody(File().c_str());
            ASSERT_EQ(::chmod(File().c_str(), *row.fileMode), 0);
        }
        ASSERT_EQ(::chmod(Path(".").c_str(), row.directoryMode), 0);

        EXPECT_EQ(RunInChild([this] { return !WriteSettingsFile(File(), kNewState); },
                             /*as_nobody=*/true),
                  0);
        EXPECT_EQ(Entries(Path(".")), row.fileMode ? Names{kFile} : Names{});
        EXPECT_EQ(ReadBytes(File()), row.fileMode ? kOldBytes : "");
    }
}

// A name taken by someone else since the last look is never opened: what is there stays as it was.
TEST_F(StoreTest, TemporaryFileNameTakenBeforehand_IsPassedOver) {
    const int folder = ::open(Path(".").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(folder, 0);
    std::string first;
    ASSERT_TRUE(CreateTemporaryFile(folder, kFile, 0600, first).valid());
    // The serial before ".tmp" is the next one tried.
    const std::size_t dash = first.rfind('-');
    const std::string planted =
        first.substr(0, dash + 1) + std::to_string(std::stoul(first.substr(dash + 1)) + 1) + ".tmp";
    WriteBytes(Path(planted), kOldBytes);

    std::string second;
    EXPECT_TRUE(CreateTemporaryFile(folder, kFile, 0600, second).valid());
    ::close(folder);
    EXPECT_NE(second, planted);
    EXPECT_EQ(ReadBytes(Path(planted)), kOldBytes);
}

// Only what a save of this program killed midway leaves behind is removed: a file of exactly its
// name form, of the user who saves, whose process has ended. The save runs as "nobody" when the
// tests run as root, so that a process of another user answers "not permitted".
TEST_F(StoreTest, SaveRemovesTemporaryFilesOfKilledSavesOnly) {
    enum Kind { kOwnFile, kOtherUsersFile, kFolder, kLink };
    struct Row {
        const char* name;
        std::string entry;
        Kind kind;
        bool removed;
    };
    const std::string ended = "2147483647";
    const Row rows[] = {
        {"KilledSave", ".Hobwatch.txt." + ended + "-0.tmp", kOwnFile, true},
        {"KilledSaveLaterSerial", ".Hobwatch.txt." + ended + "-17.tmp", kOwnFile, true},
        {"HandMadeBackup", ".Hobwatch.txt.2024-12-01.tmp", kOwnFile, false},
        {"Draft", ".Hobwatch.txt.31337-draft.tmp", kOwnFile, false},
        {"NoNumbers", ".Hobwatch.txt.tmp", kOwnFile, false},
        {"SignedProcessNumber", ".Hobwatch.txt.+2147483646-0.tmp", kOwnFile, false},
        {"LeadingZero", ".Hobwatch.txt.02147483646-0.tmp", kOwnFile, false},
        {"OtherFilesTemporary", ".Other.txt." + ended + "-0.tmp", kOwnFile, false},
        {"ProcessStillRunning", ".Hobwatch.txt." + std::to_string(::getpid()) + "-0.tmp", kOwnFile,
         false},
        {"ProcessOfAnotherUser", ".Hobwatch.txt.1-0.tmp", kOwnFile, false},
        {"AnotherUsersFile", ".Hobwatch.txt.2147483646-0.tmp", kOtherUsersFile, false},
        {"Folder", ".Hobwatch.txt.2147483645-0.tmp", kFolder, false},
        {"Link", ".Hobwatch.txt.2147483644-0.tmp", kLink, false},
    };
    const fs::path folder = Path("folder");
    fs::create_directory(folder);
    WriteBytes(Path("elsewhere"), "a file a link points at");
    for (const Row& row : rows) {
        const fs::path entry = folder / row.entry;
        switch (row.kind) {
            case kOwnFile:
            case kOtherUsersFile:
                WriteBytes(entry, "half a save");
                break;
            case kFolder:
                fs::create_directory(entry);
                break;
            case kLink:
                fs::create_symlink(Path("elsewhere"), entry);
                break;
        }
        if (row.kind != kOtherUsersFile) {
            GiveToNobody(entry.c_str(), /*link=*/row.kind == kLink);
        }
    }
    GiveToNobody(folder.c_str());

    EXPECT_EQ(RunInChild([&] { return WriteSettingsFile(folder / kFile, kNewState); },
                         /*as_nobody=*/true),
              0);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.kind == kOtherUsersFile && ::geteuid() != 0) {
            continue;
        }
        EXPECT_EQ(fs::exists(fs::symlink_status(folder / row.entry)), !row.removed);
    }
    EXPECT_EQ(ReadBytes(Path("elsewhere")), "a file a link points at");
}

// The file-size limit would end the program with SIGXFSZ halfway through the save.
TEST_F(StoreTest, SaveBeyondTheFileSizeLimit_FailsWithoutEndingTheProgram) {
    WriteBytes(File(), kOldBytes);

    const int status = RunInChild(
        [this] {
            constexpr rlim_t kLimit = 4096;
            const rlimit limit{kLimit, kLimit};
            ::signal(SIGXFSZ, SIG_DFL);
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
                return false;
            }
            const bool saved =
                WriteSettingsFile(File(), Record(0, 0, 0, "1", "1", std::string(4 * kLimit, 'x')));
            struct sigaction after {};
            ::sigaction(SIGXFSZ, nullptr, &after);
            return !saved && after.sa_handler == SIG_DFL;
        },
        /*as_nobody=*/false);

    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(File()), kOldBytes);
    EXPECT_EQ(Entries(Path(".")), Names{kFile});
}

// A file that is there but was not read whole keeps what it holds: the window that could not
// read it shows its defaults, and a save would put those in place of the user's notes.
TEST_F(StoreTest, FileThatCannotBeReadWhole_IsRefusedAndKeptAsItIs) {
    struct Row {
        const char* name;
        std::function<void(const fs::path&)> make;
        std::error_code refusal;
    };
    const Row rows[] = {
        {"OneByteOverTheLimit",
         [](const fs::path& file) { fs::resize_file(file, kMaxSettingsFileBytes + 1); },
         SettingsFileError::TooLarge},
        {"ThirtyGigabytesSparse",
         [](const fs::path& file) { fs::resize_file(file, std::uintmax_t{30} << 30); },
         SettingsFileError::TooLarge},
        {"Unreadable", [](const fs::path& file) { ASSERT_EQ(::chmod(file.c_str(), 0200), 0); },
         std::make_error_code(std::errc::permission_denied)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove(File());
        WriteBytes(File(), kOldBytes);
        GiveToNobody(File().c_str());
        row.make(File());
        const FileState before = StateOf(File());
        const SettingsChanges changes{kDefaults, kDefaults, kNewState};

        EXPECT_EQ(RunInChild(
                      [&] {
                          SettingsRecord record = kDefaults;
                          const std::error_code loaded = LoadSettingsFile(File(), record);
                          return loaded == row.refusal && record == kDefaults &&
                                 SaveSettingsChanges(File(), changes);
                      },
                      /*as_nobody=*/true),
                  0);
        EXPECT_EQ(StateOf(File()), before);
        EXPECT_EQ(Entries(Path(".")), Names{kFile});
    }
}

// A file that could not be read back would be refused at every start from then on, so no save
// writes one, and the old file stays. Notes the window left alone can grow on their way back to
// the file, as a lone CR becomes CR LF.
TEST_F(StoreTest, SaveOfAFileThatCouldNotBeReadBack_FailsAndKeepsTheOldFile) {
    const std::string header = "0\r\n1\r\n0\r\n15\r\n2.5\r\n";
    // A file of `unit` repeated in the notes as often as the limit allows.
    const auto fileAtTheLimit = [&](std::string_view unit) {
        std::string notes;
        while (header.size() + notes.size() + unit.size() + 2 <= kMaxSettingsFileBytes) {
            notes += unit;
        }
        return header + notes + "\r\n";
    };
    const std::string tooLarge = "Would be larger than the 32 MB that Hobwatch reads";
    const std::string entryTooLong =
        "Minutes or hours longer than the 65536 characters that Hobwatch reads";
    struct Row {
        const char* name;
        std::string file;
        std::function<void(SettingsRecord&)> edit;
        std::string reason;  // empty: saved
    };
    const auto unchanged = [](SettingsRecord&) {};
    const Row rows[] = {
        {"Utf8NotesAtTheLimit", fileAtTheLimit("x"), unchanged, ""},
        {"LoneCrsBecomeCrLf", fileAtTheLimit("\r"), unchanged, tooLarge},
        {"NotesTypedBeyondTheLimit", kOldBytes,
         [](SettingsRecord& r) { r.Notes.assign(kMaxSettingsFileBytes, 'x'); }, tooLarge},
        {"MinutesAsLongAsAnEntryHolds", kOldBytes,
         [](SettingsRecord& r) { r.MinutesEntry.assign(kMaxEntryCharacters, '7'); }, ""},
        {"HoursLongerThanAnEntryHolds", kOldBytes,
         [](SettingsRecord& r) { r.HoursEntry.assign(kMaxEntryCharacters + 1, '2'); },
         entryTooLong},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WriteBytes(File(), row.file);
        const SettingsRecord loaded = Loaded();
        SettingsRecord current = loaded;
        row.edit(current);
        const FileState before = StateOf(File());

        const std::error_code error = SaveSettingsChanges(File(), {kDefaults, loaded, current});

        EXPECT_EQ(error ? error.message() : "", row.reason);
        if (error) {
            EXPECT_EQ(StateOf(File()), before);
        }
        EXPECT_EQ(Entries(Path(".")), Names{kFile});
    }
}

TEST_F(StoreTest, SaveKeepsTheOldFilesModeAndOwnerAndANewFileGetsTheUsualOnes) {
    WriteBytes(File(), kOldBytes);
    GiveToNobody(File().c_str());
    // Set-user-ID, set-group-ID and sticky, with a mode that no umask gives a new file.
    ASSERT_EQ(::chmod(File().c_str(), 07604), 0);
    struct stat before {
    }, after{};
    ASSERT_EQ(::stat(File().c_str(), &before), 0);
    EXPECT_TRUE(WriteSettingsFile(File(), kNewState));
    ASSERT_EQ(::stat(File().c_str(), &after), 0);
    EXPECT_EQ(ReadBytes(File()), kNewBytes);
    EXPECT_EQ(after.st_mode & 07777, before.st_mode & 07777);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);

    fs::remove(File());
    const mode_t previousMask = ::umask(027);
    EXPECT_TRUE(WriteSettingsFile(File(), kNewState));
    ::umask(previousMask);
    ASSERT_EQ(::stat(File().c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
}

// Each link of the chain is relative to its own folder, one longer than a first read of it takes;
// every link stays a link.
TEST_F(StoreTest, SaveThroughAChainOfRelativeLinks_ReplacesTheFileAtItsEnd) {
    fs::create_directories(Path("a"));
    fs::create_directories(Path("b/c"));
    WriteBytes(Path("b/c/real.txt"), kOldBytes);
    fs::create_symlink("c/real.txt", Path("b/second"));
    const std::string longTarget = Repeated("./", 150) + "../b/second";
    fs::create_symlink(longTarget, Path("a/first"));
    fs::create_symlink("a/first", File());

    EXPECT_TRUE(WriteSettingsFile(File(), kNewState));

    EXPECT_EQ(fs::read_symlink(File()), "a/first");
    EXPECT_EQ(fs::read_symlink(Path("a/first")), longTarget);
    EXPECT_EQ(fs::read_symlink(Path("b/second")), "c/real.txt");
    EXPECT_EQ(ReadBytes(Path("b/c/real.txt")), kNewBytes);
    EXPECT_EQ(Entries(Path(".")), (Names{kFile, "a", "b"}));
    EXPECT_EQ(Entries(Path("b/c")), Names{"real.txt"});
    EXPECT_EQ(Loaded(), kNewState);
}

// The temporary file is made beside the target: the link's own folder need not be writable, the
// target's need not be listable, and no stray file is left in either folder.
TEST_F(StoreTest, SaveThroughALinkIntoAnotherFolder_WritesBesideTheTarget) {
    fs::create_directories(Path("links"));
    fs::create_directories(Path("data"));
    WriteBytes(Path("data/real.txt"), kOldBytes);
    GiveToNobody(Path("data").c_str());
    GiveToNobody(Path("data/real.txt").c_str());
    fs::create_symlink("../data/real.txt", Path("links") / kFile);
    ASSERT_EQ(::chmod(Path("links").c_str(), 0555), 0);
    ASSERT_EQ(::chmod(Path("data").c_str(), 0300), 0);

    const fs::path link = Path("links") / kFile;
    EXPECT_EQ(RunInChild([&] { return WriteSettingsFile(link, kNewState); }, /*as_nobody=*/true),
              0);
    ASSERT_EQ(::chmod(Path("links").c_str(), 0755), 0);
    ASSERT_EQ(::chmod(Path("data").c_str(), 0755), 0);

    EXPECT_EQ(fs::read_symlink(link), "../data/real.txt");
    EXPECT_EQ(ReadBytes(Path("data/real.txt")), kNewBytes);
    EXPECT_EQ(Entries(Path("data")), Names{"real.txt"});
    EXPECT_EQ(Entries(Path("links")), Names{kFile});
}

}  // namespace
}  // namespace hobwatch

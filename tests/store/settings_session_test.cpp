#include <new>
#include <string>

#include <gtest/gtest.h>

#include "store/settings_session.h"
#include "store_test_support.h"

namespace hobwatch {
namespace {

using namespace testing_support;

// Blanks around a check value: any save drops them, so the bytes show whether one was made.
constexpr char kUntouchedBytes[] = " 1 \r\n0\r\n1\r\n15\r\n2.5\r\nNotes\r\n";

class SessionTest : public StoreTest {
protected:
    // A session on `file`, read and shown as a window would; what it shows is returned.
    SettingsRecord Open(const fs::path& file) {
        session = SettingsSession(file);
        const SettingsRecord shown = session.Read(kDefaults, file);
        session.Shown(shown);
        return shown;
    }
    SettingsSession::SaveResult Save(const SettingsRecord& current) {
        return session.Save([&] { return current; });
    }

    SettingsSession session{File()};
};

// Nothing changed since the start: a file that was read is not written, so that one that cannot
// be written gives no error to ask the user about; with no file yet, the values shown are
// written, and where that fails nothing is lost.
TEST_F(SessionTest, NothingChanged_WrittenOnlyWhenThereWasNoFile) {
    struct Row {
        const char* name;
        fs::path file;
        bool saveFails;
        std::string bytesAfter;  // empty: as before
    };
    const Row rows[] = {
        {"FileRead_LeftAsItIs", File(), false, ""},
        {"RefusedFile_LeftAsItIs", Path("refused.txt"), false, ""},
        {"NoFile_TheValuesShownWritten", Path("new.txt"), false,
         "0\r\n1\r\n0\r\n15\r\n2.5\r\nSample notes\r\n\r\n"},
        {"NoFileNorFolder_SaveFailsButNothingIsLost", Path("gone") / kFile, true, ""},
    };
    WriteBytes(File(), kUntouchedBytes);
    fs::create_directory(Path("refused.txt"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const FileState before = StateOf(row.file);
        const SettingsSession::SaveResult saved = Save(Open(row.file));

        EXPECT_EQ(static_cast<bool>(saved.Error), row.saveFails);
        EXPECT_FALSE(saved.ChangesNotOnDisk);
        if (row.bytesAfter.empty()) {
            EXPECT_EQ(StateOf(row.file), before);
        } else {
            EXPECT_EQ(ReadBytes(row.file), row.bytesAfter);
        }
    }
}

// A change is written once; a failed save keeps it as a change not on disk, for the next try.
TEST_F(SessionTest, ChangeWrittenOnceAndAFailedSaveTriedAgain) {
    const fs::path file = Path("later") / kFile;
    SettingsRecord current = Open(file);
    current.Notes = "Typed";

    const SettingsSession::SaveResult failed = Save(current);
    EXPECT_EQ(failed.Error, std::errc::no_such_file_or_directory);
    EXPECT_TRUE(failed.ChangesNotOnDisk);
    fs::create_directory(Path("later"));
    EXPECT_FALSE(Save(current).Error);
    const FileState saved = StateOf(file);
    EXPECT_FALSE(Save(current).Error);
    EXPECT_EQ(StateOf(file), saved);
}

// A file refused at start is never written, however much the window changes.
TEST_F(SessionTest, RefusedFile_ChangesNeverWritten) {
    WriteBytes(File(), "0\r\n0\r\n0\r\n" + std::string(kMaxEntryCharacters + 1, '4') + "\r\n");
    const FileState before = StateOf(File());
    SettingsRecord current = Open(File());
    EXPECT_EQ(current, kDefaults);
    current.MinutesEntry = "20";

    const SettingsSession::SaveResult saved = Save(current);
    EXPECT_EQ(saved.Error, session.ReadError());
    EXPECT_TRUE(saved.ChangesNotOnDisk);
    EXPECT_EQ(session.RefusedFile(), File());
    EXPECT_EQ(StateOf(File()), before);
}

// After a save, what another writer saves in a field the window has not changed since is kept,
// although the window changed that field before its save.
TEST_F(SessionTest, EachSaveIsTheBaseOfTheNextMerge) {
    WriteBytes(File(), kUntouchedBytes);
    SettingsRecord current = Open(File());
    current.Notes = "Mine";
    ASSERT_FALSE(Save(current).Error);
    WriteBytes(File(), "1\r\n0\r\n1\r\n15\r\n2.5\r\nTheirs\r\n");
    current.MinutesEntry = "45";

    EXPECT_FALSE(Save(current).Error);
    EXPECT_EQ(ReadBytes(File()), "1\r\n0\r\n1\r\n45\r\n2.5\r\nTheirs\r\n");
}

TEST_F(SessionTest, OutOfMemoryWhileGatheringTheValues_AFailedSaveOfChanges) {
    WriteBytes(File(), kUntouchedBytes);
    Open(File());
    const SettingsSession::SaveResult saved =
        session.Save([]() -> SettingsRecord { throw std::bad_alloc(); });
    EXPECT_EQ(saved.Error, std::errc::not_enough_memory);
    EXPECT_TRUE(saved.ChangesNotOnDisk);
    EXPECT_EQ(ReadBytes(File()), kUntouchedBytes);
}

}  // namespace
}  // namespace hobwatch

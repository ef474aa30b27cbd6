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

// A file that was read is written only for a change, and a refused one never; with no file yet
// the values shown are written, as a first start leaves its file. A failed save asks about
// nothing when nothing would be lost.
TEST_F(SessionTest, WrittenOnlyWhenTheFileLacksTheWindowsValues) {
    struct Row {
        const char* name;
        fs::path file;
        bool changeNotes;
        bool saveFails;
        std::string bytesAfter;  // empty: as before
    };
    const Row rows[] = {
        {"ReadNothingChanged_LeftAsItIs", File(), false, false, ""},
        {"RefusedAndChanged_LeftAsItIs", Path("refused.txt"), true, true, ""},
        {"NoFileNothingChanged_TheValuesShownWritten", Path("new.txt"), false, false,
         "0\r\n1\r\n0\r\n15\r\n2.5\r\nSample notes\r\n\r\n"},
        {"NoFolderNothingChanged_NothingLost", Path("gone") / kFile, false, true, ""},
        {"NoFolderAndChanged_ChangesLost", Path("gone") / kFile, true, true, ""},
    };
    WriteBytes(File(), kUntouchedBytes);
    fs::create_directory(Path("refused.txt"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const FileState before = StateOf(row.file);
        SettingsRecord current = Open(row.file);
        if (row.changeNotes) {
            current.Notes = "Typed";
        }
        const SettingsSession::SaveResult saved = Save(current);

        EXPECT_EQ(static_cast<bool>(saved.Error), row.saveFails);
        EXPECT_EQ(saved.ChangesNotOnDisk, row.saveFails && row.changeNotes);
        if (row.bytesAfter.empty()) {
            EXPECT_EQ(StateOf(row.file), before);
        } else {
            EXPECT_EQ(ReadBytes(row.file), row.bytesAfter);
        }
    }
}

// A save is not made twice, and what another writer saves afterwards in a field the window has
// not changed since is kept, although the window changed that field before its save.
TEST_F(SessionTest, EachSaveIsTheBaseOfTheNextMerge) {
    WriteBytes(File(), kUntouchedBytes);
    SettingsRecord current = Open(File());
    current.Notes = "Mine";
    ASSERT_FALSE(Save(current).Error);
    const FileState saved = StateOf(File());
    ASSERT_FALSE(Save(current).Error);
    EXPECT_EQ(StateOf(File()), saved);
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

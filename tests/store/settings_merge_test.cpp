#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "store/files/file_location.h"
#include "store/files/folder_lock.h"
#include "store/settings_file.h"
#include "store_test_support.h"

namespace hobwatch {
namespace {

using namespace testing_support;

constexpr char kAtLoad[] = " 1 \r\n0\r\n1\r\n15\r\n2.5\r\nEggs: 7 min\rRice\n20 min\r\n";

// A window that read kAtLoad, with the changes of `edit` made in it; meanwhile another writer
// (a second window, a text editor) may have written `onDiskAtSave` to the file.
struct MergeCase {
    const char* name;
    std::function<void(SettingsRecord&)> edit;
    std::optional<std::string> onDiskAtSave;  // none: the file was deleted
    std::string saved;
};

const MergeCase kMergeCases[] = {
    {"NoOtherWriter_OnlyTheWindowsChange", [](SettingsRecord& r) { r.MinutesEntry = "45"; },
     kAtLoad, "1\r\n0\r\n1\r\n45\r\n2.5\r\nEggs: 7 min\r\nRice\n20 min\r\n"},
    {"EditorChangedNotes_WindowChangedMinutes_BothKept",
     [](SettingsRecord& r) { r.MinutesEntry = "45"; },
     "1\r\n0\r\n1\r\n15\r\n2.5\r\nEggs: 6 min\r\n", "1\r\n0\r\n1\r\n45\r\n2.5\r\nEggs: 6 min\r\n"},
    {"OtherWindowTickedABox_WindowChangedNotes_BothKept",
     [](SettingsRecord& r) { r.Notes = "Toast: 3 min"; },
     "1\r\n1\r\n1\r\n15\r\n2.5\r\nEggs: 7 min\r\nRice\n20 min\r\n",
     "1\r\n1\r\n1\r\n15\r\n2.5\r\nToast: 3 min\r\n"},
    {"OtherWindowTickedEnd10_WindowChangedMinutes_BothKept",
     [](SettingsRecord& r) { r.MinutesEntry = "45"; }, "1\r\n0\r\n0\r\n15\r\n2.5\r\nN\r\n",
     "1\r\n0\r\n0\r\n45\r\n2.5\r\nN\r\n"},
    {"EditorChangedHours_WindowTickedBeep1_BothKept", [](SettingsRecord& r) { r.BellAlarm = 1; },
     "1\r\n0\r\n1\r\n15\r\n4\r\nN\r\n", "1\r\n1\r\n1\r\n15\r\n4\r\nN\r\n"},
    {"BothChangedTheNotes_TheWindowSavingLastWins", [](SettingsRecord& r) { r.Notes = "Mine"; },
     "1\r\n0\r\n1\r\n15\r\n2.5\r\nTheirs\r\n", "1\r\n0\r\n1\r\n15\r\n2.5\r\nMine\r\n"},
    {"ChangedAndChangedBack_CountsAsUnchanged",
     [](SettingsRecord& r) {
         r.ToneAlarm = 0;
         r.ToneAlarm = 1;
     },
     "0\r\n0\r\n1\r\n15\r\n2.5\r\nN\r\n", "0\r\n0\r\n1\r\n15\r\n2.5\r\nN\r\n"},
    // An empty notes line means the notes the window starts with, as a new window would show.
    {"EditorEmptiedTheNotes_WindowsDefaultNotes", [](SettingsRecord&) {},
     "1\r\n0\r\n1\r\n15\r\n2.5\r\n\r\n", "1\r\n0\r\n1\r\n15\r\n2.5\r\nSample notes\r\n\r\n"},
    {"FileDeletedMeanwhile_TheWindowsValues", [](SettingsRecord& r) { r.HoursEntry = "3.5"; },
     std::nullopt, "1\r\n0\r\n1\r\n15\r\n3.5\r\nEggs: 7 min\r\nRice\n20 min\r\n"},
    // An editor that empties the file before it writes it anew.
    {"FileEmptiedMeanwhile_TheWindowsValues", [](SettingsRecord& r) { r.HoursEntry = "3.5"; }, "",
     "1\r\n0\r\n1\r\n15\r\n3.5\r\nEggs: 7 min\r\nRice\n20 min\r\n"},
    // A file cut short holds no choice of another writer's in the lines it lost.
    {"FileCutToFiveLines_TheWindowsNotes", [](SettingsRecord& r) { r.MinutesEntry = "45"; },
     "1\r\n0\r\n1\r\n15\r\n2.5\r\n", "1\r\n0\r\n1\r\n45\r\n2.5\r\nEggs: 7 min\r\nRice\n20 min\r\n"},
    {"FileCutInTheSecondLine_TheWindowsOtherValues", [](SettingsRecord& r) { r.HoursEntry = "3"; },
     "1\r\n0", "1\r\n0\r\n1\r\n15\r\n3\r\nEggs: 7 min\r\nRice\n20 min\r\n"},
    {"FileCutInTheNotes_TheWindowsNotes", [](SettingsRecord& r) { r.MinutesEntry = "45"; },
     "1\r\n0\r\n1\r\n15\r\n2.5\r\nEggs: 7 min\r\nRi",
     "1\r\n0\r\n1\r\n45\r\n2.5\r\nEggs: 7 min\r\nRice\n20 min\r\n"},
    // Notes without a line end after them that are not the start of the window's: an editor's.
    {"EditorsNotesWithoutALineEnd_Kept", [](SettingsRecord& r) { r.MinutesEntry = "45"; },
     "1\r\n0\r\n1\r\n15\r\n2.5\r\nEggs: 8 min", "1\r\n0\r\n1\r\n45\r\n2.5\r\nEggs: 8 min\r\n"},
};

TEST_F(StoreTest, SaveKeepsWhatAnotherWriterChangedInFieldsTheWindowLeftAlone) {
    for (const MergeCase& row : kMergeCases) {
        SCOPED_TRACE(row.name);
        WriteBytes(File(), kAtLoad);
        const SettingsRecord loaded = Loaded();
        SettingsRecord current = loaded;
        row.edit(current);
        fs::remove(File());
        if (row.onDiskAtSave) {
            WriteBytes(File(), *row.onDiskAtSave);
        }

        EXPECT_FALSE(SaveSettingsChanges(File(), {kDefaults, loaded, current}));
        EXPECT_EQ(ReadBytes(File()), row.saved);
    }
}

// Another window holds the lock on the folder's saves, writes the file and lets go; a save that
// started meanwhile must wait, then read what the other wrote, not what was there before.
TEST_F(StoreTest, SaveWaitsForAnotherWritersLockAndKeepsWhatItWrote) {
    WriteBytes(File(), kAtLoad);
    const SettingsRecord loaded = Loaded();
    SettingsRecord current = loaded;
    current.MinutesEntry = "45";
    FileLocation location;
    ASSERT_FALSE(LocateFile(File(), location));
    auto lock = std::make_unique<FolderLock>();
    ASSERT_FALSE(lock->Acquire(location, {}));

    const pid_t saver = ::fork();
    if (saver == 0) {
        ::_exit(SaveSettingsChanges(File(), {kDefaults, loaded, current}) ? 1 : 0);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const std::string whileLocked = ReadBytes(File());
    WriteBytes(File(), "1\r\n0\r\n1\r\n15\r\n2.5\r\nTheirs\r\n");
    lock.reset();
    int status = -1;
    ASSERT_EQ(::waitpid(saver, &status, 0), saver);

    EXPECT_EQ(whileLocked, kAtLoad);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(File()), "1\r\n0\r\n1\r\n45\r\n2.5\r\nTheirs\r\n");
}

}  // namespace
}  // namespace hobwatch

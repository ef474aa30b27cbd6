#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <system_error>

#include <gtest/gtest.h>

#include "store/files/file_error.h"
#include "store/files/file_location.h"
#include "store/files/folder_lock.h"
#include "store_test_support.h"

namespace hobwatch {
namespace {

using namespace testing_support;
using namespace std::chrono_literals;

constexpr LockPatience kPatience{200ms, 1000ms};

enum class Holder {
    ReaderLockingTheFolder,  // someone who may only read the folder, "nobody" under root
    SaveGettingOn,           // a save that uses the processor for 600 ms, then ends
    SaveGettingOnForEver,
    SaveStalled,
    OtherProgram,  // a write lock on the lock file, without the holder's process number
};

// Runs in a child: takes the lock as `holder` does, says so on `ready`, then goes on as it does.
[[noreturn]] void Hold(Holder holder, const fs::path& file, int ready) {
    FileLocation location;
    FolderLock lock;
    bool held = !LocateFile(file, location);
    if (holder == Holder::ReaderLockingTheFolder) {
        held = (::geteuid() != 0 || ::setuid(kNobody) == 0) &&
               ::flock(::open(file.parent_path().c_str(), O_RDONLY | O_DIRECTORY), LOCK_EX) == 0;
    } else if (holder == Holder::OtherProgram) {
        struct flock request {};
        request.l_type = F_WRLCK;
        const int fd =
            ::openat(location.Folder.get(), ".Hobwatch.txt.lock", O_RDWR | O_CREAT, 0600);
        held = ::fcntl(fd, F_OFD_SETLK, &request) == 0;
    } else {
        held = held && !lock.Acquire(location, kPatience);
    }
    if (!held || ::write(ready, "x", 1) != 1) {
        ::_exit(1);
    }
    const auto end = std::chrono::steady_clock::now() + 600ms;
    if (holder == Holder::SaveGettingOn || holder == Holder::SaveGettingOnForEver) {
        while (holder == Holder::SaveGettingOnForEver || std::chrono::steady_clock::now() < end) {
        }
        ::_exit(0);
    }
    ::pause();
    ::_exit(0);
}

// A save waits behind another window's save only while that one gets on, within bounds; no one
// else holds it up for long, and someone who may only read the folder not at all.
TEST_F(StoreTest, LockWaitsWhileAnotherSaveGetsOn) {
    struct Row {
        const char* name;
        Holder holder;
        std::error_code expected;
    };
    const Row rows[] = {
        {"ReaderLockingTheFolder", Holder::ReaderLockingTheFolder, {}},
        {"SaveGettingOn", Holder::SaveGettingOn, {}},
        {"SaveGettingOnForEver", Holder::SaveGettingOnForEver, FileError::LockedBySave},
        {"SaveStalled", Holder::SaveStalled, FileError::LockedBySave},
        {"OtherProgram", Holder::OtherProgram, FileError::FolderLocked},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove(Path(".Hobwatch.txt.lock"));
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t holder = ::fork();
        if (holder == 0) {
            Hold(row.holder, File(), ready[1]);
        }
        ::close(ready[1]);
        char byte = 0;
        ASSERT_EQ(::read(ready[0], &byte, 1), 1);
        ::close(ready[0]);

        FileLocation location;
        ASSERT_FALSE(LocateFile(File(), location));
        EXPECT_EQ(FolderLock().Acquire(location, kPatience), row.expected);
        ::kill(holder, SIGKILL);
        ::waitpid(holder, nullptr, 0);
    }
}

}  // namespace
}  // namespace hobwatch

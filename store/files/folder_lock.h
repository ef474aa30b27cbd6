#pragma once

#include <chrono>
#include <string>
#include <system_error>

#include "store/files/file_descriptor.h"
#include "store/files/file_location.h"

namespace hobwatch {

// How long a save waits for another to finish.
struct LockPatience {
    // For a holder that is not a save, or a save that gets nowhere for that long.
    std::chrono::milliseconds Stalled;
    // For saves that get on: the longest wait in all.
    std::chrono::milliseconds Total;
};

// Keeps the saves of one file apart, held until it goes out of scope. A save replaces its file
// by a rename, so the file itself is no stable thing to lock. The lock is a write lock on
// ".<name>.lock" beside it, made for the user alone (mode 0600) and removed when the save is
// done: a write lock needs the file open for writing, so someone who may only read the folder
// cannot hold up a save, as they could with a lock on the folder itself. The holder writes its
// process number into it, which tells a waiting save that another save holds the lock and lets
// it see whether that one gets on. A process that ends, however it ends, lets go of its lock.
class FolderLock {
public:
    FolderLock() = default;
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock();

    // Takes the lock for the file at `location`, whose folder must stay open while it is held.
    // Waits while another save holds it and gets on (uses processor time, reads or writes, or
    // waits for the disk), up to `patience.Total`; otherwise up to `patience.Stalled`. Errors:
    // FileError::LockedBySave or FileError::FolderLocked (another program) when the holder kept
    // it too long; FileError::UntrustedFile when a lock file of that name is another user's; the
    // system's error when it cannot be made (a folder this user may not write). On a file
    // system without locks the caller goes on unlocked, as nothing else can be done.
    std::error_code Acquire(const FileLocation& location, const LockPatience& patience);

private:
    FileDescriptor file_;
    int folder_ = -1;
    std::string name_;
};

}  // namespace hobwatch

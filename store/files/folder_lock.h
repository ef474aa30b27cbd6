#pragma once

#include <chrono>
#include <system_error>

namespace hobwatch {

// An exclusive lock on a folder, held until it goes out of scope. A save replaces its file by
// a rename, so the file itself is no stable thing to lock; its folder is, and it exists before
// the file does. A process that ends, however it ends, lets go of its lock.
class FolderLock {
public:
    FolderLock() = default;
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock();

    // Waits up to `patience` for the lock on the open folder `folder`, which must stay open
    // while the lock is held. FileError::FolderLocked when another holder kept it that
    // long. Where the folder cannot be locked at all (a folder this user may not read, a file
    // system without locks) the caller goes on unlocked, as nothing else can be done.
    std::error_code Acquire(int folder, std::chrono::milliseconds patience);

private:
    int folder_ = -1;
};

}  // namespace hobwatch

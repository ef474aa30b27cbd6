#include "store/files/folder_lock.h"

#include <sys/file.h>

#include <cerrno>
#include <thread>

#include "store/files/file_error.h"

namespace hobwatch {
namespace {

constexpr std::chrono::milliseconds kPollInterval{20};

}  // namespace

FolderLock::~FolderLock() {
    if (folder_ >= 0) {
        ::flock(folder_, LOCK_UN);
    }
}

std::error_code FolderLock::Acquire(int folder, std::chrono::milliseconds patience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (::flock(folder, LOCK_EX | LOCK_NB) == 0) {
            folder_ = folder;
            return {};
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK) {
            return {};
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return FileError::FolderLocked;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
}

}  // namespace hobwatch

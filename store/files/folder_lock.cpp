#include "store/files/folder_lock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>

#include "store/files/file_error.h"
#include "store/files/system_error.h"

namespace hobwatch {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::chrono::milliseconds kPollInterval{20};

// How far a process has got; any change between two looks is progress.
struct Headway {
    bool busy = false;  // running, or waiting for the disk
    unsigned long long processorTicks = 0;
    unsigned long long bytesMoved = 0;  // read and written through system calls
    bool operator==(const Headway&) const = default;
};

// The headway of the process `pid`; none when it has ended.
std::optional<Headway> HeadwayOf(pid_t pid) {
    const std::string folder = "/proc/" + std::to_string(pid);
    std::string status;
    std::getline(std::ifstream(folder + "/stat"), status);
    // The name in parentheses may hold blanks; the fields after it do not.
    const std::size_t nameEnd = status.rfind(')');
    if (nameEnd == std::string::npos) {
        return std::nullopt;
    }
    std::istringstream fields(status.substr(nameEnd + 1));
    char state = 0;
    std::string skipped;
    fields >> state;
    for (int field = 4; field < 14; ++field) {
        fields >> skipped;
    }
    unsigned long long userTicks = 0;
    unsigned long long systemTicks = 0;
    if (!(fields >> userTicks >> systemTicks) || state == 'Z') {
        return std::nullopt;
    }
    Headway headway{state == 'R' || state == 'D', userTicks + systemTicks, 0};
    std::ifstream io(folder + "/io");
    std::string key;
    unsigned long long value = 0;
    while (io >> key >> value) {
        if (key == "rchar:" || key == "wchar:") {
            headway.bytesMoved += value;
        }
    }
    return headway;
}

// The process that wrote its number into the lock file `fd`, if any did.
std::optional<pid_t> HolderOf(int fd) {
    char text[16];
    const ssize_t length = ::pread(fd, text, sizeof text, 0);
    pid_t pid = 0;
    if (length <= 0 || std::from_chars(text, text + length, pid).ptr != text + length || pid <= 0) {
        return std::nullopt;
    }
    return pid;
}

bool LockWholeFile(int fd) {
    struct flock request {};
    request.l_type = F_WRLCK;
    request.l_whence = SEEK_SET;
    // Held by the open file, not the process, so that two saves in one process exclude each
    // other as well.
    return ::fcntl(fd, F_OFD_SETLK, &request) == 0;
}

// Whether the open file of status `opened` still has the name `name` in `folder`: the holder
// before removes it once it lets go.
bool StillNamed(int folder, const std::string& name, const struct stat& opened) {
    struct stat named {};
    return ::fstatat(folder, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
           named.st_dev == opened.st_dev && named.st_ino == opened.st_ino;
}

void WriteHolder(int fd) {
    const std::string pid = std::to_string(::getpid());
    if (::ftruncate(fd, 0) == 0) {
        [[maybe_unused]] const ssize_t written = ::pwrite(fd, pid.data(), pid.size(), 0);
    }
}

}  // namespace

FolderLock::~FolderLock() {
    // Removed before it is let go, so that no one takes a lock on a file that has no name.
    if (file_.valid()) {
        ::unlinkat(folder_, name_.c_str(), 0);
    }
}

std::error_code FolderLock::Acquire(const FileLocation& location, const LockPatience& patience) {
    const int folder = location.Folder.get();
    const std::string name = "." + location.Name + ".lock";
    const Clock::time_point start = Clock::now();
    const Clock::time_point givingUp = start + patience.Total;
    Clock::time_point stalledSince = start;
    std::optional<pid_t> lastHolder;
    std::optional<Headway> lastHeadway;
    for (;;) {
        FileDescriptor file(::openat(folder, name.c_str(),
                                     O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0600));
        struct stat status {};
        if (!file.valid() || ::fstat(file.get(), &status) != 0) {
            if (errno == EINTR) {
                continue;
            }
            return LastSystemError();
        }
        if (!S_ISREG(status.st_mode) || status.st_uid != ::geteuid()) {
            return FileError::UntrustedFile;
        }
        if (LockWholeFile(file.get())) {
            if (!StillNamed(folder, name, status)) {
                continue;
            }
            WriteHolder(file.get());
            file_ = std::move(file);
            folder_ = folder;
            name_ = name;
            return {};
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EAGAIN && errno != EACCES) {
            return {};
        }
        const std::optional<pid_t> holder = HolderOf(file.get());
        const std::optional<Headway> headway = holder ? HeadwayOf(*holder) : std::nullopt;
        const Clock::time_point now = Clock::now();
        if (headway && (holder != lastHolder || headway->busy || headway != lastHeadway)) {
            stalledSince = now;
        }
        lastHolder = holder;
        lastHeadway = headway;
        if (now - stalledSince >= patience.Stalled || now >= givingUp) {
            return headway ? FileError::LockedBySave : FileError::FolderLocked;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
}

}  // namespace hobwatch

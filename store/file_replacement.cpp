#include "store/file_replacement.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <optional>
#include <system_error>

#include "store/file_descriptor.h"

namespace hobwatch {
namespace {

// The kernel's own limit on the links followed in one path.
constexpr int kMaxLinksFollowed = 40;
constexpr int kMaxTemporaryNameAttempts = 100;

// Up to and including the last "/"; empty for a name in the current directory.
std::string DirectoryPart(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string NamePart(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::optional<std::string> LinkTarget(const std::string& link) {
    std::string target(256, '\0');
    for (;;) {
        const ssize_t length = ::readlink(link.c_str(), target.data(), target.size());
        if (length <= 0) {
            return std::nullopt;
        }
        if (static_cast<std::size_t>(length) < target.size()) {
            target.resize(static_cast<std::size_t>(length));
            return target;
        }
        target.resize(target.size() * 2);
    }
}

// The file that a save to `path` replaces: the end of the chain when `path` is a symbolic link
// (that end need not exist yet), else `path` itself. Empty when the chain cannot be followed.
std::optional<std::string> FinalTarget(std::string path) {
    for (int followed = 0; followed <= kMaxLinksFollowed; ++followed) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0) {
            return errno == ENOENT ? std::optional(path) : std::nullopt;
        }
        if (!S_ISLNK(status.st_mode)) {
            return path;
        }
        const std::optional<std::string> target = LinkTarget(path);
        if (!target) {
            return std::nullopt;
        }
        path = target->front() == '/' ? *target : DirectoryPart(path) + *target;
    }
    return std::nullopt;
}

// What a save finds where it is to write.
struct Existing {
    bool inTheWay = false;            // something that must not or cannot be replaced
    std::optional<struct stat> file;  // the regular file to replace; empty when there is none
};

Existing InspectTarget(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return {.inTheWay = errno != ENOENT, .file = std::nullopt};
    }
    if (!S_ISREG(status.st_mode)) {
        return {.inTheWay = true, .file = std::nullopt};
    }
    // Opening, without emptying, is the one check that sees permission bits, access control
    // lists, read-only mounts and immutable files alike; renaming over the file would bypass all
    // of them. Reading is asked for too: a file that could not be read at start-up must not be
    // overwritten with the defaults the window fell back to.
    const FileDescriptor probe(::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!probe.valid() || ::fstat(probe.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return {.inTheWay = true, .file = std::nullopt};
    }
    return {.inTheWay = false, .file = status};
}

// Temporary files are named ".<target name>.<pid>-<serial>.tmp".
std::string TemporaryNamePrefix(const std::string& target) { return "." + NamePart(target) + "."; }

// The process that wrote the temporary file `name`, if `name` is one for `target`.
std::optional<pid_t> TemporaryFileWriter(std::string_view name, const std::string& target) {
    const std::string prefix = TemporaryNamePrefix(target);
    if (!name.starts_with(prefix) || !name.ends_with(".tmp")) {
        return std::nullopt;
    }
    name.remove_prefix(prefix.size());
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
    if (error != std::errc() || pid <= 0 || end == name.data() + name.size() || *end != '-') {
        return std::nullopt;
    }
    return pid;
}

// A save killed between writing its temporary file and the rename leaves that file behind;
// nothing else would ever remove it. Files of processes still running are theirs to finish.
void RemoveAbandonedTemporaryFiles(const std::string& target) {
    const std::string directory = DirectoryPart(target);
    std::error_code error;
    for (const auto& entry :
         std::filesystem::directory_iterator(directory.empty() ? "." : directory, error)) {
        const std::optional<pid_t> writer =
            TemporaryFileWriter(entry.path().filename().string(), target);
        if (writer && ::kill(*writer, 0) != 0 && errno == ESRCH) {
            std::filesystem::remove(entry.path(), error);
        }
    }
}

// A new empty file beside `target` under a name no other file has; its name goes to `name`.
int CreateTemporaryFile(const std::string& target, mode_t mode, std::string& name) {
    static std::atomic<unsigned> serial{0};
    const std::string stem =
        DirectoryPart(target) + TemporaryNamePrefix(target) + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < kMaxTemporaryNameAttempts; ++attempt) {
        name = stem + std::to_string(serial++) + ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

bool KeepOwnerAndMode(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        // Without privilege only the group can be kept, and only by one of its members; a file
        // in the saving user's group loses nothing of its content.
        [[maybe_unused]] const int groupKept = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    // After the owner, because changing the owner clears the set-user-ID and set-group-ID bits.
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t count = ::write(fd, content.data(), content.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// Makes the rename itself survive a crash; the content is safe either way.
void SyncDirectory(const std::string& directory) {
    const FileDescriptor handle(
        ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle.valid()) {
        ::fsync(handle.get());
    }
}

}  // namespace

bool ReplaceFileContent(const std::filesystem::path& path, std::string_view content) {
    const std::optional<std::string> target = FinalTarget(path.string());
    if (!target) {
        return false;
    }
    const Existing existing = InspectTarget(*target);
    if (existing.inTheWay) {
        return false;
    }
    const std::optional<struct stat>& old = existing.file;
    RemoveAbandonedTemporaryFiles(*target);

    std::string temporaryName;
    FileDescriptor temporary(CreateTemporaryFile(*target, old ? 0600 : 0666, temporaryName));
    if (!temporary.valid()) {
        return false;
    }
    bool written = (!old || KeepOwnerAndMode(temporary.get(), *old)) &&
                   WriteAll(temporary.get(), content) && ::fsync(temporary.get()) == 0;
    written = temporary.Close() && written;
    if (!written || ::rename(temporaryName.c_str(), target->c_str()) != 0) {
        ::unlink(temporaryName.c_str());
        return false;
    }
    SyncDirectory(DirectoryPart(*target));
    return true;
}

}  // namespace hobwatch

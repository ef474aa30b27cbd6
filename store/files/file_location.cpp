#include "store/files/file_location.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <deque>
#include <string_view>

#include "store/files/file_error.h"
#include "store/files/system_error.h"

namespace hobwatch {
namespace {

// The kernel's own limit on the links followed in one path.
constexpr int kMaxLinksFollowed = 40;

constexpr mode_t kOwnFolderMode = 0700;

std::error_code Error(std::errc error) { return std::make_error_code(error); }

// The names along `path`, without the empty and "." ones.
std::deque<std::string> Components(std::string_view path) {
    std::deque<std::string> names;
    while (!path.empty()) {
        const std::size_t slash = path.find('/');
        const std::string_view name = path.substr(0, slash);
        if (!name.empty() && name != ".") {
            names.emplace_back(name);
        }
        path.remove_prefix(slash == std::string_view::npos ? path.size() : slash + 1);
    }
    return names;
}

int OpenRoot() { return ::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC); }

int OpenFolder(int folder, const char* name) {
    return ::openat(folder, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

bool OfUserOrSystem(uid_t owner) { return owner == ::geteuid() || owner == 0; }

std::error_code ReadLink(int folder, const std::string& name, std::string& target) {
    target.assign(256, '\0');
    for (;;) {
        const ssize_t length = ::readlinkat(folder, name.c_str(), target.data(), target.size());
        if (length < 0) {
            return LastSystemError();
        }
        if (static_cast<std::size_t>(length) < target.size()) {
            target.resize(static_cast<std::size_t>(length));
            return {};
        }
        target.resize(target.size() * 2);
    }
}

// The found folder, opened again for reading when it lets this user read it.
FileDescriptor Readable(FileDescriptor folder) {
    FileDescriptor readable(::openat(folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return readable.valid() ? std::move(readable) : std::move(folder);
}

// Walks a path name by name from an open folder, following symbolic links itself, so that each
// folder and link on the way passes its rules before it is used.
class PathWalk {
public:
    // Only folders and links of the user or of root are used, and missing folders are made for
    // the user alone; else the kernel's rule for shared folders is all (MayUseInFolder).
    explicit PathWalk(bool ownFolders) : ownFolders_(ownFolders) {}

    // Walks to the last name of `path`, a relative one from the open folder `from`; see
    // LocateFile.
    std::error_code Locate(const std::string& path, FileLocation& location, int from = AT_FDCWD);

private:
    // Moves on to the newly opened folder `next`; the error when it could not be opened or must
    // not be used.
    std::error_code Enter(int next);
    // Goes on from the link `name` (whose status is `link`) to its target: the target's names go
    // in front of the pending ones, to be walked from the root for an absolute target.
    std::error_code FollowLink(const std::string& name, const struct stat& link);
    // Makes the missing folder `name`, to be walked into next.
    std::error_code MakeFolder(std::string name);

    const bool ownFolders_;
    FileDescriptor folder_;
    std::deque<std::string> pending_;
    int linksFollowed_ = 0;
};

std::error_code PathWalk::Locate(const std::string& path, FileLocation& location, int from) {
    if (path.empty()) {
        return Error(std::errc::no_such_file_or_directory);
    }
    pending_ = Components(path);
    if (pending_.empty() || path.back() == '/') {
        return Error(std::errc::is_a_directory);
    }
    if (const std::error_code error =
            Enter(path.front() == '/' ? OpenRoot()
                                      : ::openat(from, ".", O_PATH | O_DIRECTORY | O_CLOEXEC))) {
        return error;
    }
    while (!pending_.empty()) {
        std::string name = std::move(pending_.front());
        pending_.pop_front();
        const bool last = pending_.empty();
        if (name == "..") {
            if (last) {
                return Error(std::errc::is_a_directory);
            }
            if (const std::error_code error =
                    Enter(::openat(folder_.get(), "..", O_PATH | O_DIRECTORY | O_CLOEXEC))) {
                return error;
            }
            continue;
        }
        struct stat status {};
        if (::fstatat(folder_.get(), name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT && last) {
                location = {Readable(std::move(folder_)), std::move(name)};
                return {};
            }
            const std::error_code error =
                errno == ENOENT && ownFolders_ ? MakeFolder(std::move(name)) : LastSystemError();
            if (error) {
                return error;
            }
            continue;
        }
        if (S_ISLNK(status.st_mode)) {
            if (const std::error_code error = FollowLink(name, status)) {
                return error;
            }
            continue;
        }
        if (last) {
            location = {Readable(std::move(folder_)), std::move(name)};
            return {};
        }
        if (!S_ISDIR(status.st_mode)) {
            return Error(std::errc::not_a_directory);
        }
        if (const std::error_code error = Enter(OpenFolder(folder_.get(), name.c_str()))) {
            return error;
        }
    }
    return Error(std::errc::is_a_directory);
}

std::error_code PathWalk::Enter(int next) {
    if (next < 0) {
        return LastSystemError();
    }
    FileDescriptor folder(next);
    struct stat status {};
    if (ownFolders_ && (::fstat(next, &status) != 0 || !OfUserOrSystem(status.st_uid))) {
        return FileError::UntrustedFolder;
    }
    folder_ = std::move(folder);
    return {};
}

std::error_code PathWalk::FollowLink(const std::string& name, const struct stat& link) {
    if (++linksFollowed_ > kMaxLinksFollowed) {
        return Error(std::errc::too_many_symbolic_link_levels);
    }
    struct stat folderStatus {};
    if (::fstat(folder_.get(), &folderStatus) != 0) {
        return LastSystemError();
    }
    if (ownFolders_ && !OfUserOrSystem(link.st_uid)) {
        return FileError::UntrustedFolder;
    }
    if (!MayUseInFolder(folderStatus, link.st_uid)) {
        return FileError::UntrustedLink;
    }
    std::string target;
    if (const std::error_code error = ReadLink(folder_.get(), name, target)) {
        return error;
    }
    const std::deque<std::string> targetNames = Components(target);
    if (targetNames.empty() && pending_.empty()) {
        return Error(std::errc::is_a_directory);
    }
    if (target.starts_with('/')) {
        if (const std::error_code error = Enter(OpenRoot())) {
            return error;
        }
    }
    pending_.insert(pending_.begin(), targetNames.begin(), targetNames.end());
    return {};
}

std::error_code PathWalk::MakeFolder(std::string name) {
    // Made meanwhile by someone else, it is checked as any folder found.
    if (::mkdirat(folder_.get(), name.c_str(), kOwnFolderMode) != 0 && errno != EEXIST) {
        return LastSystemError();
    }
    pending_.push_front(std::move(name));
    return {};
}

}  // namespace

bool MayUseInFolder(const struct stat& folder, uid_t owner) {
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return !shared || owner == folder.st_uid || owner == ::geteuid();
}

std::error_code LocateFile(const std::filesystem::path& path, FileLocation& location) {
    return PathWalk(/*ownFolders=*/false).Locate(path.native(), location);
}

std::error_code OpenOwnFolder(const std::filesystem::path& path, FileDescriptor& opened) {
    FileLocation location;
    if (const std::error_code error =
            PathWalk(/*ownFolders=*/true).Locate(path.native(), location)) {
        return error;
    }
    const int parent = location.Folder.get();
    const char* const name = location.Name.c_str();
    if (::mkdirat(parent, name, kOwnFolderMode) != 0 && errno != EEXIST) {
        return LastSystemError();
    }
    FileDescriptor folder(OpenFolder(parent, name));
    struct stat status {};
    // A link put there since the walk is not followed: opened without following links, it is
    // not a directory.
    if (!folder.valid() || ::fstat(folder.get(), &status) != 0) {
        return LastSystemError();
    }
    if (status.st_uid != ::geteuid() || (status.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        return FileError::UntrustedFolder;
    }
    opened = Readable(std::move(folder));
    return {};
}

std::error_code MakeOwnFolder(const std::filesystem::path& path) {
    FileDescriptor folder;
    return OpenOwnFolder(path, folder);
}

std::error_code LocateFileInOwnFolder(const std::filesystem::path& path, FileLocation& location) {
    FileDescriptor folder;
    if (const std::error_code error = OpenOwnFolder(path.parent_path(), folder)) {
        return error;
    }
    return PathWalk(/*ownFolders=*/false).Locate(path.filename().native(), location, folder.get());
}

}  // namespace hobwatch

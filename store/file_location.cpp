#include "store/file_location.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <deque>
#include <string_view>

#include "store/settings_error.h"
#include "store/system_error.h"

namespace hobwatch {
namespace {

// The kernel's own limit on the links followed in one path.
constexpr int kMaxLinksFollowed = 40;

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

// Moves `folder` on to the newly opened `next`; the error when it could not be opened.
std::error_code MoveTo(FileDescriptor& folder, int next) {
    if (next < 0) {
        return LastSystemError();
    }
    folder = FileDescriptor(next);
    return {};
}

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

// Goes on from the link `name` in `folder` (whose status is `link`) to its target: the target's
// names go in front of `pending`, to be walked from the root for an absolute target, else from
// `folder`.
std::error_code FollowLink(FileDescriptor& folder, const std::string& name, const struct stat& link,
                           std::deque<std::string>& pending) {
    struct stat folderStatus {};
    if (::fstat(folder.get(), &folderStatus) != 0) {
        return LastSystemError();
    }
    if (!MayUseInFolder(folderStatus, link.st_uid)) {
        return SettingsFileError::UntrustedLink;
    }
    std::string target;
    if (const std::error_code error = ReadLink(folder.get(), name, target)) {
        return error;
    }
    const std::deque<std::string> targetNames = Components(target);
    if (targetNames.empty() && pending.empty()) {
        return Error(std::errc::is_a_directory);
    }
    if (target.starts_with('/')) {
        if (const std::error_code error = MoveTo(folder, OpenRoot())) {
            return error;
        }
    }
    pending.insert(pending.begin(), targetNames.begin(), targetNames.end());
    return {};
}

// The found folder, opened again for reading when it lets this user read it.
FileDescriptor Readable(FileDescriptor folder) {
    FileDescriptor readable(::openat(folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return readable.valid() ? std::move(readable) : std::move(folder);
}

}  // namespace

bool MayUseInFolder(const struct stat& folder, uid_t owner) {
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return !shared || owner == folder.st_uid || owner == ::geteuid();
}

std::error_code LocateFile(const std::filesystem::path& path, FileLocation& location) {
    const std::string& text = path.native();
    if (text.empty()) {
        return Error(std::errc::no_such_file_or_directory);
    }
    std::deque<std::string> pending = Components(text);
    if (pending.empty() || text.back() == '/') {
        return Error(std::errc::is_a_directory);
    }
    FileDescriptor folder;
    if (const std::error_code error =
            MoveTo(folder, text.front() == '/' ? OpenRoot()
                                               : ::open(".", O_PATH | O_DIRECTORY | O_CLOEXEC))) {
        return error;
    }
    int linksFollowed = 0;
    while (!pending.empty()) {
        std::string name = std::move(pending.front());
        pending.pop_front();
        const bool last = pending.empty();
        if (name == "..") {
            if (last) {
                return Error(std::errc::is_a_directory);
            }
            if (const std::error_code error = MoveTo(
                    folder, ::openat(folder.get(), "..", O_PATH | O_DIRECTORY | O_CLOEXEC))) {
                return error;
            }
            continue;
        }
        struct stat status {};
        if (::fstatat(folder.get(), name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT && last) {
                location = {Readable(std::move(folder)), std::move(name)};
                return {};
            }
            return LastSystemError();
        }
        if (S_ISLNK(status.st_mode)) {
            if (++linksFollowed > kMaxLinksFollowed) {
                return Error(std::errc::too_many_symbolic_link_levels);
            }
            if (const std::error_code error = FollowLink(folder, name, status, pending)) {
                return error;
            }
            continue;
        }
        if (last) {
            location = {Readable(std::move(folder)), std::move(name)};
            return {};
        }
        if (!S_ISDIR(status.st_mode)) {
            return Error(std::errc::not_a_directory);
        }
        if (const std::error_code error =
                MoveTo(folder, ::openat(folder.get(), name.c_str(),
                                        O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC))) {
            return error;
        }
    }
    return Error(std::errc::is_a_directory);
}

}  // namespace hobwatch

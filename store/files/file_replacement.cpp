#include "store/files/file_replacement.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>

#include "store/files/extended_attributes.h"
#include "store/files/file_descriptor.h"
#include "store/files/regular_file.h"
#include "store/files/system_error.h"
#include "store/files/temporary_files.h"

namespace hobwatch {
namespace {

// Ignores a signal for as long as it lives.
class IgnoredSignal {
public:
    explicit IgnoredSignal(int signal) : signal_(signal) {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        ::sigemptyset(&ignore.sa_mask);
        ::sigaction(signal_, &ignore, &previous_);
    }
    IgnoredSignal(const IgnoredSignal&) = delete;
    IgnoredSignal& operator=(const IgnoredSignal&) = delete;
    ~IgnoredSignal() { ::sigaction(signal_, &previous_, nullptr); }

private:
    int signal_;
    struct sigaction previous_ {};
};

// The regular file a save replaces, opened for reading and writing: the one check that sees
// permission bits, access control lists, read-only mounts and immutable files alike, which
// renaming over the file would bypass. Empty when there is no file; `error` set when there is
// something that must not or cannot be replaced.
std::optional<FileDescriptor> OpenReplaced(const FileLocation& location, std::error_code& error) {
    FileDescriptor file;
    struct stat status {};
    error = OpenRegularFile(location, O_RDWR, file, status);
    if (error == std::errc::no_such_file_or_directory) {
        error.clear();
    }
    if (error || !file.valid()) {
        return std::nullopt;
    }
    return file;
}

std::error_code KeepOwnerAndMode(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        // Without privilege only the group can be kept, and only by one of its members; a file
        // in the saving user's group loses nothing of its content.
        [[maybe_unused]] const int groupKept = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    // After the owner, because changing the owner clears the set-user-ID and set-group-ID bits.
    return ::fchmod(fd, old.st_mode & 07777) == 0 ? std::error_code() : LastSystemError();
}

// Everything of the old file but its content.
std::error_code KeepProperties(int fd, int old) {
    struct stat status {};
    if (::fstat(old, &status) != 0) {
        return LastSystemError();
    }
    if (const std::error_code error = KeepOwnerAndMode(fd, status)) {
        return error;
    }
    return CopyExtendedAttributes(old, fd);
}

std::error_code WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t count = ::write(fd, content.data(), content.size());
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return LastSystemError();
        }
        if (count == 0) {
            return std::make_error_code(std::errc::io_error);
        }
        content.remove_prefix(static_cast<std::size_t>(count));
    }
    return {};
}

std::error_code WriteAndClose(FileDescriptor& file, std::optional<FileDescriptor>& old,
                              std::string_view content) {
    std::error_code error = old ? KeepProperties(file.get(), old->get()) : std::error_code();
    if (!error) {
        error = WriteAll(file.get(), content);
    }
    if (!error && ::fsync(file.get()) != 0) {
        error = LastSystemError();
    }
    if (!file.Close() && !error) {
        error = LastSystemError();
    }
    return error;
}

}  // namespace

std::error_code ReplaceFileContent(const FileLocation& location, std::string_view content) {
    const int folder = location.Folder.get();
    std::error_code error;
    std::optional<FileDescriptor> old = OpenReplaced(location, error);
    if (error) {
        return error;
    }
    RemoveAbandonedTemporaryFiles(folder, location.Name);

    // The file-size limit would otherwise end the program halfway; a short write is then a
    // failed write like any other.
    const IgnoredSignal fileSizeLimit(SIGXFSZ);
    std::string temporaryName;
    FileDescriptor temporary =
        CreateTemporaryFile(folder, location.Name, old ? 0600 : 0666, temporaryName);
    if (!temporary.valid()) {
        return LastSystemError();
    }
    error = WriteAndClose(temporary, old, content);
    if (!error && ::renameat(folder, temporaryName.c_str(), folder, location.Name.c_str()) != 0) {
        error = LastSystemError();
    }
    if (error) {
        ::unlinkat(folder, temporaryName.c_str(), 0);
        return error;
    }
    // Makes the rename itself survive a crash; the content is safe either way.
    ::fsync(folder);
    return {};
}

}  // namespace hobwatch

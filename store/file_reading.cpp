#include "store/file_reading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "store/file_descriptor.h"
#include "store/settings_error.h"
#include "store/system_error.h"

namespace hobwatch {
std::error_code ReadWholeFile(const FileLocation& location, std::size_t maxBytes,
                              std::string& content) {
    struct stat status {};
    if (::fstatat(location.Folder.get(), location.Name.c_str(), &status, AT_SYMLINK_NOFOLLOW) !=
        0) {
        return LastSystemError();
    }
    if (!S_ISREG(status.st_mode)) {
        return SettingsFileError::NotRegularFile;
    }
    // No link is followed here: one that appeared since the file was located was not checked.
    // Non-blocking, so that a named pipe put there meanwhile cannot hang the caller.
    const FileDescriptor file(::openat(location.Folder.get(), location.Name.c_str(),
                                       O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!file.valid()) {
        return LastSystemError();
    }
    if (::fstat(file.get(), &status) != 0) {
        return LastSystemError();
    }
    if (!S_ISREG(status.st_mode)) {
        return SettingsFileError::NotRegularFile;
    }
    if (static_cast<std::size_t>(status.st_size) > maxBytes) {
        return SettingsFileError::TooLarge;
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(status.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count == 0) {
            content = std::move(bytes);
            return {};
        }
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return LastSystemError();
        }
        // The file may have grown since it was measured.
        if (bytes.size() + static_cast<std::size_t>(count) > maxBytes) {
            return SettingsFileError::TooLarge;
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

}  // namespace hobwatch

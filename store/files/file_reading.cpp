#include "store/files/file_reading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "store/files/file_descriptor.h"
#include "store/files/regular_file.h"
#include "store/files/system_error.h"

namespace hobwatch {

std::error_code ReadWholeFile(const FileLocation& location, std::size_t maxBytes,
                              std::string& content) {
    FileDescriptor file;
    struct stat status {};
    if (const std::error_code error = OpenRegularFile(location, O_RDONLY, file, status)) {
        return error;
    }
    if (static_cast<std::size_t>(status.st_size) > maxBytes) {
        return std::make_error_code(std::errc::file_too_large);
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
            return std::make_error_code(std::errc::file_too_large);
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

}  // namespace hobwatch

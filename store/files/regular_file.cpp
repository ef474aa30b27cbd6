#include "store/files/regular_file.h"

#include <fcntl.h>

#include <utility>

#include "store/files/file_error.h"
#include "store/files/system_error.h"

namespace hobwatch {

std::error_code OpenRegularFile(const FileLocation& location, int access, FileDescriptor& file,
                                struct stat& status) {
    const int folder = location.Folder.get();
    if (::fstatat(folder, location.Name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
        return LastSystemError();
    }
    if (!S_ISREG(status.st_mode)) {
        return FileError::NotRegularFile;
    }
    FileDescriptor opened(::openat(folder, location.Name.c_str(),
                                   access | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!opened.valid() || ::fstat(opened.get(), &status) != 0) {
        return LastSystemError();
    }
    if (!S_ISREG(status.st_mode)) {
        return FileError::NotRegularFile;
    }
    struct stat folderStatus {};
    if (::fstat(folder, &folderStatus) != 0) {
        return LastSystemError();
    }
    if (!MayUseInFolder(folderStatus, status.st_uid)) {
        return FileError::UntrustedFile;
    }
    file = std::move(opened);
    return {};
}

}  // namespace hobwatch

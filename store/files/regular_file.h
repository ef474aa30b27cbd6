#pragma once

#include <sys/stat.h>

#include <system_error>

#include "store/files/file_descriptor.h"
#include "store/files/file_location.h"

namespace hobwatch {

// Opens the regular file at `location` with `access` (O_RDONLY or O_RDWR) into `file`, and
// gives its status. No link is followed (one that appeared since the file was located was not
// checked), and nothing waits (a named pipe put there meanwhile cannot hang the caller). Errors:
// no_such_file_or_directory when there is no file; FileError::NotRegularFile for
// anything else of that name (a device or a named pipe is not even opened);
// FileError::UntrustedFile for a file that MayUseInFolder does not allow; or the
// system's error.
std::error_code OpenRegularFile(const FileLocation& location, int access, FileDescriptor& file,
                                struct stat& status);

}  // namespace hobwatch

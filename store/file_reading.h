#pragma once

#include <cstddef>
#include <string>
#include <system_error>

#include "store/file_location.h"

namespace hobwatch {

// Reads the whole regular file at `location` into `content`, which is left as it was on any
// error: no_such_file_or_directory when there is no file, SettingsFileError::NotRegularFile for
// anything else of that name (a device or a named pipe is not even opened),
// SettingsFileError::TooLarge beyond `maxBytes`, or the system's error when a read fails.
std::error_code ReadWholeFile(const FileLocation& location, std::size_t maxBytes,
                              std::string& content);

}  // namespace hobwatch

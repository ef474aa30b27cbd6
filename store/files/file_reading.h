#pragma once

#include <cstddef>
#include <string>
#include <system_error>

#include "store/files/file_location.h"

namespace hobwatch {

// Reads the whole regular file at `location` into `content`, which is left as it was on any
// error: those of OpenRegularFile (store/files/regular_file.h), std::errc::file_too_large beyond
// `maxBytes`, or the system's error when a read fails.
std::error_code ReadWholeFile(const FileLocation& location, std::size_t maxBytes,
                              std::string& content);

}  // namespace hobwatch

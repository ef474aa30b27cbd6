#pragma once

#include <string_view>
#include <system_error>

#include "store/files/file_location.h"

namespace hobwatch {

// Replaces the content of the file at `location` with `content` without ever leaving it half
// written: the new content goes to a temporary file beside it, is flushed to disk and renamed
// over it. An existing file keeps its permission bits, its extended attributes and access
// control list and, where allowed, its owner; a new one gets the usual permissions for a new
// file. Nothing changes, and no temporary file is left, when the file exists but cannot be
// opened for reading and writing as OpenRegularFile (store/regular_file.h) opens it, when the
// folder cannot be written, when an attribute cannot be carried over, or when any write fails
// (a full disk, the file-size limit, which does not end the program meanwhile); the error says
// why. Temporary files left beside it by saves that were killed are removed.
std::error_code ReplaceFileContent(const FileLocation& location, std::string_view content);

}  // namespace hobwatch

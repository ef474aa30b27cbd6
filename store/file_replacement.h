#pragma once

#include <filesystem>
#include <string_view>

namespace hobwatch {

// Replaces the content of the file `path` with `content` without ever leaving it half written:
// the new content goes to a temporary file beside it, is flushed to disk and renamed over it.
// A symbolic link at `path` is followed to its final target, which is replaced, so the link
// stays a link. An existing target keeps its permission bits and, where allowed, its owner; a
// new one gets the usual permissions for a new file. Nothing changes, and no temporary file is
// left, when the target exists but is not a regular file or cannot be opened for reading and
// writing, when its directory cannot be written, or when any write fails; the result is then
// false. Temporary files left beside the target by a save that was killed are removed.
bool ReplaceFileContent(const std::filesystem::path& path, std::string_view content);

}  // namespace hobwatch
